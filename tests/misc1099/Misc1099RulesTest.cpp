#include "misc1099/Misc1099Rules.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

TEST(Misc1099Rules, PayerDetailsComeFromTheFirstFilerWithTheNumber)
{
    test::TestFolder folder;
    Database db;
    db.open(folder.databasePath());
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName, PayerL1, State1, State1ID, State2, State2ID) "
            "VALUES ('11-1111111', 'O''BRIEN & CO', '1 MAIN ST', ' ', 'IGNORED', 'md', 'MD-77')");
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('11-1111111', 'LATER')");
    const PayerDetails payer = readPayerDetails(db, "11-1111111");
    EXPECT_EQ(payer.labels[0], "O'BRIEN & CO");
    EXPECT_EQ(payer.labels[2], "") << "Null reads as empty text";

    // A blank state code offers nothing; codes match in any letter case.
    ASSERT_EQ(payer.stateChoices().size(), 1);
    EXPECT_EQ(payer.stateNumber("MD"), QString("MD-77"));
    EXPECT_FALSE(payer.stateNumber("VA").has_value());
    EXPECT_FALSE(payer.stateNumber("").has_value());

    EXPECT_THROW(readPayerDetails(db, "99-9999999"), DbError);
}

TEST(Misc1099Rules, OnlyAnEmptyFirstNameLineIsRefused)
{
    EXPECT_EQ(recipientNameProblem(""), "Recipient Name must be entered");
    EXPECT_EQ(recipientNameProblem("   "), "") << "blanks count as a name";
}
