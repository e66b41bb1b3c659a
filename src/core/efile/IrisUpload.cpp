#include "efile/IrisUpload.h"

#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"
#include "data/ReturnTable.h"
#include "data/Settings.h"
#include "efile/EfileData.h"
#include "efile/EfileOutcome.h"
#include "efile/FixedRecord.h"
#include "efile/IrisNames.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <stdexcept>

namespace quillory::efile {

namespace {

// Names are split as IRIS takes them from the screens of tax year 2025 on.
constexpr int kFirstYear = 2025;
// The largest amount written: twelve digits with the cents, the most Publication 1220's payment
// amount fields and the paper forms' boxes hold; a larger one is refused, not cut.
constexpr qint64 kMaxAmountCents = 999999999999LL;

// The template's columns and the field each takes (empty: left empty).
QStringList matchColumns(Database &db, const QString &form, const IrisTemplate &t, QStringList &warnings)
{
    QHash<QString, QString> known;
    RecordSet rows = RecordSet::query(
        db, QStringLiteral("SELECT Spelling, Field FROM IrisColumns WHERE Form IN (?, '1099') ORDER BY Year"), {form});
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        known.insert(normalisedColumnName(rows.text(QStringLiteral("Spelling"))), rows.text(QStringLiteral("Field")));
    QStringList fields;
    for (int i = 0; i < t.columns.size(); ++i) {
        const QString field = known.value(normalisedColumnName(t.columns.at(i)));
        if (field.isEmpty() && !t.columns.at(i).trimmed().isEmpty())
            warnings << QStringLiteral("Column %1 \"%2\": Quillory keeps nothing for it; it is left empty")
                            .arg(i + 1)
                            .arg(t.columns.at(i).trimmed());
        fields << field;
    }
    return fields;
}

// The boxes of the year's form that need a column when they hold something, by field.
QVector<QPair<QString, QString>> boxesOfYear(Database &db, const QString &form, int year)
{
    QVector<QPair<QString, QString>> boxes;
    RecordSet rows = RecordSet::query(db,
                                      QStringLiteral("SELECT Field, Box FROM IrisFields WHERE Form = ? AND FirstYear "
                                                     "<= ? AND LastYear >= ? ORDER BY rowid"),
                                      {form, year, year});
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        boxes.append({rows.text(QStringLiteral("Field")), rows.text(QStringLiteral("Box"))});
    return boxes;
}

// The state line columns of a form: state, payer's state number, tax withheld, income.
struct StateLine {
    const char *state, *number, *tax, *income;
};
QVector<StateLine> stateLines(const QString &form)
{
    if (form == QLatin1String("1099-NEC"))
        return {{"State_L1", "StateNo_L1", "StateTax_L1", "StateIncome_L1"},
                {"State_L2", "StateNo_L2", "StateTax_L2", "StateIncome_L2"}};
    return {{"Box17a_L1", "Box17b_L1", "Box16_L1", "Box18_L1"}, {"Box17a_L2", "Box17b_L2", "Box16_L2", "Box18_L2"}};
}

class Builder {
public:
    Builder(Database &db, const QString &form, IrisUpload &out) : form_(form), out_(out)
    {
        RecordSet codes = RecordSet::query(db, QStringLiteral("SELECT Kind, Value, Text FROM IrisCodes"));
        for (codes.moveFirst(); !codes.eof(); codes.moveNext())
            codes_.insert(codes.text(QStringLiteral("Kind")).toLower() + QLatin1Char('/') +
                              codes.text(QStringLiteral("Value")).toUpper(),
                          codes.text(QStringLiteral("Text")));
    }

    QString code(const char *kind, const QString &value) const
    {
        return codes_.value(QLatin1String(kind).toString().toLower() + QLatin1Char('/') + value.toUpper());
    }

