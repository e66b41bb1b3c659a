#include "misc1099/Misc1099Rules.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class Misc1099Rules : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }
    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(Misc1099Rules, PayerDetailsComeFromTheFirstFilerWithTheNumber)
{
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName, PayerL1, State1, State1ID, State2, State2ID) "
            "VALUES ('11-1111111', 'O''BRIEN & CO', '1 MAIN ST', ' ', 'IGNORED', 'md', 'MD-77')");
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('11-1111111', 'LATER')");
    const PayerDetails payer = readPayerDetails(db, "11-1111111");
    EXPECT_EQ(payer.labels[0], "O'BRIEN & CO");
    EXPECT_EQ(payer.labels[1], "1 MAIN ST");
    EXPECT_EQ(payer.labels[2], "") << "Null reads as empty text";

    // A blank state code offers nothing; codes match in any letter case.
    ASSERT_EQ(payer.stateChoices().size(), 1);
    EXPECT_EQ(payer.stateChoices()[0].id, "MD-77");
    EXPECT_EQ(payer.stateNumber("MD"), QString("MD-77"));
    EXPECT_FALSE(payer.stateNumber("VA").has_value());
    EXPECT_FALSE(payer.stateNumber("").has_value());

    EXPECT_THROW(readPayerDetails(db, "99-9999999"), DbError);
}

TEST_F(Misc1099Rules, OnlyAnEmptyFirstNameLineIsRefused)
{
    EXPECT_EQ(recipientNameProblem(""), "Recipient Name must be entered");
    EXPECT_EQ(recipientNameProblem("   "), "") << "blanks count as a name";
    EXPECT_EQ(recipientNameProblem("A"), "");
}

TEST_F(Misc1099Rules, PayerColumnsAreWrittenIntoTheRow)
{
    RecordSet rs = RecordSet::table(db, "1099MISC");
    rs.addNew();
    writePayerColumns(rs, {"AF", "0002", "943", 12, {"NAME", "L1", "L2", ""}});
    rs.update();
    QSqlQuery q = db.exec("SELECT FedIDNo, PayerName, PayerL1, PayerL2, PayerL3, EstNo, FilerType, Tfid, Box1, TIN "
                          "FROM \"1099Misc\"");
    ASSERT_TRUE(q.next());
    const QStringList expected = {"AF", "NAME", "L1", "L2", "", "0002", "943", "12", "0", "0"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(q.value(i).toString(), expected[i]) << "column " << i;
}
