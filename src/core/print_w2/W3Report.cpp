#include "print_w2/W3Report.h"

#include "data/Money.h"
#include "data/RecordSet.h"

namespace quillory {

namespace {

// An amount in the locale's currency form; a label text is shown unchanged, Null as nothing.
QString currency(const RecordSet &rs, const QString &column, const QLocale &locale)
{
    const QVariant v = rs.value(column);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QString) {
        bool number = false;
        v.toString().toLongLong(&number);
        if (!number)
            return v.toString();
    }
    return Money::fromVariant(v).toCurrency(locale);
}

} // namespace

ReportLine w3ReportTitle(const QString &year, const QDate &today)
{
    return {year + QStringLiteral(" W3 Summary Report"), today.toString(QStringLiteral("MM/dd/yy"))};
}

QString w3KindOfPayer(const RecordSet &w3)
{
    static const char *const marks[][2] = {{"Boxb_941", "941"},   {"Boxb_M", "Military"}, {"Boxb_943", "943"},
                                           {"Boxb_CT-1", "CT-1"}, {"Boxb_HHE", "HHE"},    {"Boxb_MG", "MG"},
                                           {"Boxb_3PSP", "3PSP"}};
    QString kind;
    for (const auto &m : marks) {
        if (w3.text(QLatin1String(m[0])) == QLatin1String("X"))
            kind = QLatin1String(m[1]);
    }
    return kind;
}

QVector<ReportLine> w3ReportBlock(const RecordSet &w3, const QLocale &locale)
{
    const QString pad(10, QLatin1Char(' '));
    QVector<ReportLine> lines(19);
    lines[0].left = QStringLiteral("  Tax ID: ") + w3.text(QStringLiteral("Boxe"));
    lines[1].left = QStringLiteral("  Est No: ") + w3.text(QStringLiteral("Boxd"));
    lines[2].left = QStringLiteral("    Type: ") + w3KindOfPayer(w3);
    lines[3].left = QStringLiteral("Employer: ") + w3.text(QStringLiteral("Boxf"));
    lines[4].left = pad + w3.text(QStringLiteral("Boxg_L1"));
    lines[5].left = pad + w3.text(QStringLiteral("Boxg_L2"));
    lines[6].left = pad + w3.text(QStringLiteral("Boxg_L3"));
    lines[9].left = QStringLiteral("No of W2s: ") + w3.text(QStringLiteral("Boxc"));
    for (int box = 1; box <= 19; ++box) {
        const QString label = QStringLiteral("Box %1:  ").arg(box).rightJustified(10, QLatin1Char(' '));
        lines[box - 1].right = label + currency(w3, QStringLiteral("box%1").arg(box), locale);
    }
    return lines;
}

} // namespace quillory
