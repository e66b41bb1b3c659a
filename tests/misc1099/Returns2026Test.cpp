// The 1099-NEC and the 1099-MISC of tax years from 2025: their boxes on screen, the reporting
// thresholds and the move of old box 7 amounts.
#include "misc1099/Misc1099Screen.h"
#include "misc1099/Nec1099Screen.h"
#include "misc1099/NecMove.h"
#include "misc1099/Thresholds1099.h"
#include "shell/StateBox.h"
#include "support/RecordScreenFixture.h"

#include <QCheckBox>
#include <QComboBox>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;

namespace {

// A box as the form names it, the column it is kept in, what is typed ("x" ticks a mark) and
// what is stored.
struct Entry {
    const char *box;
    const char *column;
    const char *typed;
    QVariant stored;
};

template <typename Screen> class Returns2026 : public RecordScreenFixture<Screen> {
protected:
    void SetUp() override
    {
        RecordScreenFixture<Screen>::SetUp();
        this->db().exec("UPDATE Settings SET Year = '2026'");
        this->filer = {"12-3456789", this->addFiler("12-3456789", "ACME", "0001"), "941", "0001"};
    }
    // Opens the screen on no rows, names a recipient and types every box.
    Screen &typeEveryBox(const QVector<Entry> &entries)
    {
        this->dialogs.answer(Answer::Ok); // first recipient: opens adding
        Screen &s = this->openScreen();
        this->type(s.Text1[Screen::kRecipientName], "PAT");
        for (const Entry &e : entries) {
            QWidget *field = this->box(e.box);
            if (auto *mark = qobject_cast<QCheckBox *>(field))
                mark->click();
            else
                this->type(field, e.typed);
        }
        return s;
    }
    // Each entry in its column, and in its box again when the screen is opened anew.
    void expectStored(const QString &table, const QVector<Entry> &entries)
    {
        for (const Entry &e : entries)
            EXPECT_EQ(this->scalar(QString("SELECT %1 FROM \"%2\"").arg(e.column, table)), e.stored) << e.box;
        this->openScreen();
        for (const Entry &e : entries) {
            QWidget *field = this->box(e.box);
            if (auto *mark = qobject_cast<QCheckBox *>(field)) {
                EXPECT_TRUE(mark->isChecked()) << e.box;
            } else if (auto *edit = qobject_cast<QLineEdit *>(field)) {
                EXPECT_TRUE(edit->text() == e.stored.toString() ||
                            QString(edit->text()).remove('$').remove(',').toDouble() == QString(e.typed).toDouble())
                    << e.box << " shows " << edit->text().toStdString();
            }
        }
    }
};

using Nec2026 = Returns2026<Nec1099>;
using Misc2026 = Returns2026<Misc1099>;

// Money in ten-thousandths, as stored.
QVariant units(double dollars)
{
    return QVariant(qlonglong(dollars * 10000 + 0.5));
}

} // namespace

// Form 1099-NEC (Rev. December 2026), boxes 1a to 7; the state numbers follow the payer's states.
TEST_F(Nec2026, EveryBoxIsTypedIntoAColumnOfItsOwn)
{
    const QVector<Entry> entries = {
        {"1a Nonemployee compensation", "NonemployeeComp", "2500", units(2500)},
        {"1b Cash tips", "CashTips", "300", units(300)},
        {"1c TTOC, first code", "TipCode1", "12", "101"}, // "12" is refused first, see below
        {"1c TTOC, second code", "TipCode2", "000", "000"},
        {"1d Overtime compensation", "Overtime", "150.25", units(150.25)},
        {"2 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale",
         "DirectSales", "x", -1},
        {"3 Excess golden parachute payments", "GoldenParachute", "40", units(40)},
        {"4 Federal income tax withheld", "FedTaxWithheld", "24", units(24)},
        {"5 State tax withheld, line 1", "StateTax_L1", "10", units(10)},
        {"6 State/Payer's state no., state, line 1", "State_L1", "MD", "MD"},
        {"7 State income, line 1", "StateIncome_L1", "2000", units(2000)},
        {"5 State tax withheld, line 2", "StateTax_L2", "5", units(5)},
        {"6 State/Payer's state no., state, line 2", "State_L2", "VA", "VA"},
        {"7 State income, line 2", "StateIncome_L2", "500", units(500)},
        {"Recipient's first name for IRIS", "RecFirstName", "pat", "PAT"},
        {"Recipient's middle name for IRIS", "RecMiddleName", "q", "Q"},
        {"Recipient's last name for IRIS", "RecLastName", "o'hara", "O'HARA"},
        {"Recipient's name suffix for IRIS", "RecSuffix", "jr", "JR"},
    };
    Nec1099 &n = typeEveryBox(entries);
    box<QComboBox>("Recipient's name for IRIS is of")->setCurrentIndex(1);
    dialogs.answer(Answer::Ok);
    n.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.texts().last(),
              "Box 1c: \"12\" is no tipped occupation code. Enter three digits from the IRS list of Treasury Tipped "
              "Occupation Codes, or 000 for tips received in an occupation that does not qualify.");
    EXPECT_EQ(scalar("SELECT count(*) FROM \"1099Nec\"").toInt(), 0);
    QApplication::processEvents();
    type(box("1c TTOC, first code"), "101");
    n.cmdEdit[2]->click();
    EXPECT_TRUE(browsing()) << dialogs.texts().join('|').toStdString();
    expectStored("1099Nec", entries);
    EXPECT_EQ(scalar("SELECT RecNameType || ' ' || coalesce(RecTinType, 'none') FROM \"1099Nec\""), "I none");
    EXPECT_EQ(scalar("SELECT StateNo_L1 || ' ' || StateNo_L2 FROM \"1099Nec\""), "MD-1 VA-2");
}

