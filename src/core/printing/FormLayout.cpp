#include "printing/FormLayout.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Money.h"
#include "data/RecordSet.h"
#include "printing/Alignment.h"
#include "printing/NumberText.h"
#include "printing/Printer.h"

#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quillory {

namespace {

// A stored whole number; text that is a number counts, anything else does not.
std::optional<qint64> wholeValue(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    bool ok = false;
    double d = 0;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return value.toLongLong();
    case QMetaType::QString:
        d = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        break;
    default:
        d = value.toDouble(&ok);
    }
    if (!ok || !std::isfinite(d) || std::fabs(d) > 1e15)
        return std::nullopt;
    return static_cast<qint64>(std::nearbyint(d)); // to the nearest, halves to even
}

bool fits(qint64 value, LayoutNumbers numbers)
{
    if (numbers == LayoutNumbers::Int16)
        return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

} // namespace

FormOrigin GetFormOrigin(Database &db, const QString &formName, MissingMargins missing, const FormOrigin *shift)
{
    const std::optional<StoredMargins> margins = ReadStoredMargins(db, formName);
    if (!margins) {
        if (missing == MissingMargins::UseZero)
            return {};
        throw DbError(QStringLiteral("No current record: the database file has no print margins for the form "
                                     "kind '%1'.")
                          .arg(formName));
    }
    qint64 sums[2] = {0, 0};
    for (int i = 0; i < 4; ++i) {
        const QVariant stored = shift && i == 1   ? QVariant(shift->top.value())
                                : shift && i == 3 ? QVariant(shift->left.value())
                                                  : (*margins)[i];
        const auto part = wholeValue(stored);
        if (!part)
            throw DbError(QStringLiteral("Type mismatch: the print margins of the form kind '%1' hold '%2', "
                                         "which is not a number of twips.")
                              .arg(formName, stored.toString()));
        sums[i / 2] += *part;
        if (!fits(*part, LayoutNumbers::Int16) || !fits(sums[i / 2], LayoutNumbers::Int16))
            throw DbError(QStringLiteral("Overflow: the %1 print margin of the form kind '%2' is out of range. "
                                         "Check the print adjustment.")
                              .arg(i < 2 ? QStringLiteral("top") : QStringLiteral("left"), formName));
    }
    return {Twips(static_cast<int>(sums[0])), Twips(static_cast<int>(sums[1]))};
}

FieldLayout::FieldLayout(QString formName, QVector<LayoutField> fields)
    : formName_(std::move(formName)), fields_(std::move(fields))
{
    // The first row of a name wins.
    for (int i = fields_.size() - 1; i >= 0; --i)
        byName_.insert(fields_[i].fieldName.toLower(), i);
}

const LayoutField *FieldLayout::find(const QString &columnName) const
{
    const auto it = byName_.constFind(columnName.toLower());
    return it == byName_.constEnd() ? nullptr : &fields_[*it];
}

FieldLayout OpenFieldLayout(Database &db, const QString &formName, std::optional<int> type, LayoutNumbers numbers)
{
    QString sql = QStringLiteral("SELECT fieldname, xPos1, yPos1, fieldlength, Justify FROM PrintFormats "
                                 "WHERE FormName = ?");
    QVariantList params{formName};
    if (type) {
        sql += QStringLiteral(" AND type = ?");
        params.append(*type);
    }
    sql += QStringLiteral(" ORDER BY rowid");
    QSqlQuery q = db.exec(sql, params);

    static const char *const names[] = {"xPos1", "yPos1", "fieldlength", "Justify"};
    QVector<LayoutField> fields;
    while (q.next()) {
        LayoutField f;
        f.formName = formName;
        f.fieldName = q.value(QStringLiteral("fieldname")).toString();
        f.numbers = numbers;
        int values[4] = {};
        for (int i = 0; i < 4; ++i) {
            const QVariant stored = q.value(QLatin1String(names[i]));
            const auto v = wholeValue(stored);
            if (!v)
                throw DbError(QStringLiteral("Type mismatch: the print layout '%1' holds '%2' as %3 of the field "
                                             "'%4', which is not a number of twips.")
                                  .arg(formName, stored.toString(), QLatin1String(names[i]), f.fieldName));
            if (!fits(*v, numbers))
                throw DbError(QStringLiteral("Overflow: %1 of the field '%2' in the print layout '%3' is too large "
                                             "(%4 twips).")
                                  .arg(QLatin1String(names[i]), f.fieldName, formName)
                                  .arg(*v));
            if (i < 3 && *v < 0)
                throw DbError(QStringLiteral("The print layout '%1' places the field '%2' at a negative position "
                                             "(%3 %4 twips).")
                                  .arg(formName, f.fieldName, QLatin1String(names[i]))
                                  .arg(*v));
            values[i] = static_cast<int>(*v);
        }
        f.xPos1 = Twips(values[0]);
        f.yPos1 = Twips(values[1]);
        f.fieldLength = Twips(values[2]);
        f.justify = values[3];
        fields.append(f);
    }
    return FieldLayout(formName, fields);
}

