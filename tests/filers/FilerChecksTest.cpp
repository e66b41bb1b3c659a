#include "filers/FilerChecks.h"
#include "data/Database.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

TEST(FilerChecks, OnlyTheNumberOfHyphensDecidesWhatAnIdNumberIs)
{
    EXPECT_EQ(idNumberForm("123456789"), IdNumberForm::Malformed);
    EXPECT_EQ(idNumberForm("12-3456789"), IdNumberForm::Fein);
    EXPECT_EQ(idNumberForm("1-2"), IdNumberForm::Fein);
    EXPECT_EQ(idNumberForm("123-45-6789"), IdNumberForm::Ssn);
    EXPECT_EQ(idNumberForm("1-2-3-4"), IdNumberForm::Unchecked);
    EXPECT_EQ(idNumberForm(""), IdNumberForm::Unchecked);
}

TEST(FilerChecks, MissingEntriesNameTheAddressAndOnlyHalfGivenStates)
{
    FilerEntries e;
    EXPECT_EQ(missingFilerEntries(e),
              QStringList({"     Company name", "     Company address", "     Company city, state, or zip"}));
    e = {"ACME", "1 MAIN ST", "TOWN", "", "", "", "", ""};
    EXPECT_TRUE(missingFilerEntries(e).isEmpty()) << "line 3 of the address is never asked for";
    e.state1Id = "123";
    e.state2 = " MD";
    EXPECT_EQ(missingFilerEntries(e),
              QStringList({"     Missing 2nd state taxpayer ID No.", "     1st state code missing"}));
    e.state1 = "  ";
    e.state1Id = "  ";
    e.state2 = "";
    e.state2Id = "9";
    EXPECT_EQ(missingFilerEntries(e), QStringList({"     2nd state code missing"}));

    EXPECT_EQ(missingEntriesMessage({"     Company name", "     Company address"}),
              "The following entries have not been made:\r\r     Company name\r     Company address\r\r"
              "Select Edit to enter missing information.");
}

TEST(FilerChecks, StateLookupIgnoresCaseAndTakesAnyText)
{
    test::TestFolder folder;
    Database db;
    db.open(folder.databasePath());
    EXPECT_TRUE(isStateAbbreviation(db, "MD"));
    EXPECT_TRUE(isStateAbbreviation(db, "md"));
    EXPECT_FALSE(isStateAbbreviation(db, "ZZ"));
    EXPECT_FALSE(isStateAbbreviation(db, "M'"));
}

TEST(FilerChecks, AFilerIsInUseWhileAW2OrA1099NamesItsNumber)
{
    test::TestFolder folder;
    Database db;
    db.open(folder.databasePath());
    EXPECT_FALSE(filerHasReturns(db, "12-3456789"));
    db.exec("INSERT INTO W2 (Boxb, Tfid) VALUES ('12-3456789', 1)");
    EXPECT_TRUE(filerHasReturns(db, "12-3456789"));
    EXPECT_FALSE(filerHasReturns(db, "98-7654321"));
    db.exec("INSERT INTO \"1099Misc\" (FedIDNo, Tfid) VALUES ('98-7654321', 2)");
    EXPECT_TRUE(filerHasReturns(db, "98-7654321"));
}
