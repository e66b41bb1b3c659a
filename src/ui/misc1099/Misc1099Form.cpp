#include "misc1099/Misc1099Screen.h"

#include "shell/PaperForm.h"
#include "shell/StateBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

// The 1099-MISC screen's fields and the paper form they stand on.
namespace quillory {

namespace {

// One text field: its index, column, accessible name, width in characters and whether it
// holds an amount.
struct TextField {
    int index;
    const char *column;
    const char *name;
    int chars;
    bool amount;
};

// Shown and stored in this order, after the recipient's fields.
const TextField kTextFields[] = {
    {Misc1099::kBox15[0], "Box15a", "15. Informational use only, line 1", 28, false},
    {Misc1099::kBox15[1], "Box15b", "15. Informational use only, line 2", 28, false},
    {Misc1099::kStateNumber[0], "Box17b_L1", "Payer's state no, line 1", 11, false},
    {Misc1099::kStateNumber[1], "Box17b_L2", "Payer's state no, line 2", 11, false},
    {Misc1099::kBox1, "Box1", "1.  Rents", 19, true},
    {Misc1099::kBox2, "Box2", "2.  Royalties", 19, true},
    {Misc1099::kBox3, "Box3", "3.  Other income", 19, true},
    {Misc1099::kBox4, "Box4", "4.  Federal tax withheld", 19, true},
    {Misc1099::kBox5, "Box5", "5.  Fishing boat proceeds", 19, true},
    {Misc1099::kBox6, "Box6", "6.  Medical/health care", 19, true},
    {Misc1099::kBox7, "Box7", "7.  Nonemployee compensation", 19, true},
    {Misc1099::kBox8, "Box8", "8. Substitute payments in lieu of dividends or interest", 19, true},
    {Misc1099::kBox10, "Box10", "10. Crop insurance proceeds", 19, true},
    {Misc1099::kBox13, "Box13", "13.  Excess Golden Parachute Pymts.", 19, true},
    {Misc1099::kBox14, "Box14", "14.  Gross proceeds paid to an attorney", 19, true},
    {Misc1099::kBox16[0], "Box16_L1", "16. State tax withheld, line 1", 19, true},
    {Misc1099::kBox16[1], "Box16_L2", "16. State tax withheld, line 2", 19, true},
    {Misc1099::kBox18[0], "Box18_L1", "18. State income, line 1", 19, true},
    {Misc1099::kBox18[1], "Box18_L2", "18. State income, line 2", 19, true},
};

const char *const kBox9Caption = "9.  Payer made direct sales of $5,000 or more of consumer products to a buyer "
                                 "(recipient) for resale";

} // namespace

void Misc1099::makeFields()
{
    makeRecipientFields({"RECEIPIENT'S identification number", "RECEIPIENT'S name",
                         "Street address (including apt. no.)", "City, state, and ZIP code",
                         "Account number (optional)"});
    const int charWidth = fontMetrics().averageCharWidth();
    for (const TextField &f : kTextFields) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(f.index));
        edit->setAccessibleName(QString::fromLatin1(f.name));
        // The form keeps the widths given here, so that it fits the main window's usual size.
        edit->setMinimumWidth(charWidth * (f.chars + 1));
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        Text1[f.index] = edit;
        const unsigned keys = f.amount ? RecordField::Numeric | RecordField::UpperCase : RecordField::UpperCase;
        addField(edit, QString::fromLatin1(f.column)).withKeys(keys);
    }
    makeRecipientChecks();
    Check1[kBox9] = new QCheckBox(this);
    Check1[kBox9]->setObjectName(QStringLiteral("Check1_%1").arg(kBox9));
    Check1[kBox9]->setAccessibleName(QString::fromLatin1(kBox9Caption));
    addField(Check1[kBox9], QStringLiteral("Box9"));
    for (int line = 0; line < 2; ++line)
        makeStateBox(line, QStringLiteral("Box17a_L%1").arg(line + 1), QStringLiteral("State, line %1").arg(line + 1));
    makeLabels();
}

