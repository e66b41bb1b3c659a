#include "efile/FixedRecord.h"

#include <stdexcept>

namespace quillory::efile {

const FixedField *RecordLayout::find(const char *name) const
{
    for (const FixedField &f : fields) {
        if (qstrcmp(f.name, name) == 0)
            return &f;
    }
    return nullptr;
}

const FixedField *RecordLayout::find(const char *name, int taxYear) const
{
    const FixedField *f = find(name);
    return f && f->usedIn(taxYear) ? f : nullptr;
}

FixedRecord::FixedRecord(const RecordLayout &layout, int taxYear)
    : layout_(layout), taxYear_(taxYear), bytes_(layout.length, ' ')
{
    for (const FixedField &f : layout_.fields) {
        if (f.usedIn(taxYear_) && (f.kind == FieldKind::Count || f.kind == FieldKind::Money))
            bytes_.replace(f.start - 1, f.length, QByteArray(f.length, '0'));
    }
    const QByteArray type(layout_.type);
    bytes_.replace(0, type.size(), type);
}

const FixedField &FixedRecord::fieldOf(const char *name) const
{
    const FixedField *f = layout_.find(name, taxYear_);
    if (!f)
        throw std::logic_error(std::string("no field ") + name + " in record " + layout_.type + " of tax year " +
                               std::to_string(taxYear_));
    return *f;
}

void FixedRecord::put(const FixedField &field, const QByteArray &text)
{
    bytes_.replace(field.start - 1, field.length, text.left(field.length).leftJustified(field.length, ' '));
}

void FixedRecord::set(const char *field, const QString &value)
{
    const FixedField &f = fieldOf(field);
    switch (f.kind) {
    case FieldKind::Text: {
        QByteArray text;
        for (const QChar c : fileText(value).trimmed().left(f.length)) {
            const bool plain = c.unicode() >= 0x20 && c.unicode() < 0x7f;
            text += plain ? static_cast<char>(c.unicode()) : '?';
            if (!plain && (unwritable_.empty() || unwritable_.back() != f.name))
                unwritable_.push_back(f.name);
        }
        put(f, text);
        break;
    }
    case FieldKind::Digits:
        put(f, digitsOf(value).toLatin1());
        break;
    case FieldKind::Count:
        setCount(field, value.toLongLong());
        break;
    case FieldKind::Money:
        setMoney(field, Money::parse(value).value_or(Money()));
        break;
    }
}

bool FixedRecord::fits(const char *field, Money amount) const
{
    const FixedField &f = fieldOf(field);
    return amount.units() >= 0 && QByteArray::number((amount.units() + 50) / 100).size() <= f.length;
}

bool FixedRecord::setMoney(const char *field, Money amount)
{
    if (!fits(field, amount))
        return false;
    const FixedField &f = fieldOf(field);
    // Cents, rounded half up from the stored ten-thousandths.
    const qint64 cents = (amount.units() + 50) / 100;
    bytes_.replace(f.start - 1, f.length, QByteArray::number(cents).rightJustified(f.length, '0'));
    return true;
}

bool FixedRecord::setCount(const char *field, qint64 value)
{
    const FixedField &f = fieldOf(field);
    const QByteArray text = QByteArray::number(value);
    if (value < 0 || text.size() > f.length)
        return false;
    bytes_.replace(f.start - 1, f.length, text.rightJustified(f.length, '0'));
    return true;
}

QString fileText(const QString &text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    }
    return out.toUpper();
}

QString digitsOf(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out += c;
    }
    return out;
}

} // namespace quillory::efile
