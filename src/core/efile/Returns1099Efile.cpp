#include "efile/Returns1099Efile.h"

#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"
#include "data/ReturnTable.h"
#include "data/Settings.h"
#include "efile/EfileData.h"
#include "efile/Pub1220Layout.h"
#include "efile/Submitter.h"

#include <QDate>
#include <QHash>
#include <QVector>
#include <map>

namespace quillory::efile {

namespace {

// The amounts of one return: payment amount code -> amount.
using Amounts = std::map<char, Money>;

// A row of the 1099Nec table (tax years from 2025), read into the 1099-MISC columns.
bool fromNecTable(const RecordSet &row)
{
    return row.findColumn(QStringLiteral("FromNec")) && row.flag(QStringLiteral("FromNec"));
}

// Splits a 1099-MISC row into the amounts of its 1099-MISC and its 1099-NEC of the tax year.
// Federal income tax withheld goes with the nonemployee compensation when there is some, since
// backup withholding is mostly taken from such payments; a 1099-NEC row's is all its 1099-NEC's.
Amounts amountsOf(const RecordSet &row, const pub1220::ReturnKind &kind, int year)
{
    const bool hasNec = fromNecTable(row) || !row.money(QStringLiteral("Box7")).isZero();
    const bool isNec = &kind == &pub1220::nec();
    Amounts out;
    for (const pub1220::AmountCode &a : kind.amounts) {
        if ((a.code == '4' && hasNec != isNec) || !a.usedIn(year))
            continue;
        const Money amount = row.money(QLatin1String(a.box));
        if (!amount.isZero())
            out[a.code] = amount;
    }
    return out;
}

class Builder {
public:
    Builder(EfileOutcome &out, int year) : out_(out), year_(year) {}
    int year() const { return year_; }