    // The payer's fields; its problems under its label.
    QHash<QString, QString> payerValues(const RecordSet &filer, const QString &label)
    {
        QHash<QString, QString> v;
        const QString tin = filer.text(QStringLiteral("FedIDNo")).trimmed();
        if (!validTin(tin))
            problem(label, QStringLiteral("the taxpayer identification number is missing or malformed"));
        person(filer, QStringLiteral("Payer"), QStringLiteral("PayerName"), QString(), tin, label, v);
        const Address a = parseAddress({filer.text(QStringLiteral("PayerL1")), filer.text(QStringLiteral("PayerL2")),
                                        filer.text(QStringLiteral("PayerL3"))});
        if (!a.ok)
            problem(label, QStringLiteral("the address is missing or does not end in \"city, state ZIP\""));
        address(a, QStringLiteral("Payer"), v);
        const QString phone = digitsOf(filer.text(QStringLiteral("Phone")));
        if (phone.size() < 10)
            problem(label,
                    QStringLiteral("the phone number is missing or too short (IRIS requires the payer's phone)"));
        v.insert(QStringLiteral("PayerPhone"), phone);
        v.insert(QStringLiteral("PayerEmail"), filer.text(QStringLiteral("Email")).trimmed());
        return v;
    }

    // The recipient's and the boxes' fields of the current row.
    QHash<QString, QString> returnValues(const RecordSet &row, const QString &label)
    {
        QHash<QString, QString> v;
        const QString tin = row.text(QStringLiteral("RecIDNo")).trimmed();
        if (!validTin(tin))
            problem(label, QStringLiteral("the TIN is missing or malformed"));
        person(row, QStringLiteral("Rec"), QStringLiteral("RecName1"), QStringLiteral("RecName2"), tin, label, v);
        const Address a = parseAddress({row.text(QStringLiteral("RecAddr")), row.text(QStringLiteral("RecCityStZip"))});
        if (!a.ok)
            problem(label, QStringLiteral("the address is missing or its last line is not \"city, state ZIP\""));
        address(a, QStringLiteral("Rec"), v);
        for (int i = 0; i < row.columnCount(); ++i) {
            const ColumnInfo &c = row.column(i);
            if (c.kind == ColumnKind::Money) {
                const Money amount = row.money(c.name);
                if (amount < Money() || amount > Money::fromCents(kMaxAmountCents))
                    problem(label, QStringLiteral("%1 is %2")
                                       .arg(boxName(c.name), amount < Money() ? QStringLiteral("negative")
                                                                              : QStringLiteral("too large")));
                v.insert(c.name, amount.isZero() ? QString() : amount.toFixed2());
            } else if (c.kind == ColumnKind::Flag) {
                v.insert(c.name, code("Mark", row.flag(c.name) ? QStringLiteral("Y") : QStringLiteral("N")));
            } else if (c.kind == ColumnKind::Text && !v.contains(c.name)) {
                v.insert(c.name, row.text(c.name).trimmed());
            }
        }
        for (const StateLine &s : stateLines(form_)) {
            const bool any = !row.text(QLatin1String(s.state)).trimmed().isEmpty() ||
                             !row.money(QLatin1String(s.tax)).isZero() || !row.money(QLatin1String(s.income)).isZero();
            if (any && row.text(QLatin1String(s.number)).trimmed().isEmpty())
                problem(label, QStringLiteral("%1 has no payer's state number").arg(boxName(QLatin1String(s.number))));
            if (any && row.text(QLatin1String(s.state)).trimmed().isEmpty())
                problem(label, QStringLiteral("%1 has no state").arg(boxName(QLatin1String(s.state))));
        }
        v.insert(QStringLiteral("RecTin"), digitsOf(tin));
        v.insert(QStringLiteral("AcctNo"), row.text(QStringLiteral("AcctNo")).trimmed());
        return v;
    }

