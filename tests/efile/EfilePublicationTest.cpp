// The two files read back at the positions the agencies publish. Every position below is typed from
// SSA Publication 42-007 (EFW2), tax year 2024 and 2025 editions, and IRS Publication 1220, Rev. 9-2024;
// none is taken from the layout tables they check.
#include "EfileFixture.h"
#include "efile/EfileOutcome.h"
#include "efile/Efw2Layout.h"
#include "efile/Pub1220Layout.h"
#include "efile/Returns1099Efile.h"
#include "efile/W2Efile.h"

#include <map>
#include <set>
#include <tuple>

using namespace quillory;
using test::at;

namespace {

using PublicationTest = test::EfileTest;

struct Position {
    const char *record; // "B" for the fields every payee record has, "B-A"/"B-NE" for the form's own
    const char *field;
    int start;
    int length;
};

// clang-format off
const Position kPublished[] = {
    // EFW2 RA, submitter
    {"RA", "SubmitterEIN", 3, 9}, {"RA", "UserID", 12, 8}, {"RA", "SoftwareVendorCode", 20, 4},
    {"RA", "ResubIndicator", 29, 1}, {"RA", "ResubWFID", 30, 6}, {"RA", "SoftwareCode", 36, 2},
    {"RA", "CompanyName", 38, 57}, {"RA", "CompanyLocationAddress", 95, 22}, {"RA", "CompanyDeliveryAddress", 117, 22},
    {"RA", "CompanyCity", 139, 22}, {"RA", "CompanyState", 161, 2}, {"RA", "CompanyZIP", 163, 5},
    {"RA", "CompanyZIPExt", 168, 4}, {"RA", "CompanyForeignState", 177, 23}, {"RA", "CompanyForeignPostal", 200, 15},
    {"RA", "CompanyCountry", 215, 2}, {"RA", "SubmitterName", 217, 57}, {"RA", "SubmitterLocationAddress", 274, 22},
    {"RA", "SubmitterDeliveryAddress", 296, 22}, {"RA", "SubmitterCity", 318, 22}, {"RA", "SubmitterState", 340, 2},
    {"RA", "SubmitterZIP", 342, 5}, {"RA", "SubmitterZIPExt", 347, 4}, {"RA", "SubmitterForeignState", 356, 23},
    {"RA", "SubmitterForeignPostal", 379, 15}, {"RA", "SubmitterCountry", 394, 2}, {"RA", "ContactName", 396, 27},
    {"RA", "ContactPhone", 423, 15}, {"RA", "ContactPhoneExt", 438, 5}, {"RA", "ContactEmail", 446, 40},
    {"RA", "ContactFax", 489, 10}, {"RA", "PreparerCode", 500, 1},
    // RE, employer
    {"RE", "TaxYear", 3, 4}, {"RE", "AgentIndicator", 7, 1}, {"RE", "EmployerEIN", 8, 9}, {"RE", "AgentForEIN", 17, 9},
    {"RE", "TerminatingBusiness", 26, 1}, {"RE", "EstablishmentNumber", 27, 4}, {"RE", "OtherEIN", 31, 9},
    {"RE", "EmployerName", 40, 57}, {"RE", "LocationAddress", 97, 22}, {"RE", "DeliveryAddress", 119, 22},
    {"RE", "City", 141, 22}, {"RE", "State", 163, 2}, {"RE", "ZIP", 165, 5}, {"RE", "ZIPExt", 170, 4},
    {"RE", "KindOfEmployer", 174, 1}, {"RE", "ForeignState", 179, 23}, {"RE", "ForeignPostal", 202, 15},
    {"RE", "Country", 217, 2}, {"RE", "EmploymentCode", 219, 1}, {"RE", "TaxJurisdiction", 220, 1},
    {"RE", "ThirdPartySickPay", 221, 1}, {"RE", "ContactName", 222, 27}, {"RE", "ContactPhone", 249, 15},
    {"RE", "ContactPhoneExt", 264, 5}, {"RE", "ContactFax", 269, 10}, {"RE", "ContactEmail", 279, 40},
    // RW, employee wages
    {"RW", "SSN", 3, 9}, {"RW", "FirstName", 12, 15}, {"RW", "MiddleName", 27, 15}, {"RW", "LastName", 42, 20},
    {"RW", "Suffix", 62, 4}, {"RW", "LocationAddress", 66, 22}, {"RW", "DeliveryAddress", 88, 22},
    {"RW", "City", 110, 22}, {"RW", "State", 132, 2}, {"RW", "ZIP", 134, 5}, {"RW", "ZIPExt", 139, 4},
    {"RW", "ForeignState", 148, 23}, {"RW", "ForeignPostal", 171, 15}, {"RW", "Country", 186, 2},
    {"RW", "Wages", 188, 11}, {"RW", "FederalTax", 199, 11}, {"RW", "SSWages", 210, 11}, {"RW", "SSTax", 221, 11},
    {"RW", "MedicareWages", 232, 11}, {"RW", "MedicareTax", 243, 11}, {"RW", "SSTips", 254, 11},
    {"RW", "DependentCare", 276, 11}, {"RW", "Code D", 287, 11}, {"RW", "Code E", 298, 11}, {"RW", "Code F", 309, 11},
    {"RW", "Code G", 320, 11}, {"RW", "Code H", 331, 11}, {"RW", "Nonqualified457", 353, 11}, {"RW", "Code W", 364, 11},
    {"RW", "NonqualifiedNot457", 375, 11}, {"RW", "Code Q", 386, 11}, {"RW", "Code C", 408, 11},
    {"RW", "Code V", 419, 11}, {"RW", "Code Y", 430, 11}, {"RW", "Code AA", 441, 11}, {"RW", "Code BB", 452, 11},
    {"RW", "Code DD", 463, 11}, {"RW", "Code FF", 474, 11}, {"RW", "StatutoryEmployee", 486, 1},
    {"RW", "RetirementPlan", 488, 1}, {"RW", "ThirdPartySickPay", 489, 1},
    // RO, employee optional amounts (code II from tax year 2024)
    {"RO", "AllocatedTips", 12, 11}, {"RO", "Code A+B", 23, 11}, {"RO", "Code R", 34, 11}, {"RO", "Code S", 45, 11},
    {"RO", "Code T", 56, 11}, {"RO", "Code M", 67, 11}, {"RO", "Code N", 78, 11}, {"RO", "Code Z", 89, 11},
    {"RO", "Code EE", 111, 11}, {"RO", "Code GG", 122, 11}, {"RO", "Code HH", 133, 11}, {"RO", "Code II", 144, 11},
    {"RO", "PRWages", 275, 11}, {"RO", "PRCommissions", 286, 11}, {"RO", "PRAllowances", 297, 11},
    {"RO", "PRTips", 308, 11}, {"RO", "PRTotal", 319, 11}, {"RO", "PRTax", 330, 11}, {"RO", "PRRetirement", 341, 11},
    {"RO", "VIWages", 363, 11}, {"RO", "VITax", 374, 11},
    // RS, state
    {"RS", "StateCode", 3, 2}, {"RS", "TaxingEntity", 5, 5}, {"RS", "SSN", 10, 9}, {"RS", "FirstName", 19, 15},
    {"RS", "MiddleName", 34, 15}, {"RS", "LastName", 49, 20}, {"RS", "Suffix", 69, 4},
    {"RS", "LocationAddress", 73, 22}, {"RS", "DeliveryAddress", 95, 22}, {"RS", "City", 117, 22},
    {"RS", "State", 139, 2}, {"RS", "ZIP", 141, 5}, {"RS", "ZIPExt", 146, 4}, {"RS", "StateEmployerAccount", 248, 20},
    {"RS", "StateCode2", 274, 2}, {"RS", "StateWages", 276, 11}, {"RS", "StateTax", 287, 11},
    {"RS", "TaxTypeCode", 308, 1}, {"RS", "LocalWages", 309, 11}, {"RS", "LocalTax", 320, 11},
    // RT, employer totals of RW
    {"RT", "RWCount", 3, 7}, {"RT", "Wages", 10, 15}, {"RT", "FederalTax", 25, 15}, {"RT", "SSWages", 40, 15},
    {"RT", "SSTax", 55, 15}, {"RT", "MedicareWages", 70, 15}, {"RT", "MedicareTax", 85, 15}, {"RT", "SSTips", 100, 15},
    {"RT", "DependentCare", 130, 15}, {"RT", "Code D", 145, 15}, {"RT", "Code E", 160, 15}, {"RT", "Code F", 175, 15},
    {"RT", "Code G", 190, 15}, {"RT", "Code H", 205, 15}, {"RT", "Nonqualified457", 235, 15},
    {"RT", "Code W", 250, 15}, {"RT", "NonqualifiedNot457", 265, 15}, {"RT", "Code Q", 280, 15},
    {"RT", "Code DD", 295, 15}, {"RT", "Code C", 310, 15}, {"RT", "SickPayTax", 325, 15}, {"RT", "Code V", 340, 15},
    {"RT", "Code Y", 355, 15}, {"RT", "Code AA", 370, 15}, {"RT", "Code BB", 385, 15}, {"RT", "Code FF", 400, 15},
    // RU, employer totals of RO (code II from tax year 2024)
    {"RU", "ROCount", 3, 7}, {"RU", "AllocatedTips", 10, 15}, {"RU", "Code A+B", 25, 15}, {"RU", "Code R", 40, 15},
    {"RU", "Code S", 55, 15}, {"RU", "Code T", 70, 15}, {"RU", "Code M", 85, 15}, {"RU", "Code N", 100, 15},
    {"RU", "Code Z", 115, 15}, {"RU", "Code EE", 145, 15}, {"RU", "Code GG", 160, 15}, {"RU", "Code HH", 175, 15},
    {"RU", "Code II", 190, 15}, {"RU", "PRWages", 355, 15}, {"RU", "PRCommissions", 370, 15},
    {"RU", "PRAllowances", 385, 15}, {"RU", "PRTips", 400, 15}, {"RU", "PRTotal", 415, 15}, {"RU", "PRTax", 430, 15},
    {"RU", "PRRetirement", 445, 15}, {"RU", "VIWages", 460, 15}, {"RU", "VITax", 475, 15},
    // RF, final
    {"RF", "RWCount", 8, 9},
    // Publication 1220 T, transmitter
    {"T", "PaymentYear", 2, 4}, {"T", "PriorYear", 6, 1}, {"T", "TransmitterTIN", 7, 9}, {"T", "TCC", 16, 5},
    {"T", "TestFile", 28, 1}, {"T", "ForeignEntity", 29, 1}, {"T", "TransmitterName", 30, 40},
    {"T", "TransmitterName2", 70, 40}, {"T", "CompanyName", 110, 40}, {"T", "CompanyName2", 150, 40},
    {"T", "CompanyAddress", 190, 40}, {"T", "CompanyCity", 230, 40}, {"T", "CompanyState", 270, 2},
    {"T", "CompanyZIP", 272, 9}, {"T", "PayeeCount", 296, 8}, {"T", "ContactName", 304, 40},
    {"T", "ContactPhone", 344, 15}, {"T", "ContactEmail", 359, 50}, {"T", "Sequence", 500, 8},
    {"T", "VendorIndicator", 518, 1},
    // A, payer
    {"A", "PaymentYear", 2, 4}, {"A", "CombinedFederalState", 6, 1}, {"A", "PayerTIN", 12, 9},
    {"A", "PayerNameControl", 21, 4}, {"A", "LastFiling", 25, 1}, {"A", "TypeOfReturn", 26, 2},
    {"A", "AmountCodes", 28, 18}, {"A", "ForeignEntity", 52, 1}, {"A", "PayerName", 53, 40},
    {"A", "PayerName2", 93, 40}, {"A", "TransferAgent", 133, 1}, {"A", "PayerAddress", 134, 40},
    {"A", "PayerCity", 174, 40}, {"A", "PayerState", 214, 2}, {"A", "PayerZIP", 216, 9}, {"A", "PayerPhone", 225, 15},
    {"A", "Sequence", 500, 8},
    // B, payee, and the forms' own positions 544-750
    {"B", "PaymentYear", 2, 4}, {"B", "Corrected", 6, 1}, {"B", "NameControl", 7, 4}, {"B", "TypeOfTIN", 11, 1},
    {"B", "PayeeTIN", 12, 9}, {"B", "AccountNumber", 21, 20}, {"B", "OfficeCode", 41, 4},
    {"B", "ForeignCountry", 287, 1}, {"B", "PayeeName", 288, 40}, {"B", "PayeeName2", 328, 40},
    {"B", "PayeeAddress", 368, 40}, {"B", "PayeeCity", 448, 40}, {"B", "PayeeState", 488, 2},
    {"B", "PayeeZIP", 490, 9}, {"B", "Sequence", 500, 8},
    {"B-A", "SecondTINNotice", 544, 1}, {"B-A", "DirectSales", 547, 1}, {"B-A", "FATCA", 548, 1},
    {"B-A", "SpecialData", 663, 60}, {"B-A", "StateTax", 723, 12}, {"B-A", "LocalTax", 735, 12},
    {"B-A", "CombinedStateCode", 747, 2},
    {"B-NE", "SecondTINNotice", 544, 1}, {"B-NE", "DirectSales", 547, 1}, {"B-NE", "SpecialData", 663, 60},
    {"B-NE", "StateTax", 723, 12}, {"B-NE", "LocalTax", 735, 12}, {"B-NE", "CombinedStateCode", 747, 2},
    // C, end of payer; F, end of transmission
    {"C", "PayeeCount", 2, 8}, {"C", "Sequence", 500, 8},
    {"F", "ACount", 2, 8}, {"F", "Zeros", 10, 21}, {"F", "PayeeCount", 50, 8}, {"F", "Sequence", 500, 8},
};

// Payment amount codes: where the B record holds the amount (12 long) and the C record its total (18 long).
struct AmountPosition {
    char code;
    int payee;
    int total;
};
const AmountPosition kAmounts[] = {
    {'1', 55, 16}, {'2', 67, 34}, {'3', 79, 52}, {'4', 91, 70}, {'5', 103, 88}, {'6', 115, 106},
    {'7', 127, 124}, {'8', 139, 142}, {'9', 151, 160}, {'A', 163, 178}, {'B', 175, 196}, {'C', 187, 214},
    {'D', 199, 232}, {'E', 211, 250}, {'F', 223, 268}, {'G', 235, 286}, {'H', 247, 304}, {'J', 259, 322},
};
// clang-format on

using Fields = std::set<std::tuple<std::string, int, int>>;

Fields fieldsOf(const efile::RecordLayout &layout)
{
    Fields out;
    for (const efile::FixedField &f : layout.fields)
        out.insert({f.name, f.start, f.length});
    return out;
}

Fields published(std::initializer_list<const char *> records)
{
    Fields out;
    for (const Position &p : kPublished) {
        for (const char *r : records) {
            if (qstrcmp(p.record, r) == 0)
                out.insert({p.field, p.start, p.length});
        }
    }
    return out;
}

// Where a W-2 amount goes: its field in RW or RO (none for the sick-pay tax) and its total in RT or RU.
struct W2Case {
    const char *column;
    const char *code; // box 12 code, or null for a box of its own
    const char *record;
    int start;
    const char *totalRecord;
    int totalStart;
};

// The amount's text appears once in the record, at the start given.
void expectOnlyAt(const QByteArray &record, const QByteArray &cents, int start, int length, const char *what)
{
    EXPECT_EQ(at(record, start, length), cents.rightJustified(length, '0')) << what << " at " << start;
    EXPECT_EQ(record.count(cents), 1) << what << " also lies elsewhere in " << record.left(2).constData();
}

} // namespace

