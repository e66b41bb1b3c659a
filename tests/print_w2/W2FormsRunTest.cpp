#include "print_w2/W2FormsRun.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "printing/RecordingPrinter.h"
#include "support/PrintRun.h"
#include "support/PrintedBoxes.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class W2FormsRun : public test::FreshDatabase {
protected:
    qlonglong addW2(const QString &ssn, const QString &boxb = "12-3456789", qint64 box1Cents = 150000)
    {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setText("Boxb", boxb);
        rs.setText("Boxd", ssn);
        rs.setText("Boxe_LName", "Doe");
        rs.setMoney("Box1", Money::fromCents(box1Cents));
        rs.update();
        rs.moveLast();
        return rs.integer("id");
    }

    LayoutField field(const char *name) { return *OpenFieldLayout(db, "W2", 0).find(name); }

    RecordingPrinter printer;
};

} // namespace

TEST_F(W2FormsRun, TwoFormsASheetEachFullSheetItsOwnJob)
{
    const qlonglong a = addW2("111-11-1111"), b = addW2("222-22-2222"), c = addW2("333-33-3333");
    test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {a, b, c});
    EXPECT_EQ(printer.jobsEnded(), 2);
    const int y = field("Boxd").yPos1.value();
    const auto *upper = printer.find("111-11-1111"), *lower = printer.find("222-22-2222");
    const auto *third = printer.find("333-33-3333");
    ASSERT_TRUE(upper && lower && third);
    EXPECT_EQ(QVector<int>({upper->y.value(), upper->job, lower->y.value(), lower->job, third->y.value(), third->job}),
              QVector<int>({y, 1, y + kLowerFormOffset.value(), 1, y, 2}));
}

TEST_F(W2FormsRun, OneFormGoesOutWithTheFinalEndAndThePaperKindMovesOnlyTheOrigin)
{
    db.exec("UPDATE PrintMargins SET TopMargAdjust = 180, LeftMargAdjust = -90 WHERE FormName = 'W2-M'");
    const FormOrigin origin = GetFormOrigin(db, "W2-M");
    test::PrintTwoUp(db, printer, "W2-M", W2TwoUpForm(), {addW2("123-45-6789")});
    EXPECT_EQ(printer.jobsEnded(), 1);
    const auto *ssn = printer.find("123-45-6789");
    ASSERT_TRUE(ssn);
    EXPECT_EQ(ssn->y, origin.top + field("Boxd").yPos1);
    EXPECT_EQ(ssn->x, origin.left + field("Boxd").xPos1);
    // The amount ends at the right edge of its box; a zero amount leaves its box empty.
    const auto *amount = printer.find("1500.00");
    ASSERT_TRUE(amount);
    EXPECT_EQ(amount->x + Twips(7 * 144), origin.left + field("Box1").xPos1 + field("Box1").fieldLength);
    EXPECT_EQ(printer.find("0.00"), nullptr);
}

TEST_F(W2FormsRun, ColumnRulesForEmployerNumberAndSsn)
{
    test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {addW2("123456789a", "AF"), addW2("12345678", "af-123")});
    EXPECT_TRUE(printer.find("Applied For "));
    EXPECT_TRUE(printer.find("af-123"));
    EXPECT_TRUE(printer.find("123-45-6789A"));
    EXPECT_TRUE(printer.find("012-34-5678"));
}

TEST_F(W2FormsRun, EveryMarkColumnPrintsInItsOwnBox)
{
    test::expectEveryMarkInItsBox(db, "W2", "W2", "W2-C", [&](RecordingPrinter &p, const QString &set) {
        const qlonglong id = addW2("123-45-6789");
        db.exec(QString("UPDATE W2 SET %1 = -1 WHERE id = ?").arg(set), {id});
        test::PrintTwoUp(db, p, "W2-C", W2TwoUpForm(), {id});
    });
}

TEST_F(W2FormsRun, SsnFormatting)
{
    EXPECT_EQ(FormatSsn("123-45-6789"), "123-45-6789");
    EXPECT_EQ(FormatSsn(" 123456789A "), "123-45-6789A");
    EXPECT_EQ(FormatSsn("1"), "000-00-0001");
}

TEST_F(W2FormsRun, ARemovedRecordOrAMissingMarginRowStopsTheRun)
{
    EXPECT_THROW(test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {4242}), DbError);
    db.exec("DELETE FROM PrintMargins WHERE FormName = 'W2-C'");
    EXPECT_THROW(test::PrintTwoUp(db, printer, "W2-C", W2TwoUpForm(), {addW2("123-45-6789")}), std::exception);
    EXPECT_TRUE(printer.placed().isEmpty());
}