    template <typename Fill> void add(const RecordLayout &layout, const QString &owner, Fill fill)
    {
        FixedRecord r(layout, year_);
        if (layout.find("PaymentYear"))
            r.setCount("PaymentYear", year_);
        r.setCount("Sequence", ++sequence_);
        fill(r);
        out_.add(r, owner);
    }

private:
    EfileOutcome &out_;
    int year_;
    int sequence_ = 1; // the T record's
};

// The 1099-MISC rows of one payer number, as positions in the set of all rows read.
struct PayerRows {
    QString tin;
    QVector<int> positions;
};

// Every 1099-MISC row of the payer (or of all payers when the number is empty) in one read,
// by payer number and then recipient; from 2025 the 1099-NEC rows with them.
RecordSet readReturns(Database &db, const QString &payerFedIdNo, int taxYear)
{
    if (taxYear >= 2025)
        return returnTable::miscAndNecOfPayer(db, payerFedIdNo);
    return returnTable::ofPayer(db, QStringLiteral("1099Misc"), payerFedIdNo);
}

// The filers that have 1099-MISC rows, the first one of each number first.
RecordSet readPayerFilers(Database &db)
{
    return filerTable::payersWithReturns(db);
}

// The rows grouped by payer number; numbers compare without regard to case, as the column
// does, and a missing number is a group of its own.
QVector<PayerRows> groupByPayer(RecordSet &rows)
{
    QVector<PayerRows> groups;
    bool lastNull = false;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        const bool isNull = rows.isNull(QStringLiteral("FedIDNo"));
        const QString tin = rows.text(QStringLiteral("FedIDNo"));
        if (groups.isEmpty() || isNull != lastNull || tin.compare(groups.last().tin, Qt::CaseInsensitive) != 0)
            groups.append({tin, {}});
        groups.last().positions << rows.position();
        lastNull = isNull;
    }
    return groups;
}

// Position of the first filer of each number in the filer set.
QHash<QString, int> filerPositions(RecordSet &filers)
{
    QHash<QString, int> first;
    for (filers.moveFirst(); !filers.eof(); filers.moveNext()) {
        const QString key = filers.text(QStringLiteral("FedIDNo")).toUpper();
        if (!first.contains(key))
            first.insert(key, filers.position());
    }
    return first;
}

// A payer's filer row and what its A records take from it.
struct Payer {
    QString tin;
    QString label;
    const RecordSet &filer;
    Address address;
};

void checkPayer(const Payer &p, EfileOutcome &out)
{
    if (!validEin(p.tin) && !validSsn(p.tin))
        out.problems << p.label + QStringLiteral(": the taxpayer identification number is missing or malformed");
    if (p.filer.text(QStringLiteral("PayerName")).trimmed().isEmpty())
        out.problems << p.label + QStringLiteral(": the name is missing");
    if (!p.address.ok)
        out.problems << p.label + QStringLiteral(": the address is missing or does not end in \"city, state ZIP\"");
}

// The returns of one kind among a payer's rows and the amount codes that any of them uses.
struct KindReturns {
    QVector<int> positions;
    QByteArray codes;
};

// How a return is named in a problem.
QString returnLabel(const RecordSet &rows, const pub1220::ReturnKind &kind, const QString &payerTin)
{
    const QString recTin = rows.text(QStringLiteral("RecIDNo"));
    return QStringLiteral("%1 of %2 (%3), payer %4")
        .arg(QLatin1String(kind.formName), rows.text(QStringLiteral("RecName1")).trimmed(),
             recTin.isEmpty() ? QStringLiteral("no TIN") : recTin, payerTin);
}

// An amount in a box the tax year's file has no place for stops the file.
void checkBoxesOfYear(const RecordSet &rows, const QString &payerTin, int year, EfileOutcome &out)
{
    for (const pub1220::AmountCode &a : pub1220::misc().amounts) {
        const QString why = pub1220::unwritableBox(a.box, year);
        if (!why.isEmpty() && !rows.money(QLatin1String(a.box)).isZero())
            out.problems << returnLabel(rows, pub1220::misc(), payerTin) + QStringLiteral(": ") + why;
    }
}

KindReturns collectReturns(RecordSet &rows, const QVector<int> &positions, const pub1220::ReturnKind &kind, int year)
{
    KindReturns found;
    for (int position : positions) {
        rows.moveTo(position);
        const Amounts amounts = amountsOf(rows, kind, year);
        const bool directSales =
            (&kind == &pub1220::misc() && rows.flag(QStringLiteral("Box9"))) ||
            (&kind == &pub1220::nec() && fromNecTable(rows) && rows.flag(QStringLiteral("NecDirectSales")));
        if (amounts.empty() && !directSales)
            continue;
        found.positions << position;
        for (const auto &[code, amount] : amounts) {
            if (!found.codes.contains(code))
                found.codes += code;
        }
    }
    std::sort(found.codes.begin(), found.codes.end(),
              [](char a, char b) { return pub1220::amountCodes().indexOf(a) < pub1220::amountCodes().indexOf(b); });
    // A direct-sales mark alone is reported under amount code 1.
    if (found.codes.isEmpty())
        found.codes = "1";
    return found;
}

void addPayerRecord(Builder &build, const Payer &p, const pub1220::ReturnKind &kind, const QByteArray &codes,
                    const QString &group)
{
    build.add(pub1220::A(), group, [&](FixedRecord &a) {
        a.set("PayerTIN", p.tin);
        a.set("TypeOfReturn", QLatin1String(kind.typeOfReturn));
        a.set("AmountCodes", QString::fromLatin1(codes));
        a.set("PayerName", p.filer.text(QStringLiteral("PayerName")));
        a.setCount("TransferAgent", 0);
        a.set("PayerAddress", p.address.delivery);
        a.set("PayerCity", p.address.city);
        a.set("PayerState", p.address.state);
        a.set("PayerZIP", p.address.zip + p.address.zipExt);
        a.set("PayerPhone", p.filer.text(QStringLiteral("Phone")));
    });
}

// The B record of the current row, its amounts added to the payer group's totals.
void addPayeeRecord(Builder &build, const RecordSet &rows, const QString &payerTin, const pub1220::ReturnKind &kind,
                    Amounts &totals, EfileOutcome &out)
{
    const QString recTin = rows.text(QStringLiteral("RecIDNo"));
    const QString who = returnLabel(rows, kind, payerTin);
    if (!validTin(recTin))
        out.problems << who + QStringLiteral(": the recipient's identification number is missing or malformed");
    if (rows.text(QStringLiteral("RecName1")).trimmed().isEmpty())
        out.problems << who + QStringLiteral(": the recipient's name is missing");
    const Address home =
        parseAddress({rows.text(QStringLiteral("RecAddr")), rows.text(QStringLiteral("RecCityStZip"))});
    if (!home.ok)
        out.problems << who + QStringLiteral(": the address is missing or its last line is not \"city, state ZIP\"");
    if (fromNecTable(rows) && !rows.money(QStringLiteral("NecParachute")).isZero())
        out.problems << who +
                            QStringLiteral(": box 3 (excess golden parachute payments) is not written to the file yet");
    const Amounts amounts = amountsOf(rows, kind, build.year());
    build.add(pub1220::B(QLatin1String(kind.typeOfReturn)), who, [&](FixedRecord &b) {
        b.set("Corrected", rows.flag(QStringLiteral("CorrectedFlag")) ? QStringLiteral("G") : QString());
        b.set("TypeOfTIN", typeOfTin(recTin));
        b.set("PayeeTIN", recTin);
        b.set("AccountNumber", rows.text(QStringLiteral("AcctNo")));
        b.set("PayeeName", rows.text(QStringLiteral("RecName1")));
        b.set("PayeeName2", rows.text(QStringLiteral("RecName2")));
        b.set("PayeeAddress", home.delivery);
        b.set("PayeeCity", home.city);
        b.set("PayeeState", home.state);
        b.set("PayeeZIP", home.zip + home.zipExt);
        for (const auto &[code, amount] : amounts) {
            const pub1220::AmountCode *source = nullptr;
            for (const pub1220::AmountCode &a : kind.amounts) {
                if (a.code == code)
                    source = &a;
            }
            out.money(b, pub1220::amountField(code).constData(), amount, who,
                      QStringLiteral("box ") + QString::fromLatin1(source->box).mid(3));
            totals[code] += amount;
        }
        if (rows.flag(QStringLiteral("TIN")))
            b.set("SecondTINNotice", QStringLiteral("2"));
        if (&kind == &pub1220::misc() && rows.flag(QStringLiteral("Box9")))
            b.set("DirectSales", QStringLiteral("1"));
        if (&kind == &pub1220::nec() && fromNecTable(rows) && rows.flag(QStringLiteral("NecDirectSales")))
            b.set("DirectSales", QStringLiteral("1"));
    });
}

// Counts the T and F records carry.
struct FileCounts {
    int payees = 0;
    int aRecords = 0;
};

// A payer's A record, B records and C record per kind of return it has; true when it had any.
bool addPayer(Builder &build, RecordSet &rows, const QVector<int> &positions, const Payer &p, FileCounts &counts,
              EfileOutcome &out)
{
    bool any = false;
    for (int position : positions) {
        rows.moveTo(position);
        checkBoxesOfYear(rows, p.tin, build.year(), out);
    }
    for (const pub1220::ReturnKind *kind : {&pub1220::misc(), &pub1220::nec()}) {
        const KindReturns returns = collectReturns(rows, positions, *kind, build.year());
        if (returns.positions.isEmpty())
            continue;
        const QString group = p.label + QStringLiteral(", ") + QLatin1String(kind->formName);
        addPayerRecord(build, p, *kind, returns.codes, group);
        ++counts.aRecords;
        any = true;
        Amounts totals;
        for (int position : returns.positions) {
            rows.moveTo(position);
            addPayeeRecord(build, rows, p.tin, *kind, totals, out);
            ++counts.payees;
            ++out.forms;
        }
        build.add(pub1220::C(), group, [&](FixedRecord &c) {
            c.setCount("PayeeCount", returns.positions.size());
            for (const auto &[code, amount] : totals)
                out.money(c, pub1220::totalField(code).constData(), amount, group,
                          QStringLiteral("the total of amount code ") + QLatin1Char(code));
        });
    }
    return any;
}

// The T record leads with the count of all B records; sequence number 1 is its own.
FixedRecord transmitterRecord(const Submitter &submitter, int taxYear, int payees)
{
    FixedRecord t(pub1220::T());
    t.setCount("PaymentYear", taxYear);
    t.set("PriorYear", taxYear > 0 && taxYear < QDate::currentDate().year() - 1 ? QStringLiteral("P") : QString());
    t.set("TransmitterTIN", submitter.ein);
    t.set("TCC", submitter.tcc);
    t.set("TestFile", submitter.testFile ? QStringLiteral("T") : QString());
    t.set("TransmitterName", submitter.name);
    t.set("CompanyName", submitter.name);
    t.set("CompanyAddress", submitter.address);
    t.set("CompanyCity", submitter.city);
    t.set("CompanyState", submitter.state);
    t.set("CompanyZIP", submitter.zip);
    t.setCount("PayeeCount", payees);
    t.set("ContactName", submitter.contact);
    t.set("ContactPhone", submitter.phone);
    t.set("ContactEmail", submitter.email);
    t.set("VendorIndicator", QStringLiteral("I"));
    t.setCount("Sequence", 1);
    return t;
}

// Puts the T record first and the F record last; positions 749-750 end each record with a
// line break.
void finishFile(const Submitter &submitter, const FileCounts &counts, EfileOutcome &out)
{
    out.add(transmitterRecord(submitter, out.taxYear, counts.payees), QStringLiteral("Submitter"));
    out.records.prepend(out.records.takeLast());
    FixedRecord f(pub1220::F());
    f.setCount("ACount", counts.aRecords);
    f.setCount("PayeeCount", counts.payees);
    f.setCount("Sequence", out.records.size() + 1);
    out.records << f.bytes();
    for (QByteArray &record : out.records)
        record.replace(748, 2, "\r\n");
}

} // namespace