TEST(EfilePublication, EveryWrittenFieldLiesWhereThePublicationPutsIt)
{
    using namespace efile;
    const std::pair<const RecordLayout *, Fields> records[] = {
        {&efw2::RA(), published({"RA"})},
        {&efw2::RE(), published({"RE"})},
        {&efw2::RW(), published({"RW"})},
        {&efw2::RO(), published({"RO"})},
        {&efw2::RS(), published({"RS"})},
        {&efw2::RT(), published({"RT"})},
        {&efw2::RU(), published({"RU"})},
        {&efw2::RF(), published({"RF"})},
        {&pub1220::T(), published({"T"})},
        {&pub1220::A(), published({"A"})},
        {&pub1220::C(), published({"C"})},
        {&pub1220::F(), published({"F"})},
        {&pub1220::B(QStringLiteral("A")), published({"B", "B-A"})},
        {&pub1220::B(QStringLiteral("NE")), published({"B", "B-NE"})},
    };
    for (auto [layout, expected] : records) {
        if (qstrcmp(layout->type, "B") == 0 || qstrcmp(layout->type, "C") == 0) {
            for (const AmountPosition &a : kAmounts) {
                const bool payee = qstrcmp(layout->type, "B") == 0;
                expected.insert({(payee ? pub1220::amountField(a.code) : pub1220::totalField(a.code)).toStdString(),
                                 payee ? a.payee : a.total, payee ? 12 : 18});
            }
        }
        const Fields actual = fieldsOf(*layout);
        for (const auto &f : actual)
            EXPECT_TRUE(expected.count(f)) << layout->type << ' ' << std::get<0>(f) << " at " << std::get<1>(f);
        for (const auto &f : expected)
            EXPECT_TRUE(actual.count(f)) << layout->type << ' ' << std::get<0>(f) << " missing";
    }
    // Code II is blank before tax year 2024.
    EXPECT_EQ(efw2::RO().find("Code II", 2023), nullptr);
    EXPECT_EQ(efw2::RU().find("Code II", 2023), nullptr);
    EXPECT_NE(efw2::RU().find("Code II", 2024), nullptr);
}

