#include "efile/IrisUpload.h"
#include "efile/IrisNames.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillory::test {

namespace {

// The header row of the IRIS Taxpayer Portal's TY2024 1099-NEC CSV template (54 columns), as the
// published template has it; typed from public copies of it (a CSV exporter's list of the
// template's columns, and a VB6 1099 program's CommonHeader/NECHeader, which agree).
const QByteArray kCommon2024 =
    "Form Type,Tax Year,Payer TIN Type,Payer Taxpayer ID Number,Payer Name Type,Payer Business or Entity Name Line "
    "1,Payer Business or Entity Name Line 2,Payer First Name,Payer Middle Name,Payer Last Name (Surname),Payer "
    "Suffix,Payer Country,Payer Address Line 1,Payer Address Line 2,Payer City/Town,Payer State/Province/Territory,"
    "Payer ZIP/Postal Code,Payer Phone Type,Payer Phone,Payer Email Address,Recipient TIN Type,Recipient Taxpayer "
    "ID Number,Recipient Name Type,Recipient Business or Entity Name Line 1,Recipient Business or Entity Name Line "
    "2,Recipient First Name,Recipient Middle Name,Recipient Last Name (Surname),Recipient Suffix,Recipient Country,"
    "Recipient Address Line 1,Recipient Address Line 2,Recipient City/Town,Recipient State/Province/Territory,"
    "Recipient ZIP/Postal Code,Office Code,Form Account Number,";
const QByteArray kStates2024 =
    "Combined Federal/State Filing,State 1,State 1 - State Tax Withheld,State 1 - State/Payer state number,State 1 - "
    "State income,State 1 - Local income tax withheld,State 1 - Special Data Entries,State 2,State 2 - State Tax "
    "Withheld,State 2 - State/Payer state number,State 2 - State income,State 2 - Local income tax withheld,State 2 "
    "- Special Data Entries";
const QByteArray kNec2024 = kCommon2024 +
                            "2nd TIN Notice,Box 1 - Nonemployee Compensation,Box 2 - Payer made direct sales totaling "
                            "$5000 or more of consumer products to a recipient for resale,Box 4 - Federal income tax "
                            "withheld," +
                            kStates2024;
// TY2024 1099-MISC (66 columns), from the same VB6 program's MiscHeader, its misspelling kept.
const QByteArray kMisc2024 =
    kCommon2024 +
    "FATCA Filing Requirements,2nd TIN Notice,Box 1 - Rents,Box 2 - Royalties,Box 3 - Other Income,Box 4 - Federal "
    "income tax withheld,Box 5 - Fishing boat proceeds,Box 6 - Medical and health care payments,Box 7 - Direct sales "
    "of $5000 or more of consumer products to a recipient for resale,Box 8 - Subtitute payments in lieu of dividends "
    "or interest,Box 9 - Crop insurance proceeds,Box 10 - Gross proceeds paid to an attorney,Box 11 - Fish purchased "
    "for resale,Box 12 - Section 409A deferrals,Box 14 - Excess golden parachute payments,Box 15 - Nonqualified "
    "deferred compensation," +
    kStates2024;
// TY2025 1099-NEC spellings read from a public reader of that template ("$5,000", "State tax
// withheld", box 3), quoted as a spreadsheet saves them, and a column no template had.
const QByteArray kNec2025 = "\xEF\xBB\xBF" + kCommon2024 +
                            "2nd TIN Notice,Box 1 - Nonemployee Compensation,\"Box 2 - Payer made direct sales "
                            "totaling $5,000 or more of consumer products to a recipient for resale\",Box 3 - Excess "
                            "golden parachute payments,Box 4 - Federal income tax withheld,Frobnication Code,State 1,"
                            "State 1 - State tax withheld,State 1 - State/Payer state number,State 1 - State income";

} // namespace