EfileOutcome buildReturns1099Efile(Database &db, const QString &payerFedIdNo)
{
    EfileOutcome out;
    const Submitter submitter = startEfile(db, FileKind::Returns1099, pub1220::kFirstYear, pub1220::kLastYear, out);
    Builder build(out, out.taxYear);

    RecordSet rows = readReturns(db, payerFedIdNo, out.taxYear);
    RecordSet filers = readPayerFilers(db);
    const QHash<QString, int> firstFiler = filerPositions(filers);
    // The payee count goes in the T record, so the returns are gathered first.
    FileCounts counts;
    for (const PayerRows &group : groupByPayer(rows)) {
        // A missing number matches no filer.
        const int filerAt = group.tin.isEmpty() ? -1 : firstFiler.value(group.tin.toUpper(), -1);
        if (filerAt < 0) {
            out.problems << QStringLiteral("Payer %1 (): no filer has this number").arg(group.tin);
            continue;
        }
        filers.moveTo(filerAt);
        const QString label = QStringLiteral("Payer %1 (%2)").arg(group.tin, filers.text(QStringLiteral("PayerName")));
        const Payer payer{group.tin, label, filers,
                          parseAddress({filers.text(QStringLiteral("PayerL1")), filers.text(QStringLiteral("PayerL2")),
                                        filers.text(QStringLiteral("PayerL3"))})};
        checkPayer(payer, out);
        if (addPayer(build, rows, group.positions, payer, counts, out))
            ++out.filers;
    }
    if (out.forms == 0)
        out.problems << QStringLiteral("There are no 1099 amounts to write");
    finishFile(submitter, counts, out);
    if (!out.ok())
        out.records.clear();
    return out;
}

} // namespace quillory::efile
