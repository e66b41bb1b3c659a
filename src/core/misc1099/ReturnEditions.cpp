#include "misc1099/ReturnEditions.h"

#include <QRegularExpression>

namespace quillory {

namespace {

const char *const kDirectSales = "Payer made direct sales totaling $5,000 or more of consumer products to "
                                 "recipient for resale";

// Form 1099-NEC (Rev. April 2025), for payments made in 2025.
const ReturnEdition kNec2025{"1099-NEC",
                             "Rev. April 2025",
                             {
                                 {"1", "Nonemployee compensation", "NonemployeeComp", BoxKind::Amount, 0, 0, 0},
                                 {"2", kDirectSales, "DirectSales", BoxKind::Mark, 0, 1, 0},
                                 {"3", "Excess golden parachute payments", "GoldenParachute", BoxKind::Amount, 0, 2, 0},
                                 {"4", "Federal income tax withheld", "FedTaxWithheld", BoxKind::Amount, 0, 3, 0},
                                 {"5", "State tax withheld", "StateTax_L1", BoxKind::Amount, 1, 0, 0},
                                 {"6", "State/Payer's state no.", "State_L1", BoxKind::State, 1, 0, 1, "StateNo_L1"},
                                 {"7", "State income", "StateIncome_L1", BoxKind::Amount, 1, 0, 2},
                                 {"5", "State tax withheld", "StateTax_L2", BoxKind::Amount, 2, 0, 0},
                                 {"6", "State/Payer's state no.", "State_L2", BoxKind::State, 2, 0, 1, "StateNo_L2"},
                                 {"7", "State income", "StateIncome_L2", BoxKind::Amount, 2, 0, 2},
                             }};

// Form 1099-NEC (Rev. December 2026), for payments made from 2026 on (a continuous-use revision).
const ReturnEdition kNec2026{"1099-NEC",
                             "Rev. December 2026",
                             {
                                 {"1a", "Nonemployee compensation", "NonemployeeComp", BoxKind::Amount, 0, 0, 0},
                                 {"1b", "Cash tips", "CashTips", BoxKind::Amount, 0, 1, 0},
                                 {"1c", "TTOC", "TipCode1", BoxKind::TipCodes, 0, 1, 1, "TipCode2"},
                                 {"1d", "Overtime compensation", "Overtime", BoxKind::Amount, 0, 2, 0},
                                 {"2", kDirectSales, "DirectSales", BoxKind::Mark, 0, 3, 0},
                                 {"3", "Excess golden parachute payments", "GoldenParachute", BoxKind::Amount, 0, 4, 0},
                                 {"4", "Federal income tax withheld", "FedTaxWithheld", BoxKind::Amount, 0, 5, 0},
                                 {"5", "State tax withheld", "StateTax_L1", BoxKind::Amount, 1, 0, 0},
                                 {"6", "State/Payer's state no.", "State_L1", BoxKind::State, 1, 0, 1, "StateNo_L1"},
                                 {"7", "State income", "StateIncome_L1", BoxKind::Amount, 1, 0, 2},
                                 {"5", "State tax withheld", "StateTax_L2", BoxKind::Amount, 2, 0, 0},
                                 {"6", "State/Payer's state no.", "State_L2", BoxKind::State, 2, 0, 1, "StateNo_L2"},
                                 {"7", "State income", "StateIncome_L2", BoxKind::Amount, 2, 0, 2},
                             }};

// The 1099-MISC's state lines, boxes 16-18 in both editions, in the columns of the older form.
QVector<BoxRow> withMiscStateLines(QVector<BoxRow> boxes)
{
    boxes += {
        {"16", "State tax withheld", "Box16_L1", BoxKind::Amount, 1, 0, 0},
        {"17", "State/Payer's state no.", "Box17a_L1", BoxKind::State, 1, 0, 1, "Box17b_L1"},
        {"18", "State income", "Box18_L1", BoxKind::Amount, 1, 0, 2},
        {"16", "State tax withheld", "Box16_L2", BoxKind::Amount, 2, 0, 0},
        {"17", "State/Payer's state no.", "Box17a_L2", BoxKind::State, 2, 0, 1, "Box17b_L2"},
        {"18", "State income", "Box18_L2", BoxKind::Amount, 2, 0, 2},
    };
    return boxes;
}

// Form 1099-MISC (Rev. April 2025), for payments made in 2025: excess golden parachute payments
// left for the 1099-NEC, box 14 is reserved.
const ReturnEdition kMisc2025{
    "1099-MISC", "Rev. April 2025",
    withMiscStateLines({
        {"1", "Rents", "Box1", BoxKind::Amount, 0, 0, 0},
        {"2", "Royalties", "Box2", BoxKind::Amount, 0, 1, 0},
        {"3", "Other income", "Box3", BoxKind::Amount, 0, 2, 0},
        {"4", "Federal income tax withheld", "Box4", BoxKind::Amount, 0, 2, 1},
        {"5", "Fishing boat proceeds", "Box5", BoxKind::Amount, 0, 3, 0},
        {"6", "Medical and health care payments", "Box6", BoxKind::Amount, 0, 3, 1},
        {"7", kDirectSales, "Box9", BoxKind::Mark, 0, 4, 0},
        {"8", "Substitute payments in lieu of dividends or interest", "Box8", BoxKind::Amount, 0, 4, 1},
        {"9", "Crop insurance proceeds", "Box10", BoxKind::Amount, 0, 5, 0},
        {"10", "Gross proceeds paid to an attorney", "Box14", BoxKind::Amount, 0, 5, 1},
        {"11", "Fish purchased for resale", "FishPurchased", BoxKind::Amount, 0, 6, 0},
        {"12", "Section 409A deferrals", "Deferrals409A", BoxKind::Amount, 0, 6, 1},
        {"13", "FATCA filing requirement", "Fatca", BoxKind::Mark, 0, 7, 0},
        {"15", "Nonqualified deferred compensation", "NqDeferredComp", BoxKind::Amount, 0, 7, 1},
    })};

// Form 1099-MISC (Rev. December 2026), for payments made from 2026 on.
const ReturnEdition kMisc2026{
    "1099-MISC", "Rev. December 2026",
    withMiscStateLines({
        {"1", "Rents", "Box1", BoxKind::Amount, 0, 0, 0},
        {"2", "Royalties", "Box2", BoxKind::Amount, 0, 1, 0},
        {"3", "Other income", "Box3", BoxKind::Amount, 0, 2, 0},
        {"4", "Federal income tax withheld", "Box4", BoxKind::Amount, 0, 2, 1},
        {"5", "Fishing boat proceeds", "Box5", BoxKind::Amount, 0, 3, 0},
        {"6", "Medical and health care payments", "Box6", BoxKind::Amount, 0, 3, 1},
        {"7", kDirectSales, "Box9", BoxKind::Mark, 0, 4, 0},
        {"8", "Substitute payments in lieu of dividends or interest", "Box8", BoxKind::Amount, 0, 4, 1},
        {"9", "Crop insurance proceeds", "Box10", BoxKind::Amount, 0, 5, 0},
        {"10", "Gross proceeds paid to an attorney", "Box14", BoxKind::Amount, 0, 5, 1},
        {"11", "Fish purchased for resale", "FishPurchased", BoxKind::Amount, 0, 6, 0},
        {"12", "Section 409A deferrals", "Deferrals409A", BoxKind::Amount, 0, 6, 1},
        {"13a", "Cash tips", "CashTips", BoxKind::Amount, 0, 7, 0},
        {"13b", "TTOC", "TipCode1", BoxKind::TipCodes, 0, 7, 1, "TipCode2"},
        {"", "FATCA filing requirement", "Fatca", BoxKind::Mark, 0, 8, 0},
        {"14", "Overtime compensation", "Overtime", BoxKind::Amount, 0, 9, 0},
        {"15", "Nonqualified deferred compensation", "NqDeferredComp", BoxKind::Amount, 0, 9, 1},
    })};

} // namespace

const ReturnEdition *miscEdition(int year)
{
    if (year >= 2026)
        return &kMisc2026;
    return year == 2025 ? &kMisc2025 : nullptr;
}

const ReturnEdition *necEdition(int year)
{
    if (year >= 2026)
        return &kNec2026;
    return year == 2025 ? &kNec2025 : nullptr;
}

QString tipCodeProblem(const QString &box, const QString &code)
{
    // Instructions for Forms 1099-MISC and 1099-NEC (Rev. December 2026), boxes 1c and 13b: up to
    // two Treasury Tipped Occupation Codes of three digits, 000 for a nonqualifying occupation.
    static const QRegularExpression threeDigits(QStringLiteral("^\\d{3}$"));
    if (code.isEmpty() || threeDigits.match(code).hasMatch())
        return {};
    return QStringLiteral("Box %1: \"%2\" is no tipped occupation code. Enter three digits from the IRS list of "
                          "Treasury Tipped Occupation Codes, or 000 for tips received in an occupation that does "
                          "not qualify.")
        .arg(box, code);
}

} // namespace quillory