    void setBoxes(const QVector<QPair<QString, QString>> &boxes) { boxes_ = boxes; }
    QString boxName(const QString &field) const
    {
        for (const auto &[f, box] : boxes_)
            if (f.compare(field, Qt::CaseInsensitive) == 0)
                return box;
        return field;
    }
    void problem(const QString &who, const QString &what) { out_.problems << who + QStringLiteral(": ") + what; }

private:
    // The TIN type, name type and name parts of a payer ("Payer") or recipient ("Rec").
    void person(const RecordSet &row, const QString &p, const QString &line1, const QString &line2, const QString &tin,
                const QString &label, QHash<QString, QString> &v)
    {
        const auto col = [&](const char *name) { return row.text(p + QLatin1String(name)).trimmed(); };
        const QString tinType = col("TinType").isEmpty() ? tinTypeOf(tin) : col("TinType");
        if (code("TinType", tinType).isEmpty())
            problem(label, QStringLiteral("the TIN type (SSN or EIN) is not known: write the number as 123-45-6789 or "
                                          "12-3456789"));
        v.insert(p + QStringLiteral("TinType"), code("TinType", tinType));
        v.insert(p + QStringLiteral("Tin"), digitsOf(tin));
        const QString type = col("NameType").toUpper();
        v.insert(p + QStringLiteral("NameType"), code("NameType", type));
        v.insert(p + QStringLiteral("Country"), code("Country", QStringLiteral("US")));
        // Only the kind of name given is written; the other kind's columns stay empty.
        const bool business = type == QLatin1String("B"), individual = type == QLatin1String("I");
        v.insert(p + QStringLiteral("Name1"), business ? row.text(line1).trimmed() : QString());
        v.insert(p + QStringLiteral("Name2"), business && !line2.isEmpty() ? row.text(line2).trimmed() : QString());
        for (const char *part : {"FirstName", "MiddleName", "LastName", "Suffix"})
            v.insert(p + QLatin1String(part), individual ? col(part) : QString());
        if (business && row.text(line1).trimmed().isEmpty())
            problem(label, QStringLiteral("the business name is missing"));
        else if (individual && (col("FirstName").isEmpty() || col("LastName").isEmpty()))
            problem(label, QStringLiteral("the first or last name is missing"));
        else if (!business && !individual)
            problem(label, QStringLiteral("the name is not split into its parts yet (individual or business)"));
    }

    void address(const Address &a, const QString &p, QHash<QString, QString> &v)
    {
        v.insert(p + QStringLiteral("Address1"), a.delivery);
        v.insert(p + QStringLiteral("Address2"), a.location);
        v.insert(p + QStringLiteral("City"), a.city);
        v.insert(p + QStringLiteral("State"), a.state);
        v.insert(p + QStringLiteral("Zip"), a.zip + a.zipExt);
    }