class IrisTest : public FreshDatabase {
protected:
    void SetUp() override
    {
        db.exec(QStringLiteral("UPDATE Settings SET Year = '2026'"));
        db.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, PayerName, PayerL1, PayerL2, Phone, PayerNameType) "
                               "VALUES ('12-3456789', 'Acme Tools', '500 Industrial Way', 'Decatur, IL 62521', "
                               "'(217) 555-0199', 'B')"));
    }
    void nec(const QString &tin, const QString &name, qint64 comp, const QString &type = QStringLiteral("B"))
    {
        db.exec(QStringLiteral("INSERT INTO \"1099Nec\" (FedIDNo, RecIDNo, RecName1, RecAddr, RecCityStZip, "
                               "NonemployeeComp, RecNameType) VALUES ('12-3456789', ?, ?, '1 Elm St', 'Normal, IL "
                               "61761', ?, ?)"),
                {tin, name, comp, type});
    }
    efile::IrisUpload build(const QByteArray &header, const QString &form = QStringLiteral("1099-NEC"))
    {
        return efile::buildIrisUpload(db, form, efile::parseIrisTemplate(header + "\r\n"), {});
    }
    // The first data line of the first file by column name.
    static QHash<QString, QString> firstRow(const efile::IrisUpload &up)
    {
        const QStringList names = efile::parseCsvRecord(up.files.at(0).lines.at(0));
        const QStringList values = efile::parseCsvRecord(up.files.at(0).lines.at(1));
        EXPECT_EQ(values.size(), names.size());
        QHash<QString, QString> row;
        for (int i = 0; i < names.size() && i < values.size(); ++i)
            row.insert(names.at(i), values.at(i));
        return row;
    }
};

TEST_F(IrisTest, Nec2024TemplateTakesEveryBoxNameAndCodeUnderItsColumn)
{
    nec(QStringLiteral("123-45-6789"), QStringLiteral("Mary \"Mo\" Smith, Jr"), 250000000, QStringLiteral("I"));
    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET RecFirstName = 'Mary', RecMiddleName = 'Ann', RecLastName = "
                           "'Smith, Jr', RecSuffix = 'JR', FedTaxWithheld = 1234500, DirectSales = -1, TIN = -1, "
                           "State_L1 = 'IL', StateNo_L1 = 'IL-99', StateTax_L1 = 50000, AcctNo = 'A,1'"));
    const efile::IrisUpload up = build(kNec2024);
    ASSERT_TRUE(up.ok()) << up.problems.join('\n').toStdString();
    ASSERT_EQ(up.files.size(), 1);
    EXPECT_EQ(up.files.at(0).lines.at(0), kNec2024);
    const QHash<QString, QString> r = firstRow(up);
    EXPECT_EQ(r.size(), 54);
    EXPECT_EQ(r["Form Type"], "1099-NEC");
    EXPECT_EQ(r["Tax Year"], "2026");
    EXPECT_EQ(r["Payer Taxpayer ID Number"], "123456789");
    EXPECT_EQ(r["Payer TIN Type"], "EIN");
    EXPECT_EQ(r["Payer Business or Entity Name Line 1"], "Acme Tools");
    EXPECT_EQ(r["Payer Phone"], "2175550199");
    EXPECT_EQ(r["Payer ZIP/Postal Code"], "62521");
    EXPECT_EQ(r["Recipient Taxpayer ID Number"], "123456789");
    EXPECT_EQ(r["Recipient TIN Type"], "SSN");
    EXPECT_EQ(r["Recipient Name Type"], "I");
    EXPECT_EQ(r["Recipient First Name"], "Mary");
    EXPECT_EQ(r["Recipient Middle Name"], "Ann");
    EXPECT_EQ(r["Recipient Last Name (Surname)"], "Smith, Jr");
    EXPECT_EQ(r["Recipient Suffix"], "JR");
    EXPECT_EQ(r["Recipient Business or Entity Name Line 1"], "");
    EXPECT_EQ(r["Form Account Number"], "A,1");
    EXPECT_EQ(r["2nd TIN Notice"], "Y");
    EXPECT_EQ(r["Box 1 - Nonemployee Compensation"], "25000.00");
    EXPECT_EQ(r["Box 4 - Federal income tax withheld"], "123.45");
    EXPECT_EQ(r["State 1"], "IL");
    EXPECT_EQ(r["State 1 - State Tax Withheld"], "5.00");
    EXPECT_EQ(r["State 1 - State/Payer state number"], "IL-99");
    EXPECT_EQ(r["State 1 - State income"], "");
    EXPECT_EQ(r["Office Code"], "");
    EXPECT_TRUE(up.warnings.join('|').contains("Column 36 \"Office Code\""));
    EXPECT_EQ(up.files.at(0).rowMap.at(1), "1: Mary Smith, Jr, TIN ending 6789");

    // A business keeps its name lines and no parts.
    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET RecNameType = 'B', RecIDNo = '33-4445555', RecName1 = 'Both, "
                           "\"Ways\" LLC'"));
    const QHash<QString, QString> b = firstRow(build(kNec2024));
    EXPECT_EQ(b["Recipient Name Type"], "B");
    EXPECT_EQ(b["Recipient Business or Entity Name Line 1"], "Both, \"Ways\" LLC");
    EXPECT_EQ(b["Recipient First Name"] + b["Recipient Last Name (Surname)"], "");
}

