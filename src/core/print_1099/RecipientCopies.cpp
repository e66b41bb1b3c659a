#include "print_1099/RecipientCopies.h"

#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/ReturnTable.h"
#include "printing/CopySheets.h"

#include <QRegularExpression>

namespace quillory {

QString TruncatedTin(const QString &tin)
{
    // Publication 1099 (2026), "Truncating payee's TIN on payee statements": the first five digits
    // of the nine-digit number become asterisks; the filer's own TIN is never truncated.
    QString shown = tin.trimmed();
    int hidden = 0;
    for (QChar &c : shown) {
        if (hidden < 5 && c.isDigit()) {
            c = QLatin1Char('*');
            ++hidden;
        }
    }
    return shown;
}

namespace {

// An address as the 2026 forms ask for it, from the lines as they were typed: the last line
// "CITY, ST 12345" (or 12345-6789) gives city, state and ZIP; the line before it the street, and
// a line between those the room or suite. A last line of another shape is the city box whole.
struct AddressBoxes {
    QString street, room, city, state, zip;
};

AddressBoxes addressBoxes(QStringList lines)
{
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    AddressBoxes a;
    if (lines.isEmpty())
        return a;
    static const QRegularExpression cityLine(QStringLiteral("^(.*?),?\\s+([A-Za-z]{2})\\s+(\\d{5}(-?\\d{4})?)$"));
    const QRegularExpressionMatch m = cityLine.match(lines.last().simplified());
    if (lines.size() > 1 || m.hasMatch()) {
        const QString last = lines.takeLast().simplified();
        a.city = m.hasMatch() ? m.captured(1) : last;
        a.state = m.captured(2).toUpper();
        a.zip = m.captured(3);
    }
    a.street = lines.value(0).trimmed();
    a.room = lines.mid(1).join(QStringLiteral(", ")).trimmed();
    return a;
}

QString boxOf(const AddressBoxes &a, const QString &part)
{
    if (part == QLatin1String("Street"))
        return a.street;
    if (part == QLatin1String("Room"))
        return a.room;
    if (part == QLatin1String("City"))
        return a.city;
    if (part == QLatin1String("State"))
        return a.state;
    return part == QLatin1String("Zip") ? a.zip : QString();
}

// The drawing's columns that are not the table's: Payer... and Recipient... boxes of the address
// lines, and the two TINs as each copy shows them.
QVariant recipientCopyValue(const RecordSet &row, const QString &column)
{
    if (column == QLatin1String("PayerTin")) {
        const QString tin = row.text(QStringLiteral("FedIDNo")).trimmed();
        return tin.startsWith(QLatin1String("AF")) ? QStringLiteral("Applied For") : tin;
    }
    if (column == QLatin1String("RecipientTin"))
        return TruncatedTin(row.text(QStringLiteral("RecIDNo")));
    if (column.startsWith(QLatin1String("Payer")) && row.findColumn(column) == nullptr)
        return boxOf(addressBoxes({row.text(QStringLiteral("PayerL1")), row.text(QStringLiteral("PayerL2")),
                                   row.text(QStringLiteral("PayerL3"))}),
                     column.mid(5));
    if (column.startsWith(QLatin1String("Recipient")))
        return boxOf(addressBoxes({row.text(QStringLiteral("RecAddr")), row.text(QStringLiteral("RecCityStZip"))}),
                     column.mid(9));
    return {};
}

CopyForm recipientForm(const QString &form, const QString &table)
{
    CopyForm f;
    f.form = form;
    f.shownForm = form;
    f.table = table;
    f.keyColumn = QStringLiteral("Counter");
    f.lastNameColumn = QStringLiteral("RecName1"); // the name line as typed, a business's too
    f.copiesWord = QStringLiteral("recipient copies");
    f.readRow = [table](Database &db, qlonglong counter) { return returnTable::withPayerPhone(db, table, counter); };
    f.value = recipientCopyValue;
    return f;
}

} // namespace

const CopyForm &RecipientCopies(RecipientForm form)
{
    static const CopyForm nec = recipientForm(QStringLiteral("1099-NEC"), QStringLiteral("1099Nec"));
    static const CopyForm misc = recipientForm(QStringLiteral("1099-MISC"), QStringLiteral("1099Misc"));
    return form == RecipientForm::Nec ? nec : misc;
}

} // namespace quillory
