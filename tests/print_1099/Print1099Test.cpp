#include "data/Database.h"
#include "data/RecordSet.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Print1096.h"
#include "print_1099/Summary1096.h"
#include "printing/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class Print1099 : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }

    qlonglong add1099(const QString &payer, bool corrected = false, bool tin = false, bool box9 = false)
    {
        db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES (?, 'Payer')", {payer});
        const int tfid = db.scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
        RecordSet rs = RecordSet::table(db, "1099Misc");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("FedIDNo", payer);
        rs.setText("RecName1", "Recipient");
        rs.setFlag("CorrectedFlag", corrected);
        rs.setFlag("TIN", tin);
        rs.setFlag("Box9", box9);
        rs.setMoney("Box1", Money::fromCents(150000));
        rs.update();
        rs.moveLast();
        return rs.integer("Counter");
    }

    int count(const QString &text) const
    {
        int n = 0;
        for (const auto &p : printer.placed())
            n += p.text == text;
        return n;
    }

    test::TestFolder folder;
    Database db;
    RecordingPrinter printer;
};

} // namespace

TEST_F(Print1099, ThreeFormsMakeTwoSheetsAndMarksFollowTheirFlags)
{
    const qlonglong a = add1099("11-1111111", true, false, true);
    Print1099Forms(db, printer, "1099-L", {a, add1099("22-2222222"), add1099("AF")});
    EXPECT_EQ(printer.jobsEnded(), 2);
    EXPECT_EQ(count("x"), 2); // corrected and box 9 of the first form
    EXPECT_EQ(count(" "), 7); // its second TIN notice, and all three marks of the other two
    EXPECT_EQ(count("Applied For"), 1);
    EXPECT_EQ(count("1500.00"), 3);
    // Null columns (the second name line, the account number) print nothing at all.
    EXPECT_EQ(count(""), 0);
}

TEST_F(Print1099, Form1096FindsThePayerByItsKindOfNumber)
{
    add1099("123-45-6789");
    add1099("AF");
    build1096Summaries(db);
    Print1096Form(db, printer, "123-45-6789");
    EXPECT_EQ(count("123-45-6789"), 1);
    EXPECT_EQ(count("1500.00"), 1);
    EXPECT_EQ(count("X"), 1); // the kind-of-return mark
    printer.clear();
    Print1096Form(db, printer, "AF");
    EXPECT_EQ(count("AF"), 1);
    EXPECT_THROW(Print1096Form(db, printer, "99-0000000"), std::exception);
}

TEST_F(Print1099, ReportPushesTheBox4PartPastALongAddressLine)
{
    add1099("11-1111111");
    build1096Summaries(db);
    db.exec("UPDATE \"1096\" SET PayerL2 = ?", {QString(60, 'L')});
    Print1096Report(db, printer, QDate(2002, 2, 1));
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_TRUE(printer.find("2001 1096 Summary Report"));
    const auto *address = printer.find(QStringLiteral("          ") + QString(60, 'L'));
    const auto *box4 = printer.find("  Box 4:  $0.00");
    ASSERT_TRUE(address && box4);
    EXPECT_EQ(box4->x, Twips(360 + 54 * 144)); // inside the quarter-inch margin
    EXPECT_GT(box4->y, address->y);
    EXPECT_TRUE(printer.find("  Tax ID: 11-1111111"));
    EXPECT_FALSE(printer.find("  SSN: 11-1111111"));
}