TEST_F(PublicationTest, EachW2AmountIsReadBackAtThePublicationsPositions)
{
    // clang-format off
    const W2Case cases[] = {
        {"Box1", nullptr, "RW", 188, "RT", 10}, {"Box2", nullptr, "RW", 199, "RT", 25},
        {"Box3", nullptr, "RW", 210, "RT", 40}, {"Box4", nullptr, "RW", 221, "RT", 55},
        {"Box5", nullptr, "RW", 232, "RT", 70}, {"Box6", nullptr, "RW", 243, "RT", 85},
        {"Box7", nullptr, "RW", 254, "RT", 100}, {"Box8", nullptr, "RO", 12, "RU", 10},
        {"Box10", nullptr, "RW", 276, "RT", 130}, {"Box11", nullptr, "RW", 375, "RT", 265},
        {"SickPay", nullptr, nullptr, 0, "RT", 325},
        {"", "A", "RO", 23, "RU", 25}, {"", "B", "RO", 23, "RU", 25}, {"", "C", "RW", 408, "RT", 310},
        {"", "D", "RW", 287, "RT", 145}, {"", "E", "RW", 298, "RT", 160}, {"", "F", "RW", 309, "RT", 175},
        {"", "G", "RW", 320, "RT", 190}, {"", "H", "RW", 331, "RT", 205}, {"", "M", "RO", 67, "RU", 85},
        {"", "N", "RO", 78, "RU", 100}, {"", "Q", "RW", 386, "RT", 280}, {"", "R", "RO", 34, "RU", 40},
        {"", "S", "RO", 45, "RU", 55}, {"", "T", "RO", 56, "RU", 70}, {"", "V", "RW", 419, "RT", 340},
        {"", "W", "RW", 364, "RT", 250}, {"", "Y", "RW", 430, "RT", 355}, {"", "Z", "RO", 89, "RU", 115},
        {"", "AA", "RW", 441, "RT", 370}, {"", "BB", "RW", 452, "RT", 385}, {"", "DD", "RW", 463, "RT", 295},
        {"", "EE", "RO", 111, "RU", 145}, {"", "FF", "RW", 474, "RT", 400}, {"", "GG", "RO", 122, "RU", 160},
        {"", "HH", "RO", 133, "RU", 175}, {"", "II", "RO", 144, "RU", 190},
    };
    // clang-format on
    db.exec(QStringLiteral("DELETE FROM W2 WHERE Boxd <> '345-67-8901'"));
    db.exec(QStringLiteral("UPDATE W2 SET Box1 = 0, Box2 = 0, Box3 = 0, Box5 = 0"));
    auto build = [&](const W2Case &c) {
        db.exec(QStringLiteral("BEGIN"));
        if (c.code)
            db.exec(QStringLiteral("UPDATE W2 SET Box12a_Code = ?, Box12a_Amt = 12345600"), {QLatin1String(c.code)});
        else
            db.exec(QStringLiteral("UPDATE W2 SET %1 = 12345600").arg(QLatin1String(c.column)));
        const efile::EfileOutcome out = efile::buildW2Efile(db, {});
        db.exec(QStringLiteral("ROLLBACK"));
        std::map<QByteArray, QByteArray> byType;
        for (const QByteArray &r : out.records)
            byType[r.left(2)] = r;
        EXPECT_TRUE(out.ok()) << out.problems.join(QLatin1Char('\n')).toStdString();
        return byType;
    };
    // A 2026 file takes the TY2025 edition's positions (the TY2026 edition could not be consulted).
    for (const char *year : {"2024", "2026"}) {
        db.exec(QStringLiteral("UPDATE Settings SET Year = ?"), {QLatin1String(year)});
        for (const W2Case &c : cases) {
            const std::string what = std::string(year) + (c.code ? std::string(" code ") + c.code : c.column);
            auto records = build(c);
            if (c.record)
                expectOnlyAt(records[c.record], "123456", c.start, 11, what.c_str());
            expectOnlyAt(records[c.totalRecord], "123456", c.totalStart, 15, what.c_str());
            EXPECT_EQ(at(records["RE"], 3, 4), year) << what;
        }
    }
    // Before 2024 the code II positions are blank, not zeros.
    db.exec(QStringLiteral("UPDATE Settings SET Year = '2023'"));
    auto records = build({"", "EE", "RO", 111, "RU", 145});
    EXPECT_EQ(at(records["RO"], 144, 11), QByteArray(11, ' '));
    EXPECT_EQ(at(records["RU"], 190, 15), QByteArray(15, ' '));
}