TEST_F(IrisTest, Misc2024TemplateAndLaterSpellingsFindTheirBoxes)
{
    db.exec(QStringLiteral("INSERT INTO \"1099Misc\" (FedIDNo, RecIDNo, RecName1, RecAddr, RecCityStZip, RecNameType, "
                           "Box1, Box8, Box14, Box9, Box17a_L1, Box17b_L1, Box18_L1) VALUES ('12-3456789', "
                           "'33-4445555', 'Lessor LLC', '9 Oak', 'Peoria, IL 61602', 'B', 1200000, 20000, 6000000, -1, "
                           "'IL', 'IL-1', 1200000)"));
    const QHash<QString, QString> m = firstRow(build(kMisc2024, QStringLiteral("1099-MISC")));
    EXPECT_EQ(m["Box 1 - Rents"], "120.00");
    EXPECT_EQ(m["Box 8 - Subtitute payments in lieu of dividends or interest"], "2.00");
    EXPECT_EQ(m["Box 10 - Gross proceeds paid to an attorney"], "600.00");
    EXPECT_EQ(m["Box 7 - Direct sales of $5000 or more of consumer products to a recipient for resale"], "Y");
    EXPECT_EQ(m["Box 14 - Excess golden parachute payments"], "");
    EXPECT_EQ(m["State 1 - State income"], "120.00");

    nec(QStringLiteral("22-3334444"), QStringLiteral("Nick Co"), 64000000);
    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET GoldenParachute = 10000, DirectSales = -1"));
    const efile::IrisUpload up = build(kNec2025);
    ASSERT_TRUE(up.ok()) << up.problems.join('\n').toStdString();
    EXPECT_EQ(up.files.at(0).lines.at(0), kNec2025);
    const QHash<QString, QString> n = firstRow(up);
    EXPECT_EQ(n["Box 1 - Nonemployee Compensation"], "6400.00");
    EXPECT_EQ(n["Box 3 - Excess golden parachute payments"], "1.00");
    EXPECT_EQ(n["Box 2 - Payer made direct sales totaling $5,000 or more of consumer products to a recipient for "
                "resale"],
              "Y");
    EXPECT_EQ(n["Frobnication Code"], "");
    EXPECT_TRUE(up.warnings.join('|').contains("\"Frobnication Code\""));

    // The 2024 template has no box 3: the file is refused, naming it.
    const efile::IrisUpload refused = build(kNec2024);
    EXPECT_TRUE(refused.files.isEmpty());
    EXPECT_TRUE(refused.problems.join('|').contains("no column for box 3 (excess golden parachute payments)"));
}

