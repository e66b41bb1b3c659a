#include "shell/FieldValues.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <stdexcept>

namespace quillory {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RecordScreen", text);
}

QString amountText(Money amount)
{
    return amount > Money() ? amount.toCurrency(QLocale()) : QString();
}

} // namespace

std::optional<Money> readAmount(const QString &text)
{
    if (auto m = Money::parse(text.trimmed(), QLocale()))
        return m;
    return Money::parse(text.trimmed());
}

QString amountProblem(const QString &text)
{
    static const QRegularExpression numberLike(QStringLiteral("^[\\s$(+-]*[\\d,]*\\.?\\d*[\\s)]*$"));
    const bool tooLarge = text.contains(QRegularExpression(QStringLiteral("\\d"))) && numberLike.match(text).hasMatch();
    return tooLarge ? tr("it is too large to store") : tr("it is not a number");
}

std::optional<QString> reformattedAmount(const QString &text, bool entering)
{
    const auto amount = readAmount(text);
    if (!amount)
        return std::nullopt;
    return entering ? amount->toPlainString() : amountText(*amount);
}

QVariant shownValue(ColumnKind kind, const QVariant &stored, bool asFlag)
{
    if (asFlag)
        return !stored.isNull() && stored.toLongLong() != 0;
    if (kind == ColumnKind::Money)
        return amountText(Money::fromVariant(stored));
    return stored.isNull() ? QString() : stored.toString();
}

std::optional<QVariant> storedValue(ColumnKind kind, const QVariant &entry)
{
    if (entry.typeId() == QMetaType::Bool)
        return QVariant(entry.toBool() ? -1 : 0);
    const QString text = entry.toString();
    switch (kind) {
    case ColumnKind::Text:
        return QVariant(text);
    case ColumnKind::Money: {
        const auto amount = readAmount(text);
        if (!amount)
            throw std::invalid_argument(
                tr("\"%1\" is not an amount. Correct it and save again.").arg(text).toStdString());
        // 0 or less shows empty, so it is stored as the 0 that empty stands for, whether or not
        // the field was left (and reformatted) before the save.
        return (*amount > Money() ? *amount : Money()).toVariant();
    }
    default:
        break;
    }
    // An empty number field leaves the column as it is.
    if (text.trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const double number = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw std::invalid_argument(tr("\"%1\" is not a number. Correct it and save again.").arg(text).toStdString());
    return kind == ColumnKind::Number ? QVariant(number) : QVariant(qRound64(number));
}

} // namespace quillory