TEST_F(PublicationTest, Each1099AmountIsReadBackAtThePublicationsPositions)
{
    struct Case {
        const char *column;
        const char *typeOfReturn;
        char code;
    };
    const Case cases[] = {
        {"Box1", "A", '1'},  {"Box2", "A", '2'},  {"Box3", "A", '3'},  {"Box4", "A", '4'},
        {"Box5", "A", '5'},  {"Box6", "A", '6'},  {"Box8", "A", '8'},  {"Box10", "A", 'A'},
        {"Box13", "A", 'B'}, {"Box14", "A", 'C'}, {"Box7", "NE", '1'}, {"Box4", "NE", '4'},
    };
    db.exec(QStringLiteral("DELETE FROM \"1099Misc\" WHERE RecIDNo <> '111-22-3333'"));
    db.exec(QStringLiteral("UPDATE \"1099Misc\" SET Box1 = 0"));
    for (const Case &c : cases) {
        const std::string what = std::string(c.typeOfReturn) + " amount code " + c.code;
        db.exec(QStringLiteral("BEGIN"));
        db.exec(QStringLiteral("UPDATE \"1099Misc\" SET %1 = 12345600").arg(QLatin1String(c.column)));
        // Withholding is on the 1099-NEC when there is nonemployee compensation; a second TIN notice.
        if (qstrcmp(c.typeOfReturn, "NE") == 0)
            db.exec(QStringLiteral("UPDATE \"1099Misc\" SET TIN = -1, Box7 = max(Box7, 10000)"));
        const efile::EfileOutcome out = efile::buildReturns1099Efile(db, {});
        db.exec(QStringLiteral("ROLLBACK"));
        ASSERT_EQ(out.records.size(), 5) << what << out.problems.join(QLatin1Char('\n')).toStdString();
        const QByteArray &a = out.records[1], &b = out.records[2], &total = out.records[3];
        EXPECT_EQ(at(a, 26, 2), QByteArray(c.typeOfReturn).leftJustified(2, ' ')) << what;
        EXPECT_TRUE(at(a, 28, 18).contains(c.code)) << what;
        for (const AmountPosition &p : kAmounts) {
            if (p.code == c.code) {
                expectOnlyAt(b, "123456", p.payee, 12, what.c_str());
                expectOnlyAt(total, "123456", p.total, 18, what.c_str());
            }
        }
        if (qstrcmp(c.typeOfReturn, "NE") == 0) {
            EXPECT_EQ(at(b, 544, 3), "2  ") << what;
        }
    }
}
