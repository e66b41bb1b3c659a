#include "efile/Efw2Layout.h"

namespace quillory::efile::efw2 {

namespace {
constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind D = FieldKind::Digits;
constexpr FieldKind N = FieldKind::Count;
constexpr FieldKind M = FieldKind::Money;
} // namespace

// Positions, lengths and fill rules as SSA Publication 42-007 gives them for the years above.
const RecordLayout &RA()
{
    static const RecordLayout layout{"RA",
                                     512,
                                     {
                                         {"SubmitterEIN", 3, 9, D},
                                         {"UserID", 12, 8, T},
                                         {"SoftwareVendorCode", 20, 4, D},
                                         {"ResubIndicator", 29, 1, N},
                                         {"ResubWFID", 30, 6, T},
                                         {"SoftwareCode", 36, 2, D},
                                         {"CompanyName", 38, 57, T},
                                         {"CompanyLocationAddress", 95, 22, T},
                                         {"CompanyDeliveryAddress", 117, 22, T},
                                         {"CompanyCity", 139, 22, T},
                                         {"CompanyState", 161, 2, T},
                                         {"CompanyZIP", 163, 5, D},
                                         {"CompanyZIPExt", 168, 4, D},
                                         {"CompanyForeignState", 177, 23, T},
                                         {"CompanyForeignPostal", 200, 15, T},
                                         {"CompanyCountry", 215, 2, T},
                                         {"SubmitterName", 217, 57, T},
                                         {"SubmitterLocationAddress", 274, 22, T},
                                         {"SubmitterDeliveryAddress", 296, 22, T},
                                         {"SubmitterCity", 318, 22, T},
                                         {"SubmitterState", 340, 2, T},
                                         {"SubmitterZIP", 342, 5, D},
                                         {"SubmitterZIPExt", 347, 4, D},
                                         {"SubmitterForeignState", 356, 23, T},
                                         {"SubmitterForeignPostal", 379, 15, T},
                                         {"SubmitterCountry", 394, 2, T},
                                         {"ContactName", 396, 27, T},
                                         {"ContactPhone", 423, 15, D},
                                         {"ContactPhoneExt", 438, 5, D},
                                         {"ContactEmail", 446, 40, T},
                                         {"ContactFax", 489, 10, D},
                                         {"PreparerCode", 500, 1, T},
                                     }};
    return layout;
}

const RecordLayout &RE()
{
    static const RecordLayout layout{"RE",
                                     512,
                                     {
                                         {"TaxYear", 3, 4, N},
                                         {"AgentIndicator", 7, 1, T},
                                         {"EmployerEIN", 8, 9, D},
                                         {"AgentForEIN", 17, 9, D},
                                         {"TerminatingBusiness", 26, 1, N},
                                         {"EstablishmentNumber", 27, 4, T},
                                         {"OtherEIN", 31, 9, D},
                                         {"EmployerName", 40, 57, T},
                                         {"LocationAddress", 97, 22, T},
                                         {"DeliveryAddress", 119, 22, T},
                                         {"City", 141, 22, T},
                                         {"State", 163, 2, T},
                                         {"ZIP", 165, 5, D},
                                         {"ZIPExt", 170, 4, D},
                                         {"KindOfEmployer", 174, 1, T},
                                         {"ForeignState", 179, 23, T},
                                         {"ForeignPostal", 202, 15, T},
                                         {"Country", 217, 2, T},
                                         {"EmploymentCode", 219, 1, T},
                                         {"TaxJurisdiction", 220, 1, T},
                                         {"ThirdPartySickPay", 221, 1, N},
                                         {"ContactName", 222, 27, T},
                                         {"ContactPhone", 249, 15, D},
                                         {"ContactPhoneExt", 264, 5, D},
                                         {"ContactFax", 269, 10, D},
                                         {"ContactEmail", 279, 40, T},
                                     }};
    return layout;
}

const RecordLayout &RW()
{
    static const RecordLayout layout{"RW",
                                     512,
                                     {
                                         {"SSN", 3, 9, D},
                                         {"FirstName", 12, 15, T},
                                         {"MiddleName", 27, 15, T},
                                         {"LastName", 42, 20, T},
                                         {"Suffix", 62, 4, T},
                                         {"LocationAddress", 66, 22, T},
                                         {"DeliveryAddress", 88, 22, T},
                                         {"City", 110, 22, T},
                                         {"State", 132, 2, T},
                                         {"ZIP", 134, 5, D},
                                         {"ZIPExt", 139, 4, D},
                                         {"ForeignState", 148, 23, T},
                                         {"ForeignPostal", 171, 15, T},
                                         {"Country", 186, 2, T},
                                         {"Wages", 188, 11, M},
                                         {"FederalTax", 199, 11, M},
                                         {"SSWages", 210, 11, M},
                                         {"SSTax", 221, 11, M},
                                         {"MedicareWages", 232, 11, M},
                                         {"MedicareTax", 243, 11, M},
                                         {"SSTips", 254, 11, M},
                                         {"DependentCare", 276, 11, M},
                                         {"Code D", 287, 11, M},
                                         {"Code E", 298, 11, M},
                                         {"Code F", 309, 11, M},
                                         {"Code G", 320, 11, M},
                                         {"Code H", 331, 11, M},
                                         {"Nonqualified457", 353, 11, M},
                                         {"Code W", 364, 11, M},
                                         {"NonqualifiedNot457", 375, 11, M},
                                         {"Code Q", 386, 11, M},
                                         {"Code C", 408, 11, M},
                                         {"Code V", 419, 11, M},
                                         {"Code Y", 430, 11, M},
                                         {"Code AA", 441, 11, M},
                                         {"Code BB", 452, 11, M},
                                         {"Code DD", 463, 11, M},
                                         {"Code FF", 474, 11, M},
                                         {"StatutoryEmployee", 486, 1, N},
                                         {"RetirementPlan", 488, 1, N},
                                         {"ThirdPartySickPay", 489, 1, N},
                                     }};
    return layout;
}

const RecordLayout &RO()
{
    static const RecordLayout layout{"RO",
                                     512,
                                     {
                                         {"AllocatedTips", 12, 11, M},
                                         {"Code A+B", 23, 11, M},
                                         {"Code R", 34, 11, M},
                                         {"Code S", 45, 11, M},
                                         {"Code T", 56, 11, M},
                                         {"Code M", 67, 11, M},
                                         {"Code N", 78, 11, M},
                                         {"Code Z", 89, 11, M},
                                         {"Code EE", 111, 11, M},
                                         {"Code GG", 122, 11, M},
                                         {"Code HH", 133, 11, M},
                                         // Puerto Rico and Virgin Islands amounts: zero here.
                                         {"PRWages", 275, 11, M},
                                         {"PRCommissions", 286, 11, M},
                                         {"PRAllowances", 297, 11, M},
                                         {"PRTips", 308, 11, M},
                                         {"PRTotal", 319, 11, M},
                                         {"PRTax", 330, 11, M},
                                         {"PRRetirement", 341, 11, M},
                                         {"VIWages", 363, 11, M},
                                         {"VITax", 374, 11, M},
                                     }};
    return layout;
}

const RecordLayout &RS()
{
    static const RecordLayout layout{"RS",
                                     512,
                                     {
                                         {"StateCode", 3, 2, D},
                                         {"TaxingEntity", 5, 5, T},
                                         {"SSN", 10, 9, D},
                                         {"FirstName", 19, 15, T},
                                         {"MiddleName", 34, 15, T},
                                         {"LastName", 49, 20, T},
                                         {"Suffix", 69, 4, T},
                                         {"LocationAddress", 73, 22, T},
                                         {"DeliveryAddress", 95, 22, T},
                                         {"City", 117, 22, T},
                                         {"State", 139, 2, T},
                                         {"ZIP", 141, 5, D},
                                         {"ZIPExt", 146, 4, D},
                                         {"StateEmployerAccount", 248, 20, T},
                                         {"StateCode2", 274, 2, D},
                                         {"StateWages", 276, 11, M},
                                         {"StateTax", 287, 11, M},
                                         {"TaxTypeCode", 308, 1, T},
                                         {"LocalWages", 309, 11, M},
                                         {"LocalTax", 320, 11, M},
                                     }};
    return layout;
}

const RecordLayout &RT()
{
    static const RecordLayout layout{"RT",
                                     512,
                                     {
                                         {"RWCount", 3, 7, N},
                                         {"Wages", 10, 15, M},
                                         {"FederalTax", 25, 15, M},
                                         {"SSWages", 40, 15, M},
                                         {"SSTax", 55, 15, M},
                                         {"MedicareWages", 70, 15, M},
                                         {"MedicareTax", 85, 15, M},
                                         {"SSTips", 100, 15, M},
                                         {"DependentCare", 130, 15, M},
                                         {"Code D", 145, 15, M},
                                         {"Code E", 160, 15, M},
                                         {"Code F", 175, 15, M},
                                         {"Code G", 190, 15, M},
                                         {"Code H", 205, 15, M},
                                         {"Nonqualified457", 235, 15, M},
                                         {"Code W", 250, 15, M},
                                         {"NonqualifiedNot457", 265, 15, M},
                                         {"Code Q", 280, 15, M},
                                         {"Code C", 295, 15, M},
                                         {"SickPayTax", 310, 15, M},
                                         {"Code V", 325, 15, M},
                                         {"Code Y", 340, 15, M},
                                         {"Code AA", 355, 15, M},
                                         {"Code BB", 370, 15, M},
                                         {"Code DD", 385, 15, M},
                                         {"Code FF", 400, 15, M},
                                     }};
    return layout;
}

const RecordLayout &RU()
{
    static const RecordLayout layout{"RU",
                                     512,
                                     {
                                         {"ROCount", 3, 7, N},
                                         {"AllocatedTips", 10, 15, M},
                                         {"Code A+B", 25, 15, M},
                                         {"Code R", 40, 15, M},
                                         {"Code S", 55, 15, M},
                                         {"Code T", 70, 15, M},
                                         {"Code M", 85, 15, M},
                                         {"Code N", 100, 15, M},
                                         {"Code Z", 115, 15, M},
                                         {"Code EE", 145, 15, M},
                                         {"Code GG", 160, 15, M},
                                         {"Code HH", 175, 15, M},
                                         // Puerto Rico and Virgin Islands totals: zero here.
                                         {"PRWages", 355, 15, M},
                                         {"PRCommissions", 370, 15, M},
                                         {"PRAllowances", 385, 15, M},
                                         {"PRTips", 400, 15, M},
                                         {"PRTotal", 415, 15, M},
                                         {"PRTax", 430, 15, M},
                                         {"PRRetirement", 445, 15, M},
                                         {"VIWages", 460, 15, M},
                                         {"VITax", 475, 15, M},
                                     }};
    return layout;
}

const RecordLayout &RF()
{
    static const RecordLayout layout{"RF", 512, {{"RWCount", 8, 9, N}}};
    return layout;
}

const std::vector<Box12Field> &box12Fields()
{
    static const std::vector<Box12Field> fields{
        {"A", true, "Code A+B"},  {"B", true, "Code A+B"}, {"C", false, "Code C"},   {"D", false, "Code D"},
        {"E", false, "Code E"},   {"F", false, "Code F"},  {"G", false, "Code G"},   {"H", false, "Code H"},
        {"M", true, "Code M"},    {"N", true, "Code N"},   {"Q", false, "Code Q"},   {"R", true, "Code R"},
        {"S", true, "Code S"},    {"T", true, "Code T"},   {"V", false, "Code V"},   {"W", false, "Code W"},
        {"Y", false, "Code Y"},   {"Z", true, "Code Z"},   {"AA", false, "Code AA"}, {"BB", false, "Code BB"},
        {"DD", false, "Code DD"}, {"EE", true, "Code EE"}, {"FF", false, "Code FF"}, {"GG", true, "Code GG"},
        {"HH", true, "Code HH"},
    };
    return fields;
}

bool box12PaperOnly(const QString &code)
{
    // J (nontaxable sick pay), K (golden parachute excise tax), L (business expense
    // reimbursements) and P (moving expense reimbursements) have no field in the file.
    static const QStringList codes{QStringLiteral("J"), QStringLiteral("K"), QStringLiteral("L"), QStringLiteral("P")};
    return codes.contains(code);
}

} // namespace quillory::efile::efw2