void Misc1099::makeSideNotes(PaperForm &form)
{
    // The form's name and notice stand at its right edge, as on paper.
    auto *title = new QLabel(QStringLiteral("Miscellaneous Income "), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    title->setFont(big);
    title->setWordWrap(true);
    QLabel *notice = PaperForm::captionLabel(QStringLiteral("For Paperwork Reduction  Act  Notice and instructions for "
                                                            "completing this form, see Instructions for Forms 1099, "
                                                            "1098, 5498 and W-2G."),
                                             this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    PaperBox *side = form.addBox({QString(), QString(), {0, 4, 8, 1}, {title, notice}});
    side->setMinimumWidth(fontMetrics().averageCharWidth() * 22);
    side->body()->insertStretch(1);
}

void Misc1099::buildForm()
{
    auto *form = new PaperForm(this);
    form->setObjectName(QStringLiteral("paperForm"));
    form->setWrappingCaptions(true);
    form->addBand({1, 1, 1, 1, 1});
    auto *formName = new QLabel(QStringLiteral("Form 1099-MISC"), this);
    formName->setObjectName(QStringLiteral("lblFormName"));
    auto box = [this](int index, int row, int column) -> PaperForm::Box {
        return {QString(), Text1[index]->accessibleName(), {row, column}, {Text1[index]}};
    };
    auto twoLines = [this](const int(&index)[2], const char *caption, int row, int column) -> PaperForm::Box {
        return {QString(), QString::fromLatin1(caption), {row, column}, {Text1[index[0]], Text1[index[1]]}};
    };
    form->addBoxes({
        {QString(),
         QStringLiteral("Employer's name, address, and ZIP code"),
         {0, 0, 3, 2},
         {lblEmployer[0], lblEmployer[1], lblEmployer[2], lblEmployer[3]}},
        box(kBox1, 0, 2),
        {QString(), QString(), {0, 3, 2, 1}, {formName}},
        box(kBox2, 1, 2),
        box(kBox3, 2, 2),
        box(kBox4, 2, 3),
        {QString(), QStringLiteral("PAYER'S Federal identification number"), {3, 0}, {lblFedIDNo()}},
        box(kRecipientId, 3, 1),
        box(kBox5, 3, 2),
        box(kBox6, 3, 3),
        {QString(),
         QStringLiteral("RECEIPIENT'S name"),
         {4, 0, 1, 2},
         {Text1[kRecipientName], Text1[kRecipientName + 1]}},
        box(kBox7, 4, 2),
        box(kBox8, 4, 3),
        {QString(), Text1[kStreet]->accessibleName(), {5, 0, 1, 2}, {Text1[kStreet]}},
        {QString(), QString::fromLatin1(kBox9Caption), {5, 2}, {Check1[kBox9]}},
        box(kBox10, 5, 3),
        {QString(), Text1[kCity]->accessibleName(), {6, 0, 1, 2}, {Text1[kCity]}},
        box(kBox13, 6, 2),
        box(kBox14, 6, 3),
        box(kAccount, 7, 0),
        {QString(), QString(), {7, 1}, {Check1[kSecondTin]}},
        {QString(), QString(), {7, 2, 1, 2}, {}},
        {QString(), QStringLiteral("15. Informational use only"), {8, 0, 1, 2}, {Text1[kBox15[0]], Text1[kBox15[1]]}},
        twoLines(kBox16, "16. State tax withheld", 8, 2),
        {QString(),
         QStringLiteral("17. State/Payer's state no"),
         {8, 3},
         {stateLine(0), stateLine(1)},
         cboState[kStateNumber[0]]},
        twoLines(kBox18, "18. State income", 8, 4),
    });
    makeSideNotes(*form);
    // Tab (and Enter) walk the fields in the order a 1099-MISC is filled in.
    placeForm(form, {Text1[kRecipientId],
                     Text1[kRecipientName],
                     Text1[kRecipientName + 1],
                     Text1[kStreet],
                     Text1[kCity],
                     Text1[kAccount],
                     Check1[kSecondTin],
                     Text1[kBox1],
                     Text1[kBox2],
                     Text1[kBox3],
                     Text1[kBox4],
                     Text1[kBox5],
                     Text1[kBox6],
                     Text1[kBox7],
                     Text1[kBox8],
                     Check1[kBox9],
                     Text1[kBox10],
                     Text1[kBox13],
                     Text1[kBox14],
                     Text1[kBox15[0]],
                     Text1[kBox16[0]],
                     cboState[kStateNumber[0]],
                     Text1[kBox18[0]],
                     Text1[kBox15[1]],
                     Text1[kBox16[1]],
                     cboState[kStateNumber[1]],
                     Text1[kBox18[1]],
                     Check1[kCorrected]});
}

} // namespace quillory