// Form 1099-MISC (Rev. December 2026): boxes 1-18 and the FATCA mark; box 7 is now a mark.
TEST_F(Misc2026, EveryBoxIsTypedIntoAColumnOfItsOwn)
{
    const QVector<Entry> entries = {
        {"1 Rents", "Box1", "2001", units(2001)},
        {"2 Royalties", "Box2", "2", units(2)},
        {"3 Other income", "Box3", "3", units(3)},
        {"4 Federal income tax withheld", "Box4", "4", units(4)},
        {"5 Fishing boat proceeds", "Box5", "5", units(5)},
        {"6 Medical and health care payments", "Box6", "6", units(6)},
        {"7 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale", "Box9", "x",
         -1},
        {"8 Substitute payments in lieu of dividends or interest", "Box8", "8", units(8)},
        {"9 Crop insurance proceeds", "Box10", "9", units(9)},
        {"10 Gross proceeds paid to an attorney", "Box14", "10", units(10)},
        {"11 Fish purchased for resale", "FishPurchased", "11", units(11)},
        {"12 Section 409A deferrals", "Deferrals409A", "12", units(12)},
        {"13a Cash tips", "CashTips", "13.01", units(13.01)},
        {"13b TTOC, first code", "TipCode1", "201", "201"},
        {"13b TTOC, second code", "TipCode2", "000", "000"},
        {"FATCA filing requirement", "Fatca", "x", -1},
        {"14 Overtime compensation", "Overtime", "14", units(14)},
        {"15 Nonqualified deferred compensation", "NqDeferredComp", "15", units(15)},
        {"16 State tax withheld, line 1", "Box16_L1", "16", units(16)},
        {"17 State/Payer's state no., state, line 1", "Box17a_L1", "MD", "MD"},
        {"18 State income, line 1", "Box18_L1", "18", units(18)},
        {"16 State tax withheld, line 2", "Box16_L2", "16.2", units(16.2)},
        {"17 State/Payer's state no., state, line 2", "Box17a_L2", "VA", "VA"},
        {"18 State income, line 2", "Box18_L2", "18.2", units(18.2)},
    };
    Misc1099 &m = typeEveryBox(entries);
    m.cmdEdit[2]->click();
    EXPECT_TRUE(browsing()) << dialogs.texts().join('|').toStdString();
    expectStored("1099Misc", entries);
    EXPECT_EQ(scalar("SELECT Box17b_L1 || ' ' || Box17b_L2 FROM \"1099Misc\""), "MD-1 VA-2");
    EXPECT_EQ(scalar("SELECT Box7 + Box13 FROM \"1099Misc\"").toInt(), 0) << "boxes the form no longer has";
}

// Below the year's threshold in every box, with nothing withheld, the return is pointed out; No
// keeps it on screen unstored, Yes stores it.
TEST_F(Nec2026, AReturnBelowTheThresholdIsPointedOutAndMayBeKept)
{
    Nec1099 &n = typeEveryBox({{"1a Nonemployee compensation", "NonemployeeComp", "1999.99", units(1999.99)}});
    const QString question = "This 1099-NEC does not reach the 2026 reporting threshold in any box and has no tax "
                             "withheld, so the IRS does not require it. Store it anyway?";
    dialogs.answer(Answer::No);
    n.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.texts().last(), question);
    EXPECT_TRUE(editing());
    dialogs.answer(Answer::Yes);
    n.cmdEdit[2]->click();
    EXPECT_EQ(scalar("SELECT NonemployeeComp FROM \"1099Nec\""), units(1999.99));
}

// Instructions for Forms 1099-MISC and 1099-NEC: for 2025 $600 (royalties and substitute payments
// $10); from 2026 (Rev. December 2026) $2,000, royalties $10, attorneys' gross proceeds $600, and
// any amount withheld whatever the payment.
using Thresholds1099 = FreshDatabase;

