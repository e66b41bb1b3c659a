#include "print_w2/W3Summary.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class W3Summary : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }

    int addFiler(const QString &fedId, const QString &filerType, const QString &estNo = {})
    {
        db.exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, AddlEIN, Contact, Phone) "
                "VALUES (?, ?, ?, 'Acme', '11-1111111', 'Pat', '555-0100')",
                {fedId, estNo, filerType});
        return db.scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
    }

    // A W-2 of the filer with its employer columns copied, as the W-2 screen stores it.
    RecordSet addW2(int tfid)
    {
        RecordSet filer = RecordSet::table(db, "FilerInfo", "Tfid = ?", {tfid});
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("Boxb", filer.text("FedIDNo"));
        rs.setText("EstNo", filer.text("EstNo"));
        rs.setText("FilerType", filer.text("FilerType"));
        rs.setText("Boxc_L1", "Acme O'Hara");
        rs.setText("Boxc_L2", "1 Main St");
        rs.setText("Boxe_LName", "Doe");
        return rs;
    }

    RecordSet w3() { return RecordSet::table(db, "W3"); }

    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(W3Summary, SumsTheGroupAndTakesTheEmployerFromItsFirstW2)
{
    const int tfid = addFiler("12-3456789", "941");
    RecordSet a = addW2(tfid);
    a.setMoney("Box1", Money::fromCents(100000));
    a.setMoney("Box16_L1", Money::fromCents(500));
    a.setMoney("Box16_L2", Money::fromCents(700));
    a.setText("Box15a_L1", "NY");
    a.setText("Box15b_L1", "NY-1");
    a.update();
    RecordSet b = addW2(tfid);
    b.setMoney("Box1", Money::fromUnits(25005000)); // 2500.50
    b.setText("Boxc_L1", "Other name");
    b.update();

    EXPECT_EQ(buildW3Summaries(db), 1);
    RecordSet rs = w3();
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.integer("Boxc"), 2);
    EXPECT_EQ(rs.money("Box1"), Money::fromUnits(35005000));
    EXPECT_EQ(rs.money("Box16"), Money::fromCents(1200));
    EXPECT_EQ(rs.text("Boxe"), QStringLiteral("12-3456789"));
    EXPECT_EQ(rs.text("Boxf"), QStringLiteral("Acme O'Hara"));
    EXPECT_EQ(rs.text("Boxg_L1"), QStringLiteral("1 Main St"));
    EXPECT_EQ(rs.text("Boxh"), QStringLiteral("11-1111111"));
    EXPECT_EQ(rs.text("Contact"), QStringLiteral("Pat"));
    EXPECT_EQ(rs.text("Boxb_941"), QStringLiteral("X"));
    EXPECT_TRUE(rs.isNull("Boxb_M"));
    EXPECT_EQ(rs.text("Box15a"), QStringLiteral("NY"));
    EXPECT_EQ(rs.text("Box15b"), QStringLiteral("NY-1"));
    EXPECT_TRUE(rs.isNull("Box13"));
    EXPECT_EQ(rs.money("Box14"), Money());
    EXPECT_EQ(rs.text("Year"), QStringLiteral("2001"));
}

TEST_F(W3Summary, Box12CountsOnlyTheDeferralCodes)
{
    RecordSet a = addW2(addFiler("12-3456789", "941"));
    a.setText("Box12a_Code", "D");
    a.setMoney("Box12a_Amt", Money::fromCents(10000));
    a.setText("Box12b_Code", "E");
    a.setMoney("Box12b_Amt", Money::fromCents(5000));
    a.setText("Box12c_Code", "S");
    a.setMoney("Box12c_Amt", Money::fromCents(2500));
    a.setText("Box12d_Code", "C");
    a.setMoney("Box12d_Amt", Money::fromCents(7000));
    a.update();
    buildW3Summaries(db);
    EXPECT_EQ(w3().money("Box12"), Money::fromCents(17500));
}

TEST_F(W3Summary, SickPayMarksTheRecapAndTwoStatesGiveX)
{
    RecordSet first = addW2(addFiler("12-3456789", "Other kind"));
    first.setText("Box15a_L1", "NY");
    first.setText("Box15a_L2", "NJ");
    first.setText("Box15b_L1", "NY-1");
    first.setMoney("SickPay", Money::fromCents(100));
    first.update();
    buildW3Summaries(db);
    RecordSet rs = w3();
    EXPECT_EQ(rs.text("Boxb_3PSP"), QStringLiteral("X"));
    EXPECT_TRUE(rs.isNull("Boxb_941"));
    EXPECT_EQ(rs.text("Box13"), QStringLiteral("Third-Party Sick Pay Recap"));
    EXPECT_EQ(rs.money("Box14"), Money::fromCents(100));
    EXPECT_EQ(rs.text("Box15a"), QStringLiteral("X"));
    EXPECT_EQ(rs.text("Box15b"), QString());
}

TEST_F(W3Summary, KindsOfPayerIncludeTheFilerScreensLongTexts)
{
    EXPECT_STREQ(kindOfPayerColumn("Military"), "Boxb_M");
    EXPECT_STREQ(kindOfPayerColumn("Household Employer"), "Boxb_HHE");
    EXPECT_STREQ(kindOfPayerColumn("HHE"), "Boxb_HHE");
    EXPECT_STREQ(kindOfPayerColumn("Medicare Govt Employer"), "Boxb_MG");
    EXPECT_STREQ(kindOfPayerColumn("ct-1"), "Boxb_CT-1");
    EXPECT_EQ(kindOfPayerColumn("944"), nullptr);
}

TEST_F(W3Summary, EachEstablishmentIsAGroupAndOrphansAreLeftOut)
{
    const int one = addFiler("12-3456789", "941", "1");
    const int two = addFiler("12-3456789", "941", "2");
    addW2(one).update();
    addW2(two).update();
    addW2(two).update();
    RecordSet orphan = addW2(one);
    orphan.setValue("Tfid", 999);
    orphan.update();
    EXPECT_EQ(buildW3Summaries(db), 2);
    RecordSet rs = w3();
    EXPECT_EQ(rs.text("Boxd"), QStringLiteral("1"));
    EXPECT_EQ(rs.integer("Boxc"), 1);
    rs.moveNext();
    EXPECT_EQ(rs.text("Boxd"), QStringLiteral("2"));
    EXPECT_EQ(rs.integer("Boxc"), 2);
    // A second rebuild replaces the rows rather than adding to them.
    EXPECT_EQ(buildW3Summaries(db), 2);
    EXPECT_EQ(w3().recordCount(), 2);
}