void SetFormFont(Printer &printer)
{
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontSize(12);
}

QString FormatAmount(const QString &text)
{
    QString formatted = text;
    if (const auto money = Money::parse(text, QLocale::c())) {
        formatted = money->toFixed2();
    } else {
        // Exponent forms and amounts beyond the money range.
        bool ok = false;
        const double value = QLocale::c().toDouble(text.trimmed(), &ok);
        if (ok && std::isfinite(value))
            formatted = QString::number(value, 'f', 2);
    }
    if (LeadingNumber(formatted) == 0.0)
        return QString();
    return formatted;
}

void PlaceFieldText(Printer &printer, const LayoutField &field, const QString &text, Twips top, Twips left,
                    bool isAmount)
{
    const qint64 x = qint64(field.xPos1.value()) + left.value();
    const qint64 y = qint64(field.yPos1.value()) + top.value();
    if (!fits(x, field.numbers) || !fits(y, field.numbers))
        throw DbError(QStringLiteral("Overflow: the field '%1' of the form '%2' would print outside the range of "
                                     "print positions (%3, %4 twips). Check the print adjustment.")
                          .arg(field.fieldName, field.formName)
                          .arg(x)
                          .arg(y));
    printer.markField(FieldBox(field, top, left, printer.font().size));

    const QString shown = isAmount ? FormatAmount(text) : text;
    printer.setCurrentX(Twips(static_cast<int>(x)));
    printer.setCurrentY(Twips(static_cast<int>(y)));
    if (isAmount) {
        printer.setCurrentX(field.fieldLength - printer.textWidth(shown) + printer.currentX());
    } else {
        // What runs past the paper would be lost; a long text ends at its edge instead.
        const Twips overrun = printer.currentX() + printer.textWidth(shown) - printer.pageSize().width;
        if (overrun > Twips())
            printer.setCurrentX(std::max(Twips(), printer.currentX() - overrun));
    }
    printer.print(shown);
}

TwipsRect FieldBox(const LayoutField &field, Twips top, Twips left, double fontPoints)
{
    return {field.xPos1 + left, field.yPos1 + top, field.fieldLength, Twips::points(fontPoints)};
}

QString ValueText(const QVariant &value, ColumnKind kind)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (kind) {
    case ColumnKind::Money:
        try {
            return Money::fromVariant(value).toPlainString();
        } catch (const std::exception &) {
            return value.toString(); // not an amount: FormatAmount leaves it blank
        }
    case ColumnKind::Flag:
        return value.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case ColumnKind::Number:
        if (value.typeId() == QMetaType::Double)
            return QString::number(value.toDouble(), 'g', 15);
        return value.toString();
    default:
        return value.toString();
    }
}

OneUpForm PrintOneUpForm(Printer &printer, Database &db, const QString &form, const QString &layoutForm,
                         const QString &job, const RecordSet &row, const ColumnRule &rule,
                         std::optional<int> layoutType, LayoutNumbers numbers)
{
    const FormOrigin origin = GetFormOrigin(db, form, MissingMargins::UseZero);
    OneUpForm one{OpenFieldLayout(db, layoutForm, layoutType, numbers), origin};
    printer.startJob({job, FormPaper(form)});
    SetFormFont(printer);
    PrintRowOnForm(printer, row, one.layout, origin.top, origin.left, rule);
    return one;
}

std::optional<PrintedValue> AmountByJustify(const ColumnValue &column)
{
    return PrintedValue{column.text, column.layout.justify > 0};
}

void PrintRowOnForm(Printer &printer, const RecordSet &row, const FieldLayout &layout, Twips top, Twips left,
                    const ColumnRule &rule)
{
    for (int i = 0; i < row.columnCount(); ++i) {
        const ColumnInfo &column = row.column(i);
        const QVariant value = row.value(i);
        const LayoutField *field = layout.find(column.name);
        if (!field)
            continue;
        const auto printed = rule(ColumnValue{column, value, ValueText(value, column.kind), *field});
        if (printed)
            PlaceFieldText(printer, *field, printed->text, top, left, printed->isAmount);
    }
}

void EndPrintJob(Printer &printer)
{
    printer.endDoc();
}

} // namespace quillory
