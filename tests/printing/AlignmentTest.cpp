#include "printing/Alignment.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "printing/NumberText.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

TEST(NumberText, NumbersShowWithABlankOrMinusAndNoLeadingZero)
{
    const QPair<double, const char *> cases[] = {{2, " 2"},        {-1, "-1"},         {1.5, " 1.5"},
                                                 {0.5, " .5"},     {-0.25, "-.25"},    {0, " 0"},
                                                 {-0.0, " 0"},     {270, " 270"},      {30.0 / 90, " .333333333333333"},
                                                 {1e20, " 1E+20"}, {0.00001, " 1E-05"}};
    for (const auto &[number, text] : cases)
        EXPECT_EQ(NumberToText(number), text) << number;
}

TEST(NumberText, LeadingNumberReadsWhatTheTextStartsWith)
{
    const QPair<const char *, double> cases[] = {
        {" 2", 2},   {"\t-1.5", -1.5}, {"2.5a", 2.5}, {".5", 0.5}, {"12.50", 12.5}, {"1e2x", 100},     {"3e", 3},
        {"1 2", 12}, {"1.2.3", 1.2},   {"", 0},       {"word", 0}, {"-", 0},        {"Applied For", 0}};
    for (const auto &[text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << text;
}

TEST(NumberText, WholeNumberTakesTheWholeTextInTheLocalesForm)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const std::optional<double> no;
    const QPair<const char *, std::optional<double>> cases[] = {
        {" 2 ", 2}, {"1.5", 1.5}, {"-1", -1}, {"1,000", 1000}, {"2e1", 20}, {"", no}, {"2.5a", no}, {"word", no}};
    for (const auto &[text, number] : cases)
        EXPECT_EQ(WholeNumber(text, us), number) << text;
    EXPECT_EQ(WholeNumber("1,5", QLocale(QLocale::German, QLocale::Germany)), 1.5);
}

namespace {

class Alignment : public test::FreshDatabase {
protected:
    QPair<int, int> stored(const QString &kind)
    {
        auto q = db.exec("SELECT TopMargAdjust, LeftMargAdjust FROM PrintMargins WHERE FormName = ?", {kind});
        q.next();
        return {q.value(0).toInt(), q.value(1).toInt()};
    }
};

} // namespace

TEST_F(Alignment, LoadShowsSixteenthsAndStoreKeepsTwips)
{
    db.exec("UPDATE PrintMargins SET TopMargAdjust = 180, LeftMargAdjust = -90 WHERE FormName = 'W2-C'");
    AlignmentFields shown = LoadAlignment(db, "W2-C");
    EXPECT_EQ(shown.down, " 2");
    EXPECT_EQ(shown.right, "-1");

    db.exec("UPDATE PrintMargins SET TopMargAdjust = 45, LeftMargAdjust = 0 WHERE FormName = '1099-M'");
    shown = LoadAlignment(db, "1099-M");
    EXPECT_EQ(shown.down, " .5");
    EXPECT_EQ(shown.right, " 0");

    StoreAlignment(db, "1096", {".5", "3"}, AlignmentReading::WholeNumber);
    EXPECT_EQ(stored("1096"), qMakePair(45, 270));
    StoreAlignment(db, "1096", shown, AlignmentReading::LeadingNumber);
    EXPECT_EQ(stored("1096"), qMakePair(45, 0));
    StoreAlignment(db, "w3", {"-1.5", " 2 "}, AlignmentReading::WholeNumber);
    EXPECT_EQ(stored("W3"), qMakePair(-135, 180));
}

TEST_F(Alignment, TheTwoScreensReadTheirFieldsByTheirOwnRules)
{
    // 1099 print screen: what is not a number stores 0, without a word.
    StoreAlignment(db, "1099-L", {"2.5a", ""}, AlignmentReading::LeadingNumber);
    EXPECT_EQ(stored("1099-L"), qMakePair(225, 0));
    StoreAlignment(db, "1099-L", {"word", "1"}, AlignmentReading::LeadingNumber);
    EXPECT_EQ(stored("1099-L"), qMakePair(0, 90));

    // W-2 print screen: the print is refused and neither field is stored.
    db.exec("UPDATE PrintMargins SET TopMargAdjust = 90, LeftMargAdjust = 90 WHERE FormName = 'W2-L'");
    for (const char *bad : {"", "word", "2.5a"}) {
        try {
            StoreAlignment(db, "W2-L", {"3", bad}, AlignmentReading::WholeNumber);
            FAIL() << "stored " << bad;
        } catch (const AlignmentInputError &e) {
            EXPECT_NE(QString(e.what()).indexOf("\"Right:\""), -1) << e.what();
        }
        EXPECT_EQ(stored("W2-L"), qMakePair(90, 90));
    }
    EXPECT_THROW(StoreAlignment(db, "W2-L", {"400", "0"}, AlignmentReading::WholeNumber), AlignmentInputError);
    EXPECT_THROW(StoreAlignment(db, "W2-L", {"1e9", "0"}, AlignmentReading::LeadingNumber), AlignmentInputError);
    EXPECT_EQ(stored("W2-L"), qMakePair(90, 90));
}

TEST_F(Alignment, AKindWithoutARowIsReportedAndNothingIsWritten)
{
    EXPECT_THROW(LoadAlignment(db, "W2-X"), DbError);
    EXPECT_THROW(StoreAlignment(db, "W2-X", {"1", "1"}, AlignmentReading::WholeNumber), DbError);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM PrintMargins WHERE TopMargAdjust <> 0").toInt(), 0);
}