TEST_F(Thresholds1099, FollowThePaymentYear)
{
    auto paid = [](QMap<QString, double> amounts) {
        return
            [amounts](const QString &column) { return Money::fromUnits(qint64(amounts.value(column) * 10000 + 0.5)); };
    };
    EXPECT_TRUE(belowThresholds(db, 2026, "1099-NEC", paid({{"NonemployeeComp", 1999.99}})));
    EXPECT_FALSE(belowThresholds(db, 2026, "1099-NEC", paid({{"NonemployeeComp", 2000}})));
    EXPECT_FALSE(belowThresholds(db, 2025, "1099-NEC", paid({{"NonemployeeComp", 600}})));
    EXPECT_TRUE(belowThresholds(db, 2025, "1099-NEC", paid({{"NonemployeeComp", 599.99}})));
    EXPECT_FALSE(belowThresholds(db, 2026, "1099-MISC", paid({{"Box2", 10}}))) << "royalties";
    EXPECT_TRUE(belowThresholds(db, 2026, "1099-MISC", paid({{"Box2", 9.99}, {"Box1", 1999.99}})));
    EXPECT_FALSE(belowThresholds(db, 2026, "1099-MISC", paid({{"Box14", 600}}))) << "attorney";
    EXPECT_FALSE(belowThresholds(db, 2026, "1099-NEC", paid({{"NonemployeeComp", 5}, {"FedTaxWithheld", 1}})))
        << "backup withholding always needs a return";
    EXPECT_FALSE(belowThresholds(db, 2001, "1099-MISC", paid({{"Box1", 1}}))) << "no thresholds kept for 2001";
}

// Moving the 1099-MISC box 7 amounts of a database moved to 2026: asked once, yes or no.
TEST_F(Misc2026, Box7AmountsMoveToNecReturnsOnlyWhenTheUserSaysYesAndAreOfferedOnce)
{
    auto add = [&](const char *name, const char *columns, const QVariantList &values) {
        const QString marks = QString("?, ").repeated(values.size());
        db().exec(QString("INSERT INTO \"1099Misc\" (RecName1, FedIDNo, Tfid, %1) VALUES (?, ?, ?, %2)")
                      .arg(columns, marks.chopped(2)),
                  QVariantList{name, filer.fedIdNo, filer.tfid} + values);
    };
    const QString question =
        "Nonemployee compensation is reported on Form 1099-NEC since tax year 2020. 2 1099-MISC return(s) still "
        "hold it in box 7 of the older form.\rMove these amounts to 1099-NEC returns of the same recipients now?\r"
        "This question is asked once; whatever the answer, no amount is lost.";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "yes" : "no");
        db().exec("DELETE FROM \"1099Misc\"");
        db().exec("UPDATE NecMoveOffer SET Offered = 0");
        add("ONLY NEC", "Box7, Box4, Box16_L1, Box17a_L1, Box17b_L1, Box18_L1, AcctNo, TIN, RecIDNo",
            {7000000, 700000, 70000, "MD", "MD-1", 7000000, "A-1", -1, "111-11-1111"});
        add("RENT TOO", "Box7, Box1, Box4, Box16_L1", {8000000, 25000000, 900000, 90000});
        add("RENT ONLY", "Box1", {30000000});
        dialogs.answer(answer);
        offerBox7Move(ctx);
        ASSERT_EQ(dialogs.texts().last(), question);
        offerBox7Move(ctx); // not asked again: an unexpected question fails the test
        if (answer == Answer::No) {
            EXPECT_EQ(scalar("SELECT count(*) FROM \"1099Nec\"").toInt(), 0);
            EXPECT_EQ(scalar("SELECT sum(Box7) FROM \"1099Misc\"").toLongLong(), 15000000);
            continue;
        }
        // All of the first return moves; the second keeps its rents, withholding and state line.
        EXPECT_EQ(scalar("SELECT group_concat(RecName1) FROM \"1099Misc\"").toString(), "RENT TOO,RENT ONLY");
        EXPECT_EQ(scalar("SELECT Box7 || ' ' || Box1 || ' ' || Box4 || ' ' || Box16_L1 FROM \"1099Misc\" "
                         "WHERE RecName1 = 'RENT TOO'"),
                  "0 25000000 900000 90000");
        EXPECT_EQ(scalar("SELECT group_concat(RecName1 || ' ' || NonemployeeComp || ' ' || FedTaxWithheld || ' ' || "
                         "StateTax_L1 || ' ' || coalesce(State_L1, '-') || ' ' || coalesce(StateNo_L1, '-') || ' ' || "
                         "StateIncome_L1 || ' ' || coalesce(AcctNo, '-') || ' ' || TIN || ' ' || Tfid, '|') "
                         "FROM \"1099Nec\" ORDER BY Counter"),
                  QString("ONLY NEC 7000000 700000 70000 MD MD-1 7000000 A-1 -1 %1|RENT TOO 8000000 0 0 - - 0 - 0 %1")
                      .arg(filer.tfid));
    }
    db().exec("UPDATE Settings SET Year = '2001'");
    db().exec("UPDATE NecMoveOffer SET Offered = 0");
    offerBox7Move(ctx); // a database of 2001 is not asked
}
