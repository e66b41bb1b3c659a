// The record screens' rules that need no widget: the buttons each mode offers, and typing.
#include "shell/FieldValues.h"
#include "shell/ScreenMode.h"
#include "shell/TypingRules.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace quillory;

TEST(ScreenMode, BrowsingOffersAllButSaveAndCancelAndTogglingTwiceGivesTheSamePanel)
{
    // Add, Edit, Save, Cancel, Delete, List, Print, Exit.
    const bool browse[8] = {true, true, false, false, true, true, true, true};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(commandEnabled(ScreenMode::Browse, i), browse[i]) << i;
        EXPECT_EQ(commandEnabled(ScreenMode::Edit, i), !browse[i]) << i;
        EXPECT_EQ(commandEnabled(toggled(toggled(ScreenMode::Browse)), i), browse[i]) << i;
        EXPECT_EQ(commandEnabled(toggled(ScreenMode::Edit), i), browse[i]) << i;
    }
}

TEST(TypingRules, KeysAreKeptDroppedBeepedOrCapitalised)
{
    const auto outcome = [](unsigned rules, const QString &key, bool tab = false) {
        const KeyOutcome o = keyOutcome(rules, key, tab);
        return o.action == KeyOutcome::Insert ? "insert " + o.text : QString::number(o.action);
    };
    const QString pass = QString::number(KeyOutcome::Pass), drop = QString::number(KeyOutcome::Drop),
                  beep = QString::number(KeyOutcome::Beep);
    for (const char *kept : {"7", "0", "-", ".", "/", ":", ";", "\b"})
        EXPECT_EQ(outcome(TypingRules::Numeric, kept), pass) << kept;
    for (const char *dropped : {"a", " ", "+", ",", "$", "<"})
        EXPECT_EQ(outcome(TypingRules::Numeric, dropped), drop) << dropped;
    EXPECT_EQ(outcome(TypingRules::Numeric, QString::fromUtf8("é")), drop);
    EXPECT_EQ(outcome(TypingRules::UpperCase, QString::fromUtf8("é")), QString::fromUtf8("insert É"));
    EXPECT_EQ(outcome(TypingRules::UpperCase | TypingRules::LettersOnly, "1"), beep);
    EXPECT_EQ(outcome(TypingRules::LettersOnly, "Q"), pass);
    EXPECT_EQ(outcome(TypingRules::ReadOnly, "x"), beep);
    EXPECT_EQ(outcome(TypingRules::ReadOnly, "\t", true), pass);
    EXPECT_EQ(outcome(TypingRules::UpperCase, "\x7f"), pass); // control keys are the line edit's
}

TEST(TypingRules, TextThatArrivesAtOnceFollowsTheKeyRulesAndTheRoomLeft)
{
    const QString emoji = QString::fromUtf8("😀");
    EXPECT_EQ(typedText(TypingRules::UpperCase, "ab" + emoji + "c", 10).text, "AB" + emoji + "C");
    EXPECT_EQ(typedText(TypingRules::UpperCase, "ab" + emoji + "c", 3).text, "ABC") << "no half a pair";
    EXPECT_EQ(typedText(TypingRules::Numeric, "$1,234.5x", 10).text, "1234.5");
    const TypedText letters = typedText(TypingRules::LettersOnly, "A1B", 10);
    EXPECT_EQ(letters.text, "AB");
    EXPECT_TRUE(letters.beep);
    EXPECT_FALSE(typedText(TypingRules::Numeric, "x", 10).beep);

    // Typed into the middle, over a selection, and nothing but refused keys.
    const TypedChange middle = typedChange(TypingRules::UpperCase, "AB", "AxyB", 10);
    EXPECT_EQ(middle.text, "AXYB");
    EXPECT_EQ(middle.cursor, 3);
    EXPECT_FALSE(typedChange(TypingRules::UpperCase, "AB", "ACB", 10).changed);
    EXPECT_EQ(typedChange(TypingRules::Numeric, "12", "1234", 3).text, "123");
    EXPECT_EQ(typedChange(TypingRules::Numeric, "123", "1x", 10).text, "123") << "the selection stays";
}

TEST(FieldValues, EntriesStoreAsTheirColumnsKindWants)
{
    EXPECT_EQ(storedValue(ColumnKind::Money, "-5")->toLongLong(), 0) << "0 or less shows empty, stored as 0";
    EXPECT_EQ(storedValue(ColumnKind::Money, "")->toLongLong(), 0);
    EXPECT_THROW(storedValue(ColumnKind::Money, "12abc"), std::invalid_argument);
    EXPECT_FALSE(storedValue(ColumnKind::Integer, " ")) << "an empty number leaves the column";
    EXPECT_EQ(storedValue(ColumnKind::Integer, "2.6")->toLongLong(), 3);
    EXPECT_EQ(storedValue(ColumnKind::Text, true)->toInt(), -1) << "a tick stores as -1";
    EXPECT_EQ(shownValue(ColumnKind::Money, Money().toVariant(), false).toString(), "");
    EXPECT_EQ(shownValue(ColumnKind::Flag, 0, true), QVariant(false));
    EXPECT_EQ(amountProblem("12345678901234567890"), "it is too large to store");
    EXPECT_EQ(amountProblem("1x"), "it is not a number");
}
