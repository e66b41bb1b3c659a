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

const char *const kBox9Caption = "9.  Payer made direct sales of $5,000 or more of consumer products to a buyer "
                                 "(recipient) for resale";

// What a row's field is: a field or mark of the recipient's block (made with it), an amount,
// text, a mark, or a state line (the state box and the payer's state number beside it).
enum class FieldKind { Recipient, RecipientMark, Amount, Text, Mark, StateLine };

// One field of the 1999-2019 form, in the order Tab (and Enter) walk them: what it is, its index
// (Text1, Check1, or the state line), column, accessible name, width in characters, the cell of
// its box on the paper form (rows of one cell share the box) and the box's caption (none: the
// field's accessible name).
struct Row {
    FieldKind kind;
    int index;
    const char *column;
    const char *name;
    int chars;
    PaperForm::Cell cell;
    const char *caption;
};

// clang-format off
const Row kRows[] = {
    {FieldKind::Recipient, Misc1099::kRecipientId, nullptr, nullptr, 0, {3, 1}, nullptr},
    {FieldKind::Recipient, Misc1099::kRecipientName, nullptr, nullptr, 0, {4, 0, 1, 2}, "RECEIPIENT'S name"},
    {FieldKind::Recipient, Misc1099::kRecipientName + 1, nullptr, nullptr, 0, {4, 0, 1, 2}, nullptr},
    {FieldKind::Recipient, Misc1099::kStreet, nullptr, nullptr, 0, {5, 0, 1, 2}, nullptr},
    {FieldKind::Recipient, Misc1099::kCity, nullptr, nullptr, 0, {6, 0, 1, 2}, nullptr},
    {FieldKind::Recipient, Misc1099::kAccount, nullptr, nullptr, 0, {7, 0}, nullptr},
    {FieldKind::RecipientMark, Misc1099::kSecondTin, nullptr, nullptr, 0, {7, 1}, ""},
    {FieldKind::Amount, Misc1099::kBox1, "Box1", "1.  Rents", 19, {0, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox2, "Box2", "2.  Royalties", 19, {1, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox3, "Box3", "3.  Other income", 19, {2, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox4, "Box4", "4.  Federal tax withheld", 19, {2, 3}, nullptr},
    {FieldKind::Amount, Misc1099::kBox5, "Box5", "5.  Fishing boat proceeds", 19, {3, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox6, "Box6", "6.  Medical/health care", 19, {3, 3}, nullptr},
    {FieldKind::Amount, Misc1099::kBox7, "Box7", "7.  Nonemployee compensation", 19, {4, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox8, "Box8", "8. Substitute payments in lieu of dividends or interest", 19, {4, 3},
     nullptr},
    {FieldKind::Mark, Misc1099::kBox9, "Box9", kBox9Caption, 0, {5, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox10, "Box10", "10. Crop insurance proceeds", 19, {5, 3}, nullptr},
    {FieldKind::Amount, Misc1099::kBox13, "Box13", "13.  Excess Golden Parachute Pymts.", 19, {6, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox14, "Box14", "14.  Gross proceeds paid to an attorney", 19, {6, 3}, nullptr},
    {FieldKind::Text, Misc1099::kBox15[0], "Box15a", "15. Informational use only, line 1", 28, {8, 0, 1, 2},
     "15. Informational use only"},
    {FieldKind::Amount, Misc1099::kBox16[0], "Box16_L1", "16. State tax withheld, line 1", 19, {8, 2},
     "16. State tax withheld"},
    {FieldKind::StateLine, 0, "Box17a_L1", "State, line 1", 11, {8, 3}, "17. State/Payer's state no"},
    {FieldKind::Amount, Misc1099::kBox18[0], "Box18_L1", "18. State income, line 1", 19, {8, 4}, "18. State income"},
    {FieldKind::Text, Misc1099::kBox15[1], "Box15b", "15. Informational use only, line 2", 28, {8, 0, 1, 2}, nullptr},
    {FieldKind::Amount, Misc1099::kBox16[1], "Box16_L2", "16. State tax withheld, line 2", 19, {8, 2}, nullptr},
    {FieldKind::StateLine, 1, "Box17a_L2", "State, line 2", 11, {8, 3}, nullptr},
    {FieldKind::Amount, Misc1099::kBox18[1], "Box18_L2", "18. State income, line 2", 19, {8, 4}, nullptr},
};
// clang-format on

// The payer's state number beside the state box of each line, and its column.
const char *const kStateNumberColumns[2] = {"Box17b_L1", "Box17b_L2"};
const char *const kStateNumberNames[2] = {"Payer's state no, line 1", "Payer's state no, line 2"};

} // namespace

QWidget *Misc1099::rowField(int row) const
{
    const Row &r = kRows[row];
    if (r.kind == FieldKind::Mark || r.kind == FieldKind::RecipientMark)
        return Check1[r.index];
    if (r.kind == FieldKind::StateLine)
        return cboState[kStateNumber[r.index]];
    return Text1[r.index];
}

void Misc1099::makeFields()
{
    makeRecipientFields({"RECEIPIENT'S identification number", "RECEIPIENT'S name",
                         "Street address (including apt. no.)", "City, state, and ZIP code",
                         "Account number (optional)"});
    makeRecipientChecks();
    for (const Row &r : kRows) {
        const QString column = QString::fromLatin1(r.column);
        switch (r.kind) {
        case FieldKind::Recipient:
        case FieldKind::RecipientMark:
            break;
        case FieldKind::Amount:
        case FieldKind::Text:
            Text1[r.index] = newLineEdit(QStringLiteral("Text1_%1").arg(r.index), QString::fromLatin1(r.name), r.chars);
            addField(Text1[r.index], column)
                .withKeys(r.kind == FieldKind::Amount ? RecordField::Numeric | RecordField::UpperCase
                                                      : RecordField::UpperCase);
            break;
        case FieldKind::Mark:
            Check1[r.index] = new QCheckBox(this);
            Check1[r.index]->setObjectName(QStringLiteral("Check1_%1").arg(r.index));
            Check1[r.index]->setAccessibleName(QString::fromLatin1(r.name));
            addField(Check1[r.index], column);
            break;
        case FieldKind::StateLine: {
            const int number = kStateNumber[r.index];
            Text1[number] = newLineEdit(QStringLiteral("Text1_%1").arg(number),
                                        QString::fromLatin1(kStateNumberNames[r.index]), r.chars);
            addField(Text1[number], QString::fromLatin1(kStateNumberColumns[r.index])).withKeys(RecordField::UpperCase);
            makeStateBox(r.index, column, QString::fromLatin1(r.name));
            break;
        }
        }
    }
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
    form->addBoxes({
        {QString(),
         QStringLiteral("Employer's name, address, and ZIP code"),
         {0, 0, 3, 2},
         {lblEmployer[0], lblEmployer[1], lblEmployer[2], lblEmployer[3]}},
        {QString(), QString(), {0, 3, 2, 1}, {formName}},
        {QString(), QStringLiteral("PAYER'S Federal identification number"), {3, 0}, {lblFedIDNo()}},
        {QString(), QString(), {7, 2, 1, 2}, {}},
    });
    // The fields of each cell in one box, in the order of the table, which Tab follows.
    QVector<QWidget *> tabOrder;
    struct CellBox {
        int first; // its first row
        QVector<QWidget *> fields;
    };
    QVector<CellBox> boxes;
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const Row &r = kRows[i];
        tabOrder << rowField(i);
        QWidget *field = r.kind == FieldKind::StateLine ? stateLine(r.index) : rowField(i);
        auto box = std::find_if(boxes.begin(), boxes.end(), [&r](const CellBox &b) {
            return kRows[b.first].cell.row == r.cell.row && kRows[b.first].cell.column == r.cell.column;
        });
        if (box == boxes.end())
            boxes.append({i, {field}});
        else
            box->fields << field;
    }
    // A state line's box names its first state box.
    for (const CellBox &b : boxes) {
        const Row &first = kRows[b.first];
        const QString caption =
            first.caption ? QString::fromLatin1(first.caption) : rowField(b.first)->accessibleName();
        form->addBox({QString(), caption, first.cell, b.fields,
                      first.kind == FieldKind::StateLine ? rowField(b.first) : nullptr});
    }
    makeSideNotes(*form);
    placeForm(form, tabOrder << Check1[kCorrected]);
}

} // namespace quillory
