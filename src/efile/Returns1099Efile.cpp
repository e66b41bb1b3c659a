#include "efile/Returns1099Efile.h"

#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/Settings.h"
#include "efile/EfileData.h"
#include "efile/Pub1220Layout.h"
#include "efile/Submitter.h"

#include <QDate>
#include <map>

namespace quillory::efile {

namespace {

// The amounts of one return: payment amount code -> amount.
using Amounts = std::map<char, Money>;

// Splits a 1099-MISC row into the amounts of its 1099-MISC and its 1099-NEC. Federal income
// tax withheld goes with the nonemployee compensation when there is some, since backup
// withholding is mostly taken from such payments.
Amounts amountsOf(const RecordSet &row, const pub1220::ReturnKind &kind)
{
    const bool hasNec = !row.money(QStringLiteral("Box7")).isZero();
    const bool isNec = &kind == &pub1220::nec();
    Amounts out;
    for (const pub1220::AmountCode &a : kind.amounts) {
        if (a.code == '4' && hasNec != isNec)
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

    template <typename Fill> void add(const RecordLayout &layout, const QString &owner, Fill fill)
    {
        FixedRecord r(layout);
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

} // namespace

EfileOutcome buildReturns1099Efile(Database &db, const QString &payerFedIdNo)
{
    EfileOutcome out;
    const Settings settings = Settings::read(db);
    checkTaxYear(settings.year, pub1220::kFirstYear, pub1220::kLastYear, out);
    const Submitter submitter = Submitter::read(db);
    checkSubmitter(submitter, FileKind::Returns1099, out);
    Builder build(out, out.taxYear);

    QVariantList params;
    QString sql = QStringLiteral("SELECT DISTINCT FedIDNo FROM \"1099Misc\"");
    if (!payerFedIdNo.isEmpty()) {
        sql += QStringLiteral(" WHERE FedIDNo = ?");
        params << payerFedIdNo;
    }
    RecordSet payers = RecordSet::query(db, sql + QStringLiteral(" ORDER BY FedIDNo"), params);

    // The payee count goes in the T record, so the returns are gathered first.
    int payees = 0;
    int aRecords = 0;
    for (payers.moveFirst(); !payers.eof(); payers.moveNext()) {
        const QString tin = payers.text(QStringLiteral("FedIDNo"));
        RecordSet filer = RecordSet::table(db, QStringLiteral("FilerInfo"), QStringLiteral("FedIDNo = ?"), {tin},
                                           QStringLiteral("Tfid"));
        const QString payer =
            QStringLiteral("Payer %1 (%2)").arg(tin, filer.eof() ? QString() : filer.text(QStringLiteral("PayerName")));
        if (filer.eof()) {
            out.problems << payer + QStringLiteral(": no filer has this number");
            continue;
        }
        if (!validEin(tin) && !validSsn(tin))
            out.problems << payer + QStringLiteral(": the taxpayer identification number is missing or malformed");
        if (filer.text(QStringLiteral("PayerName")).trimmed().isEmpty())
            out.problems << payer + QStringLiteral(": the name is missing");
        const Address address =
            parseAddress({filer.text(QStringLiteral("PayerL1")), filer.text(QStringLiteral("PayerL2")),
                          filer.text(QStringLiteral("PayerL3"))});
        if (!address.ok)
            out.problems << payer + QStringLiteral(": the address is missing or does not end in \"city, state ZIP\"");

        RecordSet rows = RecordSet::table(db, QStringLiteral("1099Misc"), QStringLiteral("FedIDNo = ?"), {tin},
                                          QStringLiteral("RecIDNo, Counter"));
        const int payerFirstA = aRecords;
        for (const pub1220::ReturnKind *kind : {&pub1220::misc(), &pub1220::nec()}) {
            // The returns of this kind and the codes that any of them uses.
            QVector<int> returns;
            QByteArray codes;
            for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
                const Amounts amounts = amountsOf(rows, *kind);
                const bool directSales = kind == &pub1220::misc() && rows.flag(QStringLiteral("Box9"));
                if (amounts.empty() && !directSales)
                    continue;
                returns << rows.position();
                for (const auto &[code, amount] : amounts) {
                    if (!codes.contains(code))
                        codes += code;
                }
            }
            if (returns.isEmpty())
                continue;
            std::sort(codes.begin(), codes.end(), [](char a, char b) {
                return pub1220::amountCodes().indexOf(a) < pub1220::amountCodes().indexOf(b);
            });
            // A direct-sales mark alone is reported under amount code 1.
            if (codes.isEmpty())
                codes = "1";
            const QString group = payer + QStringLiteral(", ") + QLatin1String(kind->formName);
            build.add(pub1220::A(), group, [&](FixedRecord &a) {
                a.set("PayerTIN", tin);
                a.set("TypeOfReturn", QLatin1String(kind->typeOfReturn));
                a.set("AmountCodes", QString::fromLatin1(codes));
                a.set("PayerName", filer.text(QStringLiteral("PayerName")));
                a.setCount("TransferAgent", 0);
                a.set("PayerAddress", address.delivery);
                a.set("PayerCity", address.city);
                a.set("PayerState", address.state);
                a.set("PayerZIP", address.zip + address.zipExt);
                a.set("PayerPhone", filer.text(QStringLiteral("Phone")));
            });
            if (aRecords++ == payerFirstA)
                ++out.filers;
            Amounts totals;
            for (int position : returns) {
                rows.moveTo(position);
                const QString recTin = rows.text(QStringLiteral("RecIDNo"));
                const QString who =
                    QStringLiteral("%1 of %2 (%3), payer %4")
                        .arg(QLatin1String(kind->formName), rows.text(QStringLiteral("RecName1")).trimmed(),
                             recTin.isEmpty() ? QStringLiteral("no TIN") : recTin, tin);
                if (!validTin(recTin))
                    out.problems << who + QStringLiteral(
                                              ": the recipient's identification number is missing or malformed");
                if (rows.text(QStringLiteral("RecName1")).trimmed().isEmpty())
                    out.problems << who + QStringLiteral(": the recipient's name is missing");
                const Address home =
                    parseAddress({rows.text(QStringLiteral("RecAddr")), rows.text(QStringLiteral("RecCityStZip"))});
                if (!home.ok)
                    out.problems << who + QStringLiteral(
                                              ": the address is missing or its last line is not \"city, state ZIP\"");
                const Amounts amounts = amountsOf(rows, *kind);
                build.add(pub1220::B(QLatin1String(kind->typeOfReturn)), who, [&](FixedRecord &b) {
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
                        for (const pub1220::AmountCode &a : kind->amounts) {
                            if (a.code == code)
                                source = &a;
                        }
                        out.money(b, pub1220::amountField(code).constData(), amount, who,
                                  QStringLiteral("box ") + QString::fromLatin1(source->box).mid(3));
                        totals[code] += amount;
                    }
                    if (rows.flag(QStringLiteral("TIN")))
                        b.set("SecondTINNotice", QStringLiteral("2"));
                    if (kind == &pub1220::misc() && rows.flag(QStringLiteral("Box9")))
                        b.set("DirectSales", QStringLiteral("1"));
                });
                ++payees;
                ++out.forms;
            }
            build.add(pub1220::C(), group, [&](FixedRecord &c) {
                c.setCount("PayeeCount", returns.size());
                for (const auto &[code, amount] : totals)
                    out.money(c, pub1220::totalField(code).constData(), amount, group,
                              QStringLiteral("the total of amount code ") + QLatin1Char(code));
            });
        }
    }
    if (out.forms == 0)
        out.problems << QStringLiteral("There are no 1099 amounts to write");
    // The T record leads with the count of all B records; sequence number 1 is its own.
    FixedRecord t(pub1220::T());
    t.setCount("PaymentYear", out.taxYear);
    t.set("PriorYear",
          out.taxYear > 0 && out.taxYear < QDate::currentDate().year() - 1 ? QStringLiteral("P") : QString());
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
    out.add(t, QStringLiteral("Submitter"));
    out.records.prepend(out.records.takeLast());
    FixedRecord f(pub1220::F());
    f.setCount("ACount", aRecords);
    f.setCount("PayeeCount", payees);
    f.setCount("Sequence", out.records.size() + 1);
    out.records << f.bytes();
    // Positions 749-750 end each record with a line break.
    for (QByteArray &record : out.records)
        record.replace(748, 2, "\r\n");
    if (!out.ok())
        out.records.clear();
    return out;
}

} // namespace quillory::efile