TEST_F(IrisTest, ReturnsBeyondTheLimitGoToNumberedPartsWrittenForTheOwnerOnly)
{
    for (int i = 0; i < 101; ++i)
        nec(QStringLiteral("50-%1").arg(1000000 + i), QStringLiteral("Vendor %1").arg(i), 100000000 + i);
    const efile::IrisUpload up = build(kNec2024);
    ASSERT_TRUE(up.ok()) << up.problems.join('\n').toStdString();
    ASSERT_EQ(up.files.size(), 2);
    EXPECT_EQ(up.files.at(0).returns(), 100);
    EXPECT_EQ(up.files.at(1).returns(), 1);
    EXPECT_EQ(up.files.at(1).name, "IRIS-1099-NEC-2026-payer6789-part2.csv");
    QSet<QString> tins;
    for (const efile::IrisFile &f : up.files)
        for (const QByteArray &line : f.lines.mid(1))
            tins.insert(efile::parseCsvRecord(line).at(21));
    EXPECT_EQ(tins.size(), 101);

    QTemporaryDir dir;
    efile::writeIrisUpload(up, dir.path());
    const QString map = dir.filePath(QStringLiteral("IRIS-1099-NEC-2026-payer6789-part2-rows.txt"));
    EXPECT_EQ(QFile::permissions(map) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOwner), QFile::WriteOwner);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
}

TEST_F(IrisTest, CheckListsEveryProblemByRecipientAndOlderNamesAreProposed)
{
    nec(QStringLiteral("123-45-6789"), QStringLiteral("Ann Lee"), 300000000);
    nec(QStringLiteral("123-45-6789"), QStringLiteral("Ann Lee"), 300000000);
    nec(QStringLiteral(""), QStringLiteral("No Tin"), 300000000);
    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET RecNameType = NULL WHERE RecIDNo = ''"));
    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET State_L1 = 'IL' WHERE Counter = 1"));
    db.exec(QStringLiteral("UPDATE FilerInfo SET Phone = ''"));
    const QString p = build(kNec2024).problems.join('\n');
    EXPECT_TRUE(p.contains("Payer 12-3456789 (Acme Tools): the phone number is missing")) << p.toStdString();
    EXPECT_EQ(p.count("(123-45-6789), payer 12-3456789: the TIN is on 2 returns"), 2);
    EXPECT_TRUE(p.contains("No Tin (no TIN), payer 12-3456789: the TIN is missing"));
    EXPECT_TRUE(p.contains("No Tin (no TIN), payer 12-3456789: the name is not split"));
    EXPECT_TRUE(p.contains("box 6, line 1 (payer's state number) has no payer's state number"));

    const efile::NameParts a = efile::proposeNameParts(QStringLiteral("SMITH, MARY ANN JR."), "123-45-6789");
    EXPECT_EQ(QStringList({a.type, a.first, a.middle, a.last, a.suffix}).join('/'), "I/MARY/ANN/SMITH/JR.");
    const efile::NameParts b = efile::proposeNameParts(QStringLiteral("Jose de la Cruz"), "123-45-6789");
    EXPECT_EQ(QStringList({b.first, b.middle, b.last}).join('/'), "Jose/de la/Cruz");
    EXPECT_EQ(efile::proposeNameParts(QStringLiteral("Acme Holdings Inc"), "12-3456789").type, "B");
    const QVector<efile::UnsplitName> open = efile::unsplitNames(db, QStringLiteral("1099-NEC"), {});
    ASSERT_EQ(open.size(), 1);
    efile::storeNameParts(db, open.at(0), {QStringLiteral("B"), {}, {}, {}, {}});
    EXPECT_TRUE(efile::unsplitNames(db, QStringLiteral("1099-NEC"), {}).isEmpty());
}

} // namespace quillory::test
