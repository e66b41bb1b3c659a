#include "efile/Pub1220Layout.h"

#include <deque>

namespace quillory::efile::pub1220 {

namespace {
constexpr FieldKind T_ = FieldKind::Text;
constexpr FieldKind D = FieldKind::Digits;
constexpr FieldKind N = FieldKind::Count;
constexpr FieldKind M = FieldKind::Money;

// The 18 payment amounts: 12 positions each from 55 in B, 18 positions each from 16 in C.
std::vector<LayoutField> amountFields(const char *prefix, int start, int length)
{
    static std::deque<QByteArray> names; // never moves, so the layouts may point into it
    std::vector<LayoutField> fields;
    for (int i = 0; i < amountCodes().size(); ++i) {
        names.push_back(QByteArray(prefix) + ' ' + amountCodes().at(i));
        fields.push_back({names.back().constData(), start + i * length, length, M});
    }
    return fields;
}

std::vector<LayoutField> joined(std::vector<LayoutField> a, const std::vector<LayoutField> &b)
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

// Positions, lengths and fill rules as IRS Publication 1220 gives them for the years above.
const RecordLayout &T()
{
    static const RecordLayout layout{"T",
                                     750,
                                     {
                                         {"PaymentYear", 2, 4, N},        {"PriorYear", 6, 1, T_},
                                         {"TransmitterTIN", 7, 9, D},     {"TCC", 16, 5, T_},
                                         {"TestFile", 28, 1, T_},         {"ForeignEntity", 29, 1, T_},
                                         {"TransmitterName", 30, 40, T_}, {"TransmitterName2", 70, 40, T_},
                                         {"CompanyName", 110, 40, T_},    {"CompanyName2", 150, 40, T_},
                                         {"CompanyAddress", 190, 40, T_}, {"CompanyCity", 230, 40, T_},
                                         {"CompanyState", 270, 2, T_},    {"CompanyZIP", 272, 9, D},
                                         {"PayeeCount", 296, 8, N},       {"ContactName", 304, 40, T_},
                                         {"ContactPhone", 344, 15, D},    {"ContactEmail", 359, 50, T_},
                                         {"Sequence", 500, 8, N},         {"VendorIndicator", 518, 1, T_},
                                     }};
    return layout;
}

const RecordLayout &A()
{
    static const RecordLayout layout{"A",
                                     750,
                                     {
                                         {"PaymentYear", 2, 4, N},
                                         {"CombinedFederalState", 6, 1, T_},
                                         {"PayerTIN", 12, 9, D},
                                         {"PayerNameControl", 21, 4, T_},
                                         {"LastFiling", 25, 1, T_},
                                         {"TypeOfReturn", 26, 2, T_},
                                         {"AmountCodes", 28, 18, T_},
                                         {"ForeignEntity", 52, 1, T_},
                                         {"PayerName", 53, 40, T_},
                                         {"PayerName2", 93, 40, T_},
                                         {"TransferAgent", 133, 1, N},
                                         {"PayerAddress", 134, 40, T_},
                                         {"PayerCity", 174, 40, T_},
                                         {"PayerState", 214, 2, T_},
                                         {"PayerZIP", 216, 9, D},
                                         {"PayerPhone", 225, 15, D},
                                         {"Sequence", 500, 8, N},
                                     }};
    return layout;
}

const RecordLayout &B(const QString &typeOfReturn)
{
    static const std::vector<LayoutField> common = joined(
        {
            {"PaymentYear", 2, 4, N},
            {"Corrected", 6, 1, T_},
            {"NameControl", 7, 4, T_},
            {"TypeOfTIN", 11, 1, T_},
            {"PayeeTIN", 12, 9, D},
            {"AccountNumber", 21, 20, T_},
            {"OfficeCode", 41, 4, T_},
            {"ForeignCountry", 287, 1, T_},
            {"PayeeName", 288, 40, T_},
            {"PayeeName2", 328, 40, T_},
            {"PayeeAddress", 368, 40, T_},
            {"PayeeCity", 448, 40, T_},
            {"PayeeState", 488, 2, T_},
            {"PayeeZIP", 490, 9, D},
            {"Sequence", 500, 8, N},
        },
        amountFields("Amount", 55, 12));
    // The form's own positions 544-750.
    static const RecordLayout miscB{"B", 750,
                                    joined(common, {
                                                       {"SecondTINNotice", 544, 1, T_},
                                                       {"DirectSales", 547, 1, T_},
                                                       {"FATCA", 548, 1, T_},
                                                       {"SpecialData", 663, 60, T_},
                                                       {"StateTax", 723, 12, M},
                                                       {"LocalTax", 735, 12, M},
                                                       {"CombinedStateCode", 747, 2, D},
                                                   })};
    static const RecordLayout necB{"B", 750,
                                   joined(common, {
                                                      {"SecondTINNotice", 545, 1, T_},
                                                      {"DirectSales", 548, 1, T_},
                                                      {"SpecialData", 663, 60, T_},
                                                      {"StateTax", 723, 12, M},
                                                      {"LocalTax", 735, 12, M},
                                                      {"CombinedStateCode", 747, 2, D},
                                                  })};
    return typeOfReturn == QLatin1String(nec().typeOfReturn) ? necB : miscB;
}

const RecordLayout &C()
{
    static const RecordLayout layout{
        "C", 750, joined({{"PayeeCount", 2, 8, N}, {"Sequence", 500, 8, N}}, amountFields("Total", 16, 18))};
    return layout;
}

const RecordLayout &F()
{
    static const RecordLayout layout{"F",
                                     750,
                                     {
                                         {"ACount", 2, 8, N},
                                         {"Zeros", 10, 21, N},
                                         {"PayeeCount", 50, 8, N},
                                         {"Sequence", 500, 8, N},
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
                                     {'B', "Box13"}, // excess golden parachute payments
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

} // namespace quillory::efile::pub1220
