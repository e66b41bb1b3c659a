#include "print_w2/W3Print.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "print_1099/Print1096.h"
#include "printing/FormLayout.h"
#include "printing/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class W3Print : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open(folder.databasePath());
        db.exec("INSERT INTO W3 (Boxe, Boxd, Boxf, Boxc, Boxb_941, Box1, Box2, Box13) VALUES "
                "('12-3456789', '1', 'Acme', 2, 'X', 35005000, 0, 'Third-Party Sick Pay Recap')");
    }
    test::TestFolder folder;
    Database db;
    RecordingPrinter printer;
};

} // namespace

TEST_F(W3Print, FormPlacesTotalsRightAlignedAndMarksInTheirBoxes)
{
    db.exec("UPDATE PrintMargins SET TopMargAdjust = 90 WHERE FormName = 'W3'");
    PrintW3Form(db, printer, "12-3456789");
    EXPECT_EQ(printer.jobsEnded(), 1);
    const FieldLayout layout = OpenFieldLayout(db, "W3", std::nullopt, LayoutNumbers::Int32);
    const LayoutField *box1 = layout.find("Box1");
    const auto *total = printer.find("3500.50");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->y, box1->yPos1 + Twips(90));
    EXPECT_EQ(total->x + Twips(7 * 144), box1->xPos1 + box1->fieldLength);
    EXPECT_TRUE(printer.find("X"));
    EXPECT_TRUE(printer.find("Acme"));
    // Box 13's label sits among the amounts and prints blank; zero totals print nothing.
    EXPECT_FALSE(printer.find("Third-Party Sick Pay Recap"));
    EXPECT_FALSE(printer.find("0.00"));
}

TEST_F(W3Print, AnEmployerWithoutASummaryPrintsNothing)
{
    EXPECT_THROW(PrintW3Form(db, printer, "99-9999999"), DbError);
    EXPECT_TRUE(printer.placed().isEmpty());
    EXPECT_EQ(printer.jobsEnded(), 0);
}

TEST_F(W3Print, ReportIsOneJobWithABoldTitleAndABlockPerRow)
{
    db.exec("INSERT INTO W3 (Boxe, Box1) VALUES ('98-7654321', 10000)");
    PrintW3Report(db, printer, QDate(2002, 1, 31));
    EXPECT_EQ(printer.jobsEnded(), 1);
    const auto *title = printer.find("2001 W3 Summary Report");
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->x, Twips(360 + 29 * 144)); // inside the quarter-inch margin
    EXPECT_TRUE(printer.find("01/31/02"));
    const auto *first = printer.find("  Tax ID: 12-3456789");
    const auto *second = printer.find("  Tax ID: 98-7654321");
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(first->font.bold);
    const auto *box1 = printer.find("  Box 1:  $3,500.50");
    ASSERT_TRUE(box1);
    EXPECT_EQ(box1->x, Twips(360 + 54 * 144));
    EXPECT_EQ(box1->y, first->y);
    // 19 lines and two empty ones between the blocks.
    EXPECT_EQ(second->y - first->y, Twips(21 * 272));
    // Too long for column 55 on Letter paper: a line of its own from column 1.
    const auto *box13 = printer.find(" Box 13:  Third-Party Sick Pay Recap");
    ASSERT_TRUE(box13);
    EXPECT_EQ(box13->x, Twips(360));
    EXPECT_TRUE(printer.find("  Box 2:  $0.00"));
}

TEST_F(W3Print, AnEmptyTableFailsTheReportWithoutEndingAJob)
{
    db.exec("DELETE FROM W3");
    EXPECT_THROW(PrintW3Report(db, printer), DbError);
    EXPECT_EQ(printer.jobsEnded(), 0);
}

TEST_F(W3Print, BothReportsStayInsideTheMarginsOnEveryPaperAndLoseNothingAtAPageBreak)
{
    // Six blocks of each report (several pages), the longest texts and the largest totals.
    for (int i = 0; i < 5; ++i)
        db.exec("INSERT INTO W3 SELECT * FROM W3 LIMIT 1");
    db.exec("UPDATE W3 SET Boxf = ?, Box1 = 999999999900, Box19 = 999999999900", {QString(40, 'F')});
    for (int i = 0; i < 6; ++i)
        db.exec("INSERT INTO \"1096\" (Box1, Box2, PayerName, PayerL2, Box3, Box4, Box5) VALUES "
                "('12-3456789', '123-45-6789', ?, ?, 99999, 999999999900, 999999999900)",
                {QString(40, 'P'), QString(70, 'L')});
    const struct {
        QSize page;
        QMargins unprintable;
    } papers[] = {{{12240, 15840}, {}}, {{11906, 16838}, {}}, {{11906, 16838}, {432, 288, 432, 720}}};
    for (const auto &paper : papers) {
        for (const bool w3 : {true, false}) {
            SCOPED_TRACE(paper.page.width());
            RecordingPrinter out(std::make_shared<FixedPitchMetrics>(), paper.page, paper.unprintable);
            w3 ? PrintW3Report(db, out, QDate(2002, 1, 31)) : Print1096Report(db, out, QDate(2002, 1, 31));
            EXPECT_EQ(out.jobSetup(1).name, w3 ? "W-3 Summary Report" : "1096 Summary Report");
            EXPECT_EQ(out.jobSetup(1).paper, JobPaper::Plain);
            const QMargins m(std::max(360, paper.unprintable.left()), std::max(360, paper.unprintable.top()),
                             std::max(360, paper.unprintable.right()), std::max(360, paper.unprintable.bottom()));
            const QRect inside = QRect(QPoint(0, 0), paper.page).marginsRemoved(m);
            QString all;
            int pages = 1;
            for (const auto &p : out.placed()) {
                EXPECT_TRUE(inside.contains(
                    QRect(p.x.value(), p.y.value(), out.textWidth(p.text).value(), out.textHeight().value())))
                    << p.text.toStdString() << " at " << p.x << ", " << p.y;
                all += p.text + '|';
                pages = std::max(pages, p.page);
            }
            EXPECT_GT(pages, 1);
            // Every block whole: the last line of each block, the totals and the long texts.
            const QString last = w3 ? " Box 19:  $99,999,999.99" : "No of 1099s: 99999";
            EXPECT_EQ(all.count(last), 6);
            EXPECT_EQ(all.count(w3 ? 'F' : 'L'), w3 ? 6 * 40 : 6 * 70);
            EXPECT_EQ(all.count(w3 ? "Third-Party Sick Pay Recap" : "$99,999,999.99"), w3 ? 6 : 12);
        }
    }
}
