#include "print_1099/Summary1096.h"
#include "data/RecordSet.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Print1096.h"
#include "support/PrintRun.h"
#include "support/PrintedBoxes.h"
#include "support/TestDatabase.h"

using namespace quillory;

namespace {

class Summary1096 : public test::FreshDatabase {
protected:
    RecordSet add1099(int tfid, const QString &payer, qint64 box1Cents = 100, qint64 box4Cents = 0)
    {
        RecordSet rs = RecordSet::table(db, "1099Misc");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("FedIDNo", payer);
        rs.setText("PayerName", "First O'Payer");
        rs.setText("RecName1", "Recipient");
        rs.setMoney("Box1", Money::fromCents(box1Cents));
        rs.setMoney("Box4", Money::fromCents(box4Cents));
        return rs;
    }
};

} // namespace

// Box 4 totals the tax withheld; box 5 every other amount a 1099-MISC reports, added up here.
TEST_F(Summary1096, EveryBoxTotalsItsFormsAndPrintsInItsOwnBox)
{
    const QStringList reported = {"Box1", "Box2", "Box3", "Box5", "Box6", "Box7", "Box8", "Box10", "Box13", "Box14"};
    const int tfid = addFiler("99-9999999");
    Money box4, box5;
    for (int n = 0; n < 3; ++n) {
        RecordSet rs = add1099(tfid, "99-9999999");
        int k = 0;
        for (const ColumnInfo &c : db.table("1099Misc").columns()) {
            if (c.kind != ColumnKind::Money)
                continue;
            ++k;
            const Money amount = Money::fromCents(100000 * k + 1000 * n + 7 * k);
            rs.setMoney(c.name, amount);
            if (c.name == "Box4")
                box4 = box4 + amount;
            else if (reported.contains(c.name))
                box5 = box5 + amount;
        }
        rs.update();
    }
    ASSERT_EQ(build1096Summaries(db), 1);
    RecordSet rs = RecordSet::table(db, "1096");
    EXPECT_EQ(rs.text("Box1"), "99-9999999");
    EXPECT_TRUE(rs.isNull("Box2"));
    EXPECT_EQ(rs.integer("Box3"), 3);
    EXPECT_EQ(rs.money("Box4"), box4);
    EXPECT_EQ(rs.money("Box5"), box5);
    EXPECT_EQ(rs.text("PayerName"), "First O'Payer");
    EXPECT_EQ(rs.text("Contact"), "Pat");

    db.exec("UPDATE PrintMargins SET TopMargAdjust = -45, LeftMargAdjust = 90 WHERE FormName = '1096'");
    RecordingPrinter printer;
    Print1096Form(db, printer, "99-9999999");
    const FieldLayout layout = OpenFieldLayout(db, "1096", 0);
    test::expectInBox(printer, layout, "Box1", "99-9999999", false, Twips(-45), Twips(90));
    test::expectInBox(printer, layout, "Box3", "3", false, Twips(-45), Twips(90));
    test::expectInBox(printer, layout, "Box4", box4.toFixed2(), true, Twips(-45), Twips(90));
    test::expectInBox(printer, layout, "Box5", box5.toFixed2(), true, Twips(-45), Twips(90));
    test::expectInBox(printer, layout, "1099-MISC", "X", false, Twips(-45), Twips(90));
    test::expectInBox(printer, layout, "PayerName", "First O'Payer", false, Twips(-45), Twips(90));
}

TEST_F(Summary1096, SsnPayersGoToBox2AndPrintTheirOwnForm)
{
    add1099(addFiler("123-45-6789"), "123-45-6789", 150000).update();
    add1099(addFiler("AF"), "AF").update();
    build1096Summaries(db);
    EXPECT_EQ(db.scalar("SELECT Box2 FROM \"1096\" WHERE Box1 IS NULL").toString(), "123-45-6789");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"1096\" WHERE Box1 = 'AF'").toInt(), 1);
    RecordingPrinter printer;
    Print1096Form(db, printer, "123-45-6789");
    EXPECT_TRUE(printer.find("1500.00") && !printer.find("1.00"));
    EXPECT_THROW(Print1096Form(db, printer, "99-0000000"), std::exception);
}

TEST_F(Summary1096, PayersWithoutAFilerAreReportedAndLeftOut)
{
    add1099(addFiler("11-1111111"), "11-1111111").update();
    add1099(4242, "22-2222222").update();
    QStringList reported;
    EXPECT_EQ(build1096Summaries(db, [&](const QString &p) { reported << p; }), 1);
    EXPECT_EQ(reported, QStringList{"22-2222222"});
    EXPECT_EQ(build1096Summaries(db), 1); // rebuilt, not added to
}

namespace {

class Print1099 : public test::FreshDatabase {
protected:
    qlonglong add1099(const QString &payer, const QString &flag = {})
    {
        const int tfid = addFiler(payer);
        RecordSet rs = RecordSet::table(db, "1099Misc");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("FedIDNo", payer);
        rs.setText("RecName1", "Recipient");
        if (!flag.isEmpty())
            rs.setFlag(flag, true);
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

    RecordingPrinter printer;
};

} // namespace

TEST_F(Print1099, ThreeFormsMakeTwoSheets)
{
    test::PrintTwoUp(db, printer, "1099-L", Misc1099TwoUpForm(),
                     {add1099("11-1111111"), add1099("22-2222222"), add1099("AF")});
    EXPECT_EQ(printer.jobsEnded(), 2);
    EXPECT_EQ(count("Applied For"), 1);
    EXPECT_EQ(count("1500.00"), 3);
    // Null columns (the second name line, the account number) print nothing at all.
    EXPECT_EQ(count(""), 0);
}

TEST_F(Print1099, EveryMarkColumnPrintsInItsOwnBox)
{
    test::expectEveryMarkInItsBox(db, "1099Misc", "1099-MISC", "1099-M", [&](RecordingPrinter &p, const QString &set) {
        test::PrintTwoUp(db, p, "1099-M", Misc1099TwoUpForm(), {add1099("11-1111111", set)});
    });
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
    EXPECT_TRUE(printer.find("  Box 5:  $1,500.00"));
    EXPECT_TRUE(printer.find("No of 1099s: 1"));
}
