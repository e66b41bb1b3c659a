#include "filers/FilerChecks.h"

#include <gtest/gtest.h>

using namespace quillory;

// The screen tests cover the message itself; here, which entry counts as missing when.
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
}