    QString form_;
    IrisUpload &out_;
    QHash<QString, QString> codes_;
    QVector<QPair<QString, QString>> boxes_;
};

// Whether a row holds anything to report: an amount or a ticked mark of the year's boxes.
bool isReturn(const RecordSet &row, const QVector<QPair<QString, QString>> &boxes)
{
    for (const auto &[field, box] : boxes) {
        const ColumnInfo *c = row.findColumn(field);
        if (c && c->kind == ColumnKind::Money && !row.money(field).isZero())
            return true;
        if (c && c->kind == ColumnKind::Flag && field != QLatin1String("TIN") && row.flag(field))
            return true;
    }
    return false;
}

// Whether a field of a return holds something its box must show.
bool holds(const RecordSet &row, const QString &field)
{
    const ColumnInfo *c = row.findColumn(field);
    if (!c)
        return false;
    if (c->kind == ColumnKind::Money)
        return !row.money(field).isZero();
    if (c->kind == ColumnKind::Flag)
        return row.flag(field);
    return !row.text(field).trimmed().isEmpty();
}

struct Row {
    QByteArray line;
    QByteArray mapText;
    QString tinDigits;
    QString account;
    QString label;
};

QByteArray csvLine(const QStringList &fields, const QHash<QString, QString> &values)
{
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        if (!fields.at(i).isEmpty())
            line += csvField(values.value(fields.at(i)));
    }
    return line;
}

// A TIN given twice for one payer needs an account number that sets each return apart.
void checkRepeatedTins(const QVector<Row> &rows, Builder &b)
{
    QHash<QString, QVector<int>> byTin;
    for (int i = 0; i < rows.size(); ++i)
        if (!rows.at(i).tinDigits.isEmpty())
            byTin[rows.at(i).tinDigits] << i;
    for (const QVector<int> &same : byTin) {
        if (same.size() < 2)
            continue;
        QSet<QString> accounts;
        for (int i : same)
            accounts.insert(rows.at(i).account.toUpper());
        if (accounts.size() == same.size() && !accounts.contains(QString()))
            continue;
        for (int i : same)
            b.problem(rows.at(i).label,
                      QStringLiteral("the TIN is on %1 returns of this payer; give each its own account number")
                          .arg(same.size()));
    }
}

// The payer's files: its lines in parts of at most `perFile` returns, each with its row map.
void addPayerFiles(IrisUpload &out, const QString &form, const QString &payerTin, const QString &payerLabel,
                   const QByteArray &header, const QVector<Row> &rows, qlonglong perFile)
{
    const QString digits = digitsOf(payerTin);
    for (int first = 0, part = 1; first < rows.size(); first += int(perFile), ++part) {
        IrisFile f;
        f.name =
            QStringLiteral("IRIS-%1-%2-payer%3-part%4.csv").arg(form).arg(out.taxYear).arg(digits.right(4)).arg(part);
        f.payer = payerLabel;
        f.lines << header;
        f.rowMap << QStringLiteral("Rows of %1 (%2, tax year %3, %4); row 1 is the first line after the header")
                        .arg(f.name, form)
                        .arg(out.taxYear)
                        .arg(payerLabel)
                        .toUtf8();
        const int last = qMin<int>(rows.size(), first + int(perFile));
        for (int i = first; i < last; ++i) {
            f.lines << rows.at(i).line;
            f.rowMap << QByteArray::number(i - first + 1) + ": " + rows.at(i).mapText;
        }
        out.returns += last - first;
        out.files << f;
    }
}

// What a return's row says of where it belongs.
struct RowContext {
    const QString &form;
    const QString &payerTin;
    int taxYear;
};

// One return's line of the file, with the payer's values, and its entry in the row map.
Row returnRow(Builder &b, const RecordSet &rows, const RowContext &at, const QHash<QString, QString> &payer,
              const QStringList &fields)
{
    const QString tin = rows.text(QStringLiteral("RecIDNo")).trimmed();
    Row r;
    r.tinDigits = digitsOf(tin);
    r.account = rows.text(QStringLiteral("AcctNo")).trimmed();
    r.label = QStringLiteral("%1 of %2 (%3), payer %4")
                  .arg(at.form, rows.text(QStringLiteral("RecName1")).trimmed(),
                       tin.isEmpty() ? QStringLiteral("no TIN") : tin, at.payerTin);
    QHash<QString, QString> values = b.returnValues(rows, r.label);
    for (auto it = payer.cbegin(); it != payer.cend(); ++it)
        values.insert(it.key(), it.value());
    values.insert(QStringLiteral("FormType"), at.form);
    values.insert(QStringLiteral("TaxYear"), QString::number(at.taxYear));
    const bool person = values.value(QStringLiteral("RecNameType")) == b.code("NameType", QStringLiteral("I"));
    const QString name = person ? values.value(QStringLiteral("RecFirstName")) + QLatin1Char(' ') +
                                      values.value(QStringLiteral("RecLastName"))
                                : rows.text(QStringLiteral("RecName1")).trimmed();
    r.mapText = (name + QStringLiteral(", TIN ending ") + r.tinDigits.right(4)).toUtf8();
    r.line = csvLine(fields, values);
    return r;
}

// A box with amounts that the template has no column for stops the files.
void noteMissingColumns(const QMap<QString, int> &missingBoxes, IrisUpload &out)
{
    for (auto it = missingBoxes.cbegin(); it != missingBoxes.cend(); ++it)
        out.problems << QStringLiteral("The template has no column for %1, which %2 of the returns fill: use the "
                                       "template of this form and tax year from the IRIS Taxpayer Portal")
                            .arg(it.key())
                            .arg(it.value());
}

// The tax year of Settings, when IRIS takes its returns; else the reason is a problem.
bool yearTaken(Database &db, IrisUpload &out)
{
    const Settings settings = Settings::read(db);
    out.taxYear = taxYearNumber(settings.year);
    if (out.taxYear >= kFirstYear)
        return true;
    out.problems << QStringLiteral("Tax year %1 (Options, Tax Year...): IRIS uploads are made for tax years from "
                                   "%2 on; file earlier years with the Publication 1220 file")
                        .arg(settings.year.trimmed())
                        .arg(kFirstYear);
    return false;
}

// The year's boxes are known and the template has the columns every file needs.
void checkTemplate(const QString &form, const QVector<QPair<QString, QString>> &boxes, const QStringList &fields,
                   IrisUpload &out)
{
    if (boxes.isEmpty())
        out.problems
            << QStringLiteral("Tax year %1: Quillory knows no %2 boxes of this year").arg(out.taxYear).arg(form);
    if (!fields.contains(QStringLiteral("TaxYear")) || !fields.contains(QStringLiteral("RecTin")))
        out.problems << QStringLiteral("The template has no \"Tax Year\" or no recipient TIN column: is it the %1 "
                                       "template of the IRIS Taxpayer Portal?")
                            .arg(form);
}

} // namespace

