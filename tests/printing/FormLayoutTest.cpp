#include "printing/FormLayout.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "printing/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class Layout : public test::FreshDatabase {
protected:
    void addFormat(const QString &form, const QString &field, QVariant x, QVariant y, QVariant length = 1440,
                   int justify = 0, int type = 0)
    {
        db.exec("INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) "
                "VALUES (?, ?, ?, ?, ?, ?, ?)",
                {form, type, field, x, y, length, justify});
    }

    RecordSet w2Row()
    {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setText("Boxb", "12-3456789");
        rs.setText("Boxe_LName", "OBRIEN");
        rs.setMoney("Box1", Money::fromCents(123450));
        rs.setMoney("Box2", Money::fromCents(-700));
        rs.setValue("Tfid", 4242);
        rs.update();
        return RecordSet::table(db, "W2");
    }

    // Prints the test W-2 as the upper form of a sheet of the given paper kind.
    RecordingPrinter printW2(const QString &kind)
    {
        RecordingPrinter printer;
        const FormOrigin origin = GetFormOrigin(db, kind);
        const FieldLayout layout = OpenFieldLayout(db, "W2", 0);
        SetFormFont(printer);
        PrintRowOnForm(printer, w2Row(), layout, origin.top, origin.left);
        EndPrintJob(printer);
        return printer;
    }
};

} // namespace

TEST(FormatAmount, ZeroEmptyAndWordsPrintNothingOtherAmountsTwoDecimals)
{
    const QPair<const char *, const char *> cases[] = {{"0", ""},
                                                       {"", ""},
                                                       {"word", ""},
                                                       {"0.004", ""},
                                                       {"1234.5", "1234.50"},
                                                       {"-7", "-7.00"},
                                                       {"56.789", "56.79"},
                                                       {"1e3", "1000.00"},
                                                       {"1234567.005", "1234567.01"}};
    for (const auto &[text, printed] : cases)
        EXPECT_EQ(FormatAmount(text), printed) << text;
    EXPECT_EQ(FormatAmount(ValueText(QVariant(), ColumnKind::Money)), "");
    // Stored money is ten-thousandths: 1234.5 is kept as 12345000.
    EXPECT_EQ(FormatAmount(ValueText(qlonglong(12345000), ColumnKind::Money)), "1234.50");
    EXPECT_EQ(ValueText(-1, ColumnKind::Flag), "True");
}

TEST(PlaceFieldText, AmountsEndAtTheRightEdgeOfTheBoxAndTextRunsInFull)
{
    RecordingPrinter printer;
    SetFormFont(printer);
    LayoutField field;
    field.xPos1 = Twips(100);
    field.yPos1 = Twips(50);
    field.fieldLength = Twips(1440);

    // Wider than the box: extends to the left of xPos1, still ending at the edge.
    PlaceFieldText(printer, field, "123456789012.5", Twips(0), Twips(0), true);
    EXPECT_LT(printer.placed().at(0).x, Twips(100));
    EXPECT_EQ(printer.placed().at(0).x + printer.textWidth("123456789012.50"), Twips(1540));

    const QString longText = "A NAME MUCH LONGER THAN ITS ONE INCH BOX";
    PlaceFieldText(printer, field, longText, Twips(10), Twips(20), false);
    EXPECT_EQ(printer.placed().at(1).text, longText);
    EXPECT_EQ(printer.placed().at(1).x, Twips(120));

    PlaceFieldText(printer, field, "0", Twips(0), Twips(0), true);
    EXPECT_EQ(printer.placed().size(), 2);
    EXPECT_EQ(printer.fieldBoxes().at(1).box, TwipsRect::of(120, 60, 1440, 240));
}

