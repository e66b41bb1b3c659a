#include "efile/EfileOutcome.h"

#include "data/Settings.h"
#include "efile/EfileData.h"
#include "efile/Submitter.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>
#include <sys/stat.h>

namespace quillory::efile {

namespace {
// "PayeeName2" -> "payee name 2"
QString fieldWords(const char *field)
{
    QString out;
    const QString name = QString::fromLatin1(field);
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (i > 0 && (c.isUpper() || c.isDigit()) && name.at(i - 1).isLower())
            out += QLatin1Char(' ');
        out += c;
    }
    return out.toLower();
}
} // namespace

void EfileOutcome::add(const FixedRecord &record, const QString &owner)
{
    for (const char *field : record.unwritable())
        problems << owner + QStringLiteral(": the ") + fieldWords(field) +
                        QStringLiteral(" holds characters other than plain letters, digits and punctuation");
    records << record.bytes();
}

void EfileOutcome::money(FixedRecord &record, const char *field, Money amount, const QString &owner, const QString &box)
{
    if (!record.setMoney(field, amount))
        problems << owner + QStringLiteral(": ") + box +
                        (amount < Money() ? QStringLiteral(" is negative")
                                          : QStringLiteral(" is too large for the file"));
}

void checkSubmitter(const Submitter &s, FileKind kind, EfileOutcome &out)
{
    const QString who = QStringLiteral("Submitter (Options, E-file Submitter...)");
    auto need = [&](bool good, const QString &what) {
        if (!good)
            out.problems << who + QStringLiteral(": ") + what;
    };
    need(validEin(s.ein), QStringLiteral("the EIN is missing or not nine digits"));
    if (kind == FileKind::W2)
        need(s.ssaUserId.trimmed().size() == 8, QStringLiteral("the SSA user ID is missing or not eight characters"));
    else
        need(s.tcc.trimmed().size() == 5,
             QStringLiteral("the Transmitter Control Code is missing or not five characters"));
    need(!s.name.trimmed().isEmpty(), QStringLiteral("the name is missing"));
    need(!s.address.trimmed().isEmpty() && !s.city.trimmed().isEmpty() && !stateNumber(s.state).isEmpty() &&
             digitsOf(s.zip).size() >= 5,
         QStringLiteral("the address is incomplete (street, city, state and ZIP code)"));
    need(!s.contact.trimmed().isEmpty(), QStringLiteral("the contact name is missing"));
    need(digitsOf(s.phone).size() >= 10, QStringLiteral("the phone number is missing or too short"));
    need(s.email.contains(QLatin1Char('@')), QStringLiteral("the e-mail address is missing"));
}

Submitter startEfile(Database &db, FileKind kind, int firstYear, int lastYear, EfileOutcome &out)
{
    checkTaxYear(Settings::read(db).year, firstYear, lastYear, out);
    Submitter submitter = Submitter::read(db);
    checkSubmitter(submitter, kind, out);
    return submitter;
}

void checkTaxYear(const QString &year, int firstYear, int lastYear, EfileOutcome &out)
{
    out.taxYear = taxYearNumber(year);
    if (out.taxYear < firstYear || out.taxYear > lastYear)
        out.problems << QStringLiteral("Tax year %1 (Options, Tax Year...): this version writes files for the tax "
                                       "years %2 to %3 only")
                            .arg(year.trimmed().isEmpty() ? QStringLiteral("(none)") : year.trimmed())
                            .arg(firstYear)
                            .arg(lastYear);
}

void writeRecords(const QString &path, const QVector<QByteArray> &records, const QByteArray &lineEnd)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Could not write the file '%1': %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    // The file holds SSNs: owner-only before a byte is written.
    ::fchmod(file.handle(), 0600);
    for (const QByteArray &record : records) {
        file.write(record);
        file.write(lineEnd);
    }
    if (!file.commit())
        throw std::runtime_error(QStringLiteral("Could not write the file '%1': %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
}

} // namespace quillory::efile
