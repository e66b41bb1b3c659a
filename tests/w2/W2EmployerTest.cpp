#include "w2/W2Employer.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class W2EmployerTest : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }

    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(W2EmployerTest, ReadsTheFilerByNumberWithNullsAsEmptyText)
{
    db.exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, State1, State1ID, State2) "
            "VALUES ('11-1111111', '0001', '941', 'FIRST', 'ONE', 'MD', 'MD-1', NULL)");
    db.exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, PayerL3, State1, "
            "State1ID, State2, State2ID) VALUES ('22-2222222', NULL, 'Household Employer', 'O''BRIEN & ZOË', "
            "'1 MAIN ST', 'SPRINGFIELD', NULL, 'VA', 'VA-9', 'DC', 'DC-7')");
    const int second = db.scalar("SELECT Tfid FROM FilerInfo WHERE FedIDNo = '22-2222222'").toInt();

    const W2Employer e = W2Employer::read(db, second);
    EXPECT_EQ(e.tfid, second);
    EXPECT_EQ(e.fedIdNo, "22-2222222");
    EXPECT_EQ(e.estNo, "");
    EXPECT_EQ(e.filerType, "Household Employer");
    EXPECT_EQ(e.nameAndAddress[0], QString::fromUtf8("O'BRIEN & ZOË"));
    EXPECT_EQ(e.nameAndAddress[2], "SPRINGFIELD");
    EXPECT_EQ(e.nameAndAddress[3], "");
    EXPECT_EQ(e.states[0].code, "VA");
    EXPECT_EQ(e.states[1].id, "DC-7");

    EXPECT_THROW(W2Employer::read(db, second + 1), DbError);
}

TEST_F(W2EmployerTest, ControlNumbersCountUpOneAtATimeAndSurviveReconnecting)
{
    db.exec("UPDATE Settings SET W2ctr = 41");
    EXPECT_EQ(NextControlNumber(db), 42);
    EXPECT_EQ(NextControlNumber(db), 43);

    Database other;
    other.open(folder.databasePath());
    EXPECT_EQ(other.scalar("SELECT W2ctr FROM Settings").toInt(), 43);
    EXPECT_EQ(NextControlNumber(other), 44);

    db.exec("DELETE FROM Settings");
    EXPECT_THROW(NextControlNumber(db), DbError);
}

TEST_F(W2EmployerTest, LimitsAreZeroWithoutASettingsRow)
{
    db.exec("DELETE FROM Settings");
    EXPECT_TRUE(readW2Limits(db).ssWages.isZero());
}
