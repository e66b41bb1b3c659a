#include "efile/Pub1220Layout.h"

#include <deque>

namespace quillory::efile::pub1220 {

namespace {
constexpr FieldKind T_ = FieldKind::Text;
constexpr FieldKind D = FieldKind::Digits;
constexpr FieldKind N = FieldKind::Count;
constexpr FieldKind M = FieldKind::Money;

// The 18 payment amounts: 12 positions each from 55 in B, 18 positions each from 16 in C.
std::vector<FixedField> amountFields(const char *prefix, int start, int length)
{
    static std::deque<QByteArray> names; // never moves, so the layouts may point into it
    std::vector<FixedField> fields;
    for (int i = 0; i < amountCodes().size(); ++i) {
        names.push_back(QByteArray(prefix) + ' ' + amountCodes().at(i));
        fields.push_back({names.back().constData(), start + i * length, length, M});
    }
    return fields;
}

std::vector<FixedField> joined(std::vector<FixedField> a, const std::vector<FixedField> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

const QByteArray &amountCodes()
{
    static const QByteArray codes("123456789ABCDEFGHJ");
    return codes;
}

QByteArray amountField(char code)
{
    return QByteArray("Amount ") + code;
}

QByteArray totalField(char code)
{
    return QByteArray("Total ") + code;
}

// Positions, lengths and fill rules of IRS Publication 1220, Rev. 9-2023 (tax year 2023), the same in
// Rev. 9-2024 (tax year 2024) for every field written here, also used for tax year 2025 apart from
// the excess golden parachute payments (see unwritableBox). Positions were checked field by field
// against independent public copies of the record layouts (an open-source Publication 1220 library,
// including its 1099-NEC positions 544-750). Each comment gives the publication's positions of the
// field and of the blank stretch after it. Amounts are cents, right justified and zero filled; text
// is upper case, left justified and blank filled. Positions 749-750 of every record hold CR/LF (set
// by the writer).
const RecordLayout &T()
{
    static const RecordLayout layout{"T",
                                     750,
                                     {
                                         {"PaymentYear", 2, 4, N},         // 2-5
                                         {"PriorYear", 6, 1, T_},          // 6 P = prior year data, else blank
                                         {"TransmitterTIN", 7, 9, D},      // 7-15
                                         {"TCC", 16, 5, T_},               // 16-20; 21-27 blank
                                         {"TestFile", 28, 1, T_},          // 28 T = test file, else blank
                                         {"ForeignEntity", 29, 1, T_},     // 29 1 = foreign, else blank
                                         {"TransmitterName", 30, 40, T_},  // 30-69
                                         {"TransmitterName2", 70, 40, T_}, // 70-109
                                         {"CompanyName", 110, 40, T_},     // 110-149
                                         {"CompanyName2", 150, 40, T_},    // 150-189
                                         {"CompanyAddress", 190, 40, T_},  // 190-229
                                         {"CompanyCity", 230, 40, T_},     // 230-269
                                         {"CompanyState", 270, 2, T_},     // 270-271
                                         {"CompanyZIP", 272, 9, D},        // 272-280; 281-295 blank
                                         {"PayeeCount", 296, 8, N},        // 296-303 all B records
                                         {"ContactName", 304, 40, T_},     // 304-343
                                         {"ContactPhone", 344, 15, D},     // 344-358 with extension
                                         {"ContactEmail", 359, 50, T_},    // 359-408; 409-499 blank
                                         {"Sequence", 500, 8, N},          // 500-507; 508-517 blank
                                         // 518 I = in-house program; 519-739 vendor details, blank then
                                         {"VendorIndicator", 518, 1, T_},
                                     }};
    return layout;
}

const RecordLayout &A()
{
    static const RecordLayout layout{"A",
                                     750,
                                     {
                                         {"PaymentYear", 2, 4, N},           // 2-5
                                         {"CombinedFederalState", 6, 1, T_}, // 6 1 = combined program, else blank
                                         // 7-11 blank
                                         {"PayerTIN", 12, 9, D},          // 12-20
                                         {"PayerNameControl", 21, 4, T_}, // 21-24
                                         {"LastFiling", 25, 1, T_},       // 25 1 = last year filing
                                         {"TypeOfReturn", 26, 2, T_},     // 26-27 A 1099-MISC, NE 1099-NEC
                                         {"AmountCodes", 28, 18, T_},     // 28-45 codes used, in order; 46-51 blank
                                         {"ForeignEntity", 52, 1, T_},    // 52
                                         {"PayerName", 53, 40, T_},       // 53-92
                                         {"PayerName2", 93, 40, T_},      // 93-132
                                         {"TransferAgent", 133, 1, N},    // 133 1 = name 2 is a transfer agent, else 0
                                         {"PayerAddress", 134, 40, T_},   // 134-173
                                         {"PayerCity", 174, 40, T_},      // 174-213
                                         {"PayerState", 214, 2, T_},      // 214-215
                                         {"PayerZIP", 216, 9, D},         // 216-224
                                         {"PayerPhone", 225, 15, D},      // 225-239; 240-499 blank
                                         {"Sequence", 500, 8, N},         // 500-507; 508-748 blank
                                     }};
    return layout;
}

const RecordLayout &B(const QString &typeOfReturn)
{
    static const std::vector<FixedField> common = joined(
        {
            {"PaymentYear", 2, 4, N},       // 2-5
            {"Corrected", 6, 1, T_},        // 6 G or C for a correction, else blank
            {"NameControl", 7, 4, T_},      // 7-10
            {"TypeOfTIN", 11, 1, T_},       // 11 1 EIN, 2 SSN/ITIN/ATIN
            {"PayeeTIN", 12, 9, D},         // 12-20
            {"AccountNumber", 21, 20, T_},  // 21-40
            {"OfficeCode", 41, 4, T_},      // 41-44; 45-54 blank
            {"ForeignCountry", 287, 1, T_}, // 287 (55-270 amounts, 271-286 blank)
            {"PayeeName", 288, 40, T_},     // 288-327
            {"PayeeName2", 328, 40, T_},    // 328-367
            {"PayeeAddress", 368, 40, T_},  // 368-407; 408-447 blank
            {"PayeeCity", 448, 40, T_},     // 448-487
            {"PayeeState", 488, 2, T_},     // 488-489
            {"PayeeZIP", 490, 9, D},        // 490-498; 499 blank
            {"Sequence", 500, 8, N},        // 500-507; 508-543 blank
        },
        amountFields("Amount", 55, 12)); // 55-270: amount codes 1-9, A-H, J
    // The form's own positions 544-750.
    static const RecordLayout miscB{"B", 750,
                                    joined(common, {
                                                       {"SecondTINNotice", 544, 1, T_}, // 544 2 or blank; 545-546 blank
                                                       {"DirectSales", 547, 1, T_},     // 547 1 or blank
                                                       {"FATCA", 548, 1, T_},           // 548 1 or blank; 549-662 blank
                                                       {"SpecialData", 663, 60, T_},    // 663-722
                                                       {"StateTax", 723, 12, M},        // 723-734
                                                       {"LocalTax", 735, 12, M},        // 735-746
                                                       {"CombinedStateCode", 747, 2, D}, // 747-748
                                                   })};
    static const RecordLayout necB{"B", 750,
                                   joined(common, {
                                                      {"SecondTINNotice", 544, 1, T_},  // 544 2 or blank; 545-546 blank
                                                      {"DirectSales", 547, 1, T_},      // 547 1 or blank
                                                      {"SpecialData", 663, 60, T_},     // 548-662 blank; 663-722
                                                      {"StateTax", 723, 12, M},         // 723-734
                                                      {"LocalTax", 735, 12, M},         // 735-746
                                                      {"CombinedStateCode", 747, 2, D}, // 747-748
                                                  })};
    return typeOfReturn == QLatin1String(nec().typeOfReturn) ? necB : miscB;
}

const RecordLayout &C()
{
    // 2-9 count of B records, 10-15 blank, 16-339 totals of the 18 amount codes, 340-499 blank,
    // 500-507 sequence number, 508-748 blank.
    static const RecordLayout layout{
        "C", 750, joined({{"PayeeCount", 2, 8, N}, {"Sequence", 500, 8, N}}, amountFields("Total", 16, 18))};
    return layout;
}

const RecordLayout &F()
{
    static const RecordLayout layout{"F",
                                     750,
                                     {
                                         {"ACount", 2, 8, N},      // 2-9 count of A records
                                         {"Zeros", 10, 21, N},     // 10-30 zeros; 31-49 blank
                                         {"PayeeCount", 50, 8, N}, // 50-57 all B records; 58-499 blank
                                         {"Sequence", 500, 8, N},  // 500-507; 508-748 blank
                                     }};
    return layout;
}

const ReturnKind &misc()
{
    static const ReturnKind kind{"A",
                                 "1099-MISC",
                                 {
                                     {'1', "Box1"},  // rents
                                     {'2', "Box2"},  // royalties
                                     {'3', "Box3"},  // other income
                                     {'4', "Box4"},  // federal income tax withheld
                                     {'5', "Box5"},  // fishing boat proceeds
                                     {'6', "Box6"},  // medical and health care payments
                                     {'8', "Box8"},  // substitute payments in lieu of dividends or interest
                                     {'A', "Box10"}, // crop insurance proceeds
                                     // Excess golden parachute payments: on 1099-NEC box 3 from 2025.
                                     {'B', "Box13", 2024},
                                     {'C', "Box14"}, // gross proceeds paid to an attorney
                                 }};
    return kind;
}

const ReturnKind &nec()
{
    static const ReturnKind kind{"NE",
                                 "1099-NEC",
                                 {
                                     {'1', "Box7"}, // nonemployee compensation
                                     {'4', "Box4"}, // federal income tax withheld
                                 }};
    return kind;
}

QString unwritableBox(const char *box, int taxYear)
{
    // The 2025 Form 1099-NEC (Rev. April 2025) reports excess golden parachute payments in box 3;
    // the amount code the 2025 Publication 1220 gives that box has not been confirmed here.
    if (qstrcmp(box, "Box13") == 0 && taxYear >= 2025)
        return QStringLiteral("box 13 (excess golden parachute payments) goes on Form 1099-NEC box 3 from tax year "
                              "2025 on, and the 1099 file's amount code for that box is not confirmed in this "
                              "version, so the file cannot carry it");
    return QString();
}

} // namespace quillory::efile::pub1220
