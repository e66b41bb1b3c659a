#include "print_w2/W3Report.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class W3Report : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }
    test::TestFolder folder;
    Database db;
    const QLocale us{QLocale::English, QLocale::UnitedStates};
};

} // namespace

TEST_F(W3Report, BlockHasNineteenLinesWithCurrencyTotalsAndLabels)
{
    db.exec("INSERT INTO W3 (Boxe, Boxd, Boxf, Boxg_L1, Boxc, Boxb_941, Boxb_3PSP, Box1, Box2, Box13) "
            "VALUES ('12-3456789', '7', 'Acme', '1 Main St', 2, 'X', 'X', 12345000, 0, "
            "'Third-Party Sick Pay Recap')");
    RecordSet rs = RecordSet::table(db, "W3");
    const QVector<ReportLine> lines = w3ReportBlock(rs, us);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[0].left, QStringLiteral("  Tax ID: 12-3456789"));
    EXPECT_EQ(lines[0].right, QStringLiteral("  Box 1:  $1,234.50"));
    EXPECT_EQ(lines[1].right, QStringLiteral("  Box 2:  $0.00"));
    EXPECT_EQ(lines[2].left, QStringLiteral("    Type: 3PSP")); // the later mark wins
    EXPECT_EQ(lines[4].left, QStringLiteral("          1 Main St"));
    EXPECT_TRUE(lines[7].left.isEmpty());
    EXPECT_EQ(lines[9].left, QStringLiteral("No of W2s: 2"));
    EXPECT_EQ(lines[9].right, QStringLiteral(" Box 10:  "));
    EXPECT_EQ(lines[12].right, QStringLiteral(" Box 13:  Third-Party Sick Pay Recap"));
    EXPECT_EQ(lines[14].right, QStringLiteral(" Box 15:  "));
    EXPECT_EQ(w3ReportTitle("2001", QDate(2002, 1, 9)).left, QStringLiteral("2001 W3 Summary Report"));
    EXPECT_EQ(w3ReportTitle("2001", QDate(2002, 1, 9)).right, QStringLiteral("01/09/02"));
}

TEST_F(W3Report, ARowWithoutMarksHasAnEmptyType)
{
    db.exec("INSERT INTO W3 (Boxe) VALUES ('1')");
    RecordSet rs = RecordSet::table(db, "W3");
    EXPECT_EQ(w3KindOfPayer(rs), QString());
}