TEST_F(Layout, OnlyColumnsWithALayoutRowPrintAndTheFirstRowOfAFieldWins)
{
    const RecordingPrinter printer = printW2("W2-L");
    QStringList texts;
    for (const auto &p : printer.placed())
        texts << p.text;
    // Ids, filer numbers, blank text and zero amounts stay off the form. The plain rule prints
    // the box 13 flags as they read; the W-2 run has its own rule for them.
    EXPECT_EQ(texts, QStringList({"12-3456789", "OBRIEN", "1234.50", "-7.00", "False", "False", "False"}));
    EXPECT_EQ(printer.placed().at(0).font, PrinterFont({"Courier New", 12, false}));
    EXPECT_EQ(printer.jobsEnded(), 1);

    addFormat("T", "boxe_lname", 500, 600);
    addFormat("T", "Boxe_LName", 900, 900);
    addFormat("T", "NoSuchColumn", 10, 10);
    const FieldLayout layout = OpenFieldLayout(db, "T", 0);
    EXPECT_EQ(layout.find("BOXE_LNAME")->xPos1, Twips(500));
    EXPECT_EQ(layout.find("Box1"), nullptr);
    RecordingPrinter other;
    PrintRowOnForm(other, w2Row(), layout, Twips(0), Twips(0));
    ASSERT_EQ(other.placed().size(), 1);
    EXPECT_EQ(other.placed().at(0).x, Twips(500));
    EXPECT_EQ(other.placed().at(0).y, Twips(600));
}

TEST_F(Layout, BadMarginsAndLayoutRowsAreErrorsNotWrapArounds)
{
    EXPECT_THROW(GetFormOrigin(db, "W2-X"), DbError);
    const FormOrigin none = GetFormOrigin(db, "W2-X", MissingMargins::UseZero);
    EXPECT_EQ(none.top, Twips(0));
    EXPECT_EQ(none.left, Twips(0));

    db.exec("UPDATE PrintMargins SET TopMargin = 32000, TopMargAdjust = 900 WHERE FormName = 'W3'");
    try {
        GetFormOrigin(db, "W3");
        FAIL() << "a 16-bit sum out of range must fail";
    } catch (const DbError &e) {
        EXPECT_NE(QString(e.what()).indexOf("Overflow"), -1) << e.what();
    }
    db.exec("UPDATE PrintMargins SET TopMargin = -32000, TopMargAdjust = -900 WHERE FormName = 'W3'");
    EXPECT_THROW(GetFormOrigin(db, "W3"), DbError);
    db.exec("UPDATE PrintMargins SET TopMargin = 32000, TopMargAdjust = 767 WHERE FormName = 'W3'");
    EXPECT_EQ(GetFormOrigin(db, "W3").top, Twips(32767));

    addFormat("BIG", "Box1", 40000, 100);
    EXPECT_THROW(OpenFieldLayout(db, "BIG", 0), DbError);
    EXPECT_EQ(OpenFieldLayout(db, "BIG", 0, LayoutNumbers::Int32).fields().at(0).xPos1, Twips(40000));

    // Each position fits, their sum with the origin does not.
    addFormat("SUM", "Box1", 32000, 100);
    const FieldLayout layout = OpenFieldLayout(db, "SUM", 0);
    RecordingPrinter printer;
    EXPECT_THROW(PlaceFieldText(printer, layout.fields().at(0), "5", Twips(0), Twips(1000), true), DbError);
    EXPECT_TRUE(printer.placed().isEmpty());
    EXPECT_NO_THROW(PlaceFieldText(printer, layout.fields().at(0), "5", Twips(0), Twips(767), true));
}

TEST_F(Layout, LayoutsAreReadByTypeWhenOneIsGiven)
{
    addFormat("T", "Box1", 10, 10, 1440, 1, 0);
    addFormat("T", "Box2", 10, 300, 1440, 1, 1);
    EXPECT_EQ(OpenFieldLayout(db, "T", 0).fields().size(), 1);
    EXPECT_EQ(OpenFieldLayout(db, "T", std::nullopt).fields().size(), 2);
    EXPECT_TRUE(OpenFieldLayout(db, "none", 0).fields().isEmpty());
}
