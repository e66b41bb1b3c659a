#include "print_1099/Summary1096.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "print_1099/Report1096.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class Summary1096 : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }

    int addFiler(const QString &fedId)
    {
        db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName, Contact, Email) VALUES (?, 'Payer', 'Lee', 'a@b.c')",
                {fedId});
        return db.scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
    }

    void add1099(int tfid, const QString &fedId, qint64 box1Cents, qint64 box4Cents, const QString &payerName = "Payer")
    {
        RecordSet rs = RecordSet::table(db, "1099Misc");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("FedIDNo", fedId);
        rs.setText("PayerName", payerName);
        rs.setText("RecName1", "Recipient");
        rs.setMoney("Box1", Money::fromCents(box1Cents));
        rs.setMoney("Box4", Money::fromCents(box4Cents));
        rs.update();
    }

    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(Summary1096, OneRowPerPayerWithCountAndTotalsBox4NeverReported)
{
    const int tfid = addFiler("99-9999999");
    add1099(tfid, "99-9999999", 10000, 1000, "First O'Payer");
    add1099(tfid, "99-9999999", 20000, 0);
    add1099(tfid, "99-9999999", 30000, 500);
    EXPECT_EQ(build1096Summaries(db), 1);
    RecordSet rs = RecordSet::table(db, "1096");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Box1"), QStringLiteral("99-9999999"));
    EXPECT_TRUE(rs.isNull("Box2"));
    EXPECT_EQ(rs.integer("Box3"), 3);
    EXPECT_EQ(rs.money("Box4"), Money::fromCents(1500));
    EXPECT_EQ(rs.money("Box5"), Money::fromCents(60000));
    EXPECT_EQ(rs.text("PayerName"), QStringLiteral("First O'Payer"));
    EXPECT_EQ(rs.text("Contact"), QStringLiteral("Lee"));
    EXPECT_EQ(rs.text("1099-MISC"), QStringLiteral("X"));
    EXPECT_EQ(rs.text("Year"), QStringLiteral("2001"));
}

TEST_F(Summary1096, SsnPayersGoToBox2AndAppliedForToBox1)
{
    add1099(addFiler("123-45-6789"), "123-45-6789", 100, 0);
    add1099(addFiler("AF"), "AF", 100, 0);
    build1096Summaries(db);
    EXPECT_EQ(db.scalar("SELECT Box2 FROM \"1096\" WHERE Box1 IS NULL").toString(), QStringLiteral("123-45-6789"));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"1096\" WHERE Box1 = 'AF'").toInt(), 1);
}

TEST_F(Summary1096, PayersWithoutAFilerAreReportedAndLeftOut)
{
    add1099(addFiler("11-1111111"), "11-1111111", 100, 0);
    add1099(4242, "22-2222222", 100, 0);
    QStringList reported;
    EXPECT_EQ(build1096Summaries(db, [&](const QString &p) { reported << p; }), 1);
    EXPECT_EQ(reported, QStringList{QStringLiteral("22-2222222")});
    EXPECT_EQ(build1096Summaries(db), 1); // rebuilt, not added to
}

TEST_F(Summary1096, AmountsAreSummedExactly)
{
    const int tfid = addFiler("99-9999999");
    for (int i = 0; i < 10; ++i)
        add1099(tfid, "99-9999999", 10, 0); // ten times 0.10
    build1096Summaries(db);
    EXPECT_EQ(RecordSet::table(db, "1096").money("Box5"), Money::fromCents(100));
}

TEST_F(Summary1096, ReportBlockNamesTheIdentificationAndTotals)
{
    const int tfid = addFiler("123-45-6789");
    add1099(tfid, "123-45-6789", 123450, 1000);
    build1096Summaries(db);
    RecordSet rs = RecordSet::table(db, "1096");
    const QVector<ReportLine> lines = report1096Block(rs, QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0].left, QStringLiteral("  SSN: 123-45-6789"));
    EXPECT_EQ(lines[1].left, QStringLiteral("Employer: Payer"));
    EXPECT_EQ(lines[3].right, QStringLiteral("  Box 4:  $10.00"));
    EXPECT_EQ(lines[4].right, QStringLiteral("  Box 5:  $1,234.50"));
    EXPECT_EQ(lines[5].left, QStringLiteral("No of 1099s: 1"));
    EXPECT_TRUE(lines[6].left.isEmpty() && lines[7].left.isEmpty());
}