IrisUpload buildIrisUpload(Database &db, const QString &form, const IrisTemplate &templ, const QString &payerFedIdNo)
{
    IrisUpload out;
    out.lineEnd = templ.lineEnd;
    if (!yearTaken(db, out))
        return out;
    const QVector<QPair<QString, QString>> boxes = boxesOfYear(db, form, out.taxYear);
    const QStringList fields = matchColumns(db, form, templ, out.warnings);
    checkTemplate(form, boxes, fields, out);
    Builder b(db, form, out);
    b.setBoxes(boxes);

    const QString table = form == QLatin1String("1099-NEC") ? QStringLiteral("1099Nec") : QStringLiteral("1099Misc");
    RecordSet rows = returnTable::ofPayer(db, table, payerFedIdNo);
    RecordSet filers = filerTable::byKey(db);
    const qlonglong perFile = irisRowsPerFile(db);

    QMap<QString, int> missingBoxes; // box -> returns that need it
    QString payerTin, payerLabel;
    QHash<QString, QString> payer;
    QVector<Row> payerRows;
    const auto finishPayer = [&] {
        checkRepeatedTins(payerRows, b);
        addPayerFiles(out, form, payerTin, payerLabel, templ.header, payerRows, perFile);
        payerRows.clear();
    };
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!isReturn(rows, boxes))
            continue;
        const QString tinOfPayer = rows.text(QStringLiteral("FedIDNo")).trimmed();
        if (payerRows.isEmpty() || tinOfPayer.compare(payerTin, Qt::CaseInsensitive) != 0) {
            if (!payerRows.isEmpty())
                finishPayer();
            payerTin = tinOfPayer;
            payer.clear();
            if (!tinOfPayer.isEmpty() && filers.findFirst({{QStringLiteral("FedIDNo"), tinOfPayer}})) {
                payerLabel = QStringLiteral("Payer %1 (%2)").arg(tinOfPayer, filers.text(QStringLiteral("PayerName")));
                payer = b.payerValues(filers, payerLabel);
            } else {
                payerLabel = QStringLiteral("Payer %1").arg(tinOfPayer);
                b.problem(payerLabel, QStringLiteral("no filer has this number"));
            }
        }
        for (const auto &[field, box] : boxes)
            if (holds(rows, field) && !fields.contains(field, Qt::CaseInsensitive))
                ++missingBoxes[box];
        payerRows << returnRow(b, rows, {form, payerTin, out.taxYear}, payer, fields);
    }
    if (!payerRows.isEmpty())
        finishPayer();
    noteMissingColumns(missingBoxes, out);
    if (out.returns == 0)
        out.problems << QStringLiteral("There are no %1 amounts to write").arg(form);
    if (!out.ok())
        out.files.clear();
    return out;
}

void writeIrisUpload(const IrisUpload &upload, const QString &folder)
{
    const QDir dir(folder);
    QStringList written;
    try {
        for (const IrisFile &f : upload.files) {
            const QString csv = dir.filePath(f.name);
            const QString map =
                dir.filePath(QString(f.name).replace(QStringLiteral(".csv"), QStringLiteral("-rows.txt")));
            writeRecords(csv, f.lines, upload.lineEnd);
            written << csv;
            writeRecords(map, f.rowMap, "\n");
            written << map;
        }
    } catch (...) {
        for (const QString &path : written)
            QFile::remove(path);
        throw;
    }
}

bool filesThroughIris(Database &db)
{
    return taxYearNumber(Settings::yearText(db)) >= 2026;
}

int irisRowsPerFile(Database &db)
{
    return qBound(1, Settings::irisRowsPerFile(db), kIrisMostRowsPerFile);
}

void storeIrisRowsPerFile(Database &db, int rows)
{
    Settings::storeIrisRowsPerFile(db, qBound(1, rows, kIrisMostRowsPerFile));
}

QString irisTemplatePath(Database &db, const QString &form, const QString &year)
{
    return db.scalar(QStringLiteral("SELECT Path FROM IrisTemplates WHERE Form = ? AND Year = ?"), {form, year})
        .toString();
}

void rememberIrisTemplate(Database &db, const QString &form, const QString &year, const QString &path)
{
    Transaction transaction(db);
    db.exec(QStringLiteral("DELETE FROM IrisTemplates WHERE Form = ? AND Year = ?"), {form, year});
    db.exec(QStringLiteral("INSERT INTO IrisTemplates (Form, Year, Path) VALUES (?, ?, ?)"), {form, year, path});
    transaction.commit();
}

} // namespace quillory::efile
