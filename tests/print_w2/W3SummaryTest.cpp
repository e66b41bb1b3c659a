#include "print_w2/W3Summary.h"
#include "data/RecordSet.h"
#include "print_1099/Print1096.h"
#include "print_w2/W3Print.h"
#include "support/PrintedBoxes.h"
#include "support/TestDatabase.h"

#include "data/DbError.h"
#include "print_w2/W3Report.h"
#include "printing/RecordingPrinter.h"
#include <QMap>
#include <QMargins>
#include <QRect>

using namespace quillory;

namespace {

class W3Summary : public test::FreshDatabase {
protected:
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
};

} // namespace

// Each W-3 amount box against the W-2 boxes it totals, added up here from the values stored.
TEST_F(W3Summary, EveryBoxTotalsItsW2BoxesAndPrintsInItsOwnBox)
{
    const QMap<QString, QStringList> totals = {{"Box1", {"Box1"}},
                                               {"Box2", {"Box2"}},
                                               {"Box3", {"Box3"}},
                                               {"Box4", {"Box4"}},
                                               {"Box5", {"Box5"}},
                                               {"Box6", {"Box6"}},
                                               {"Box7", {"Box7"}},
                                               {"Box8", {"Box8"}},
                                               {"Box9", {"Box9"}},
                                               {"Box10", {"Box10"}},
                                               {"Box11", {"Box11"}},
                                               {"Box14", {"SickPay"}},
                                               {"Box16", {"Box16_L1", "Box16_L2"}},
                                               {"Box17", {"Box17_L1", "Box17_L2"}},
                                               {"Box18", {"Box18_L1", "Box18_L2"}},
                                               {"Box19", {"Box19_L1", "Box19_L2"}}};
    // Box 12 totals the elective deferrals only: codes D to H and S.
    const QStringList codes[] = {{"D", "E", "F", "G"}, {"H", "S", "C", "A"}, {"J", "", "T", "H"}};
    const QString deferrals = "DEFGHS";

    const int tfid = addFiler("12-3456789");
    QMap<QString, Money> expected;
    for (int n = 0; n < 3; ++n) {
        RecordSet w2 = addW2(tfid);
        int k = 0;
        for (const ColumnInfo &c : db.table("W2").columns()) {
            if (c.kind != ColumnKind::Money)
                continue;
            ++k;
            const Money amount = Money::fromCents(100000 * k + 1000 * n + 7 * k);
            w2.setMoney(c.name, amount);
            for (auto it = totals.begin(); it != totals.end(); ++it)
                if (it.value().contains(c.name))
                    expected[it.key()] = expected[it.key()] + amount;
        }
        for (int line = 0; line < 4; ++line) {
            const QString box = QString("Box12%1_").arg(QChar('a' + line));
            w2.setText(box + "Code", codes[n][line]);
            if (!codes[n][line].isEmpty() && deferrals.contains(codes[n][line]))
                expected["Box12"] = expected["Box12"] + w2.money(box + "Amt");
        }
        w2.update();
    }
    ASSERT_EQ(buildW3Summaries(db), 1);
    RecordSet rs = w3();
    EXPECT_EQ(rs.integer("Boxc"), 3);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(rs.money(it.key()), it.value()) << it.key().toStdString();
    ASSERT_EQ(expected.size(), 17);

    db.exec("UPDATE PrintMargins SET TopMargAdjust = 90, LeftMargAdjust = -45 WHERE FormName = 'W3'");
    RecordingPrinter printer;
    PrintW3Form(db, printer, "12-3456789");
    const FieldLayout layout = OpenFieldLayout(db, "W3", std::nullopt, LayoutNumbers::Int32);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        test::expectInBox(printer, layout, it.key(), it.value().toFixed2(), true, Twips(90), Twips(-45));
    test::expectInBox(printer, layout, "Boxc", "3", false, Twips(90), Twips(-45));
    test::expectInBox(printer, layout, "Boxb_941", "X", false, Twips(90), Twips(-45));
    // Box 13's label sits among the amounts and prints blank.
    EXPECT_FALSE(printer.find("Third-Party Sick Pay Recap"));
}

TEST_F(W3Summary, TheEmployerComesFromTheFirstW2AndTheContactFromTheFiler)
{
    const int tfid = addFiler("12-3456789");
    RecordSet a = addW2(tfid);
    a.setText("Box15a_L1", "NY");
    a.setText("Box15b_L1", "NY-1");
    a.update();
    RecordSet b = addW2(tfid);
    b.setText("Boxc_L1", "Other name");
    b.setText("Box15a_L1", "NJ");
    b.update();

    buildW3Summaries(db);
    RecordSet rs = w3();
    EXPECT_EQ(rs.text("Boxe"), "12-3456789");
    EXPECT_EQ(rs.text("Boxf"), "Acme O'Hara");
    EXPECT_EQ(rs.text("Boxg_L1"), "1 Main St");
    EXPECT_EQ(rs.text("Boxh"), "11-1111111");
    EXPECT_EQ(rs.text("Contact"), "Pat");
    EXPECT_EQ(rs.text("Box15a"), "NY");
    EXPECT_EQ(rs.text("Box15b"), "NY-1");
    EXPECT_TRUE(rs.isNull("Box13"));
    EXPECT_TRUE(rs.isNull("Boxb_M"));
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
    EXPECT_EQ(rs.text("Boxb_3PSP"), "X");
    EXPECT_TRUE(rs.isNull("Boxb_941"));
    EXPECT_EQ(rs.text("Box13"), "Third-Party Sick Pay Recap");
    EXPECT_EQ(rs.text("Box15a"), "X");
    EXPECT_EQ(rs.text("Box15b"), QString());
}

TEST_F(W3Summary, KindsOfPayerIncludeTheFilerScreensLongTexts)
{
    EXPECT_STREQ(kindOfPayerColumn("Military"), "Boxb_M");
    EXPECT_STREQ(kindOfPayerColumn("Household Employer"), "Boxb_HHE");
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
    EXPECT_EQ(rs.text("Boxd"), "1");
    EXPECT_EQ(rs.integer("Boxc"), 1);
    rs.moveNext();
    EXPECT_EQ(rs.text("Boxd"), "2");
    EXPECT_EQ(rs.integer("Boxc"), 2);
    // A second rebuild replaces the rows rather than adding to them.
    EXPECT_EQ(buildW3Summaries(db), 2);
    EXPECT_EQ(w3().recordCount(), 2);
}

namespace {

class W3Print : public test::FreshDatabase {
protected:
    W3Print()
    {
        db.exec("INSERT INTO W3 (Boxe, Boxd, Boxf, Boxg_L1, Boxc, Boxb_941, Boxb_3PSP, Box1, Box2, Box13) VALUES "
                "('12-3456789', '1', 'Acme', '1 Main St', 2, 'X', 'X', 35005000, 0, 'Third-Party Sick Pay Recap')");
    }
    RecordingPrinter printer;
};

} // namespace

TEST_F(W3Print, AnEmployerWithoutASummaryPrintsNothing)
{
    EXPECT_THROW(PrintW3Form(db, printer, "99-9999999"), DbError);
    EXPECT_TRUE(printer.placed().isEmpty());
    EXPECT_EQ(printer.jobsEnded(), 0);
}

TEST_F(W3Print, ReportIsOneJobWithABoldTitleAndABlockPerRow)
{
    db.exec("INSERT INTO W3 (Boxe, Box1) VALUES ('98-7654321', 10000)");
    PrintW3Report(db, printer, QDate(2002, 1, 31));
    EXPECT_EQ(printer.jobsEnded(), 1);
    const auto *title = printer.find("2001 W3 Summary Report");
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->x, Twips(360 + 29 * 144)); // inside the quarter-inch margin
    EXPECT_TRUE(printer.find("01/31/02"));
    const auto *first = printer.find("  Tax ID: 12-3456789");
    const auto *second = printer.find("  Tax ID: 98-7654321");
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(first->font.bold);
    const auto *box1 = printer.find("  Box 1:  $3,500.50");
    ASSERT_TRUE(box1);
    EXPECT_EQ(box1->x, Twips(360 + 54 * 144));
    EXPECT_EQ(box1->y, first->y);
    // 19 lines and two empty ones between the blocks.
    EXPECT_EQ(second->y - first->y, Twips(21 * 272));
    // Too long for column 55 on Letter paper: a line of its own from column 1.
    const auto *box13 = printer.find(" Box 13:  Third-Party Sick Pay Recap");
    ASSERT_TRUE(box13);
    EXPECT_EQ(box13->x, Twips(360));
    EXPECT_TRUE(printer.find("  Box 2:  $0.00"));
    EXPECT_TRUE(printer.find("    Type: 3PSP")); // the later mark wins
}

TEST_F(W3Print, ARowWithoutMarksHasAnEmptyTypeAndAnEmptyTableFailsTheReport)
{
    db.exec("DELETE FROM W3");
    EXPECT_THROW(PrintW3Report(db, printer), DbError);
    EXPECT_EQ(printer.jobsEnded(), 0);
    db.exec("INSERT INTO W3 (Boxe) VALUES ('1')");
    RecordSet rs = RecordSet::table(db, "W3");
    EXPECT_EQ(w3KindOfPayer(rs), QString());
}

TEST_F(W3Print, BothReportsStayInsideTheMarginsOnEveryPaperAndLoseNothingAtAPageBreak)
{
    // Six blocks of each report (several pages), the longest texts and the largest totals.
    for (int i = 0; i < 5; ++i)
        db.exec("INSERT INTO W3 SELECT * FROM W3 LIMIT 1");
    db.exec("UPDATE W3 SET Boxf = ?, Box1 = 999999999900, Box19 = 999999999900", {QString(40, 'F')});
    for (int i = 0; i < 6; ++i)
        db.exec("INSERT INTO \"1096\" (Box1, Box2, PayerName, PayerL2, Box3, Box4, Box5) VALUES "
                "('12-3456789', '123-45-6789', ?, ?, 99999, 999999999900, 999999999900)",
                {QString(40, 'P'), QString(70, 'L')});
    const auto size = [](int width, int height) { return TwipsSize{Twips(width), Twips(height)}; };
    const struct {
        TwipsSize page;
        TwipsMargins unprintable;
    } papers[] = {{size(12240, 15840), {}},
                  {size(11906, 16838), {}},
                  {size(11906, 16838), {Twips(432), Twips(288), Twips(432), Twips(720)}}};
    for (const auto &paper : papers) {
        for (const bool w3 : {true, false}) {
            SCOPED_TRACE(paper.page.width.value());
            RecordingPrinter out(std::make_shared<FixedPitchMetrics>(), paper.page, paper.unprintable);
            w3 ? PrintW3Report(db, out, QDate(2002, 1, 31)) : Print1096Report(db, out, QDate(2002, 1, 31));
            EXPECT_EQ(out.jobSetup(1).name, w3 ? "W-3 Summary Report" : "1096 Summary Report");
            EXPECT_EQ(out.jobSetup(1).paper, JobPaper::Plain);
            const TwipsMargins &u = paper.unprintable;
            const QMargins m(std::max(360, u.left.value()), std::max(360, u.top.value()),
                             std::max(360, u.right.value()), std::max(360, u.bottom.value()));
            const QRect inside = QRect(0, 0, paper.page.width.value(), paper.page.height.value()).marginsRemoved(m);
            QString all;
            int pages = 1;
            for (const auto &p : out.placed()) {
                EXPECT_TRUE(inside.contains(
                    QRect(p.x.value(), p.y.value(), out.textWidth(p.text).value(), out.textHeight().value())))
                    << p.text.toStdString() << " at " << p.x << ", " << p.y;
                all += p.text + '|';
                pages = std::max(pages, p.page);
            }
            EXPECT_GT(pages, 1);
            // Every block whole: the last line of each block, the totals and the long texts.
            const QString last = w3 ? " Box 19:  $99,999,999.99" : "No of 1099s: 99999";
            EXPECT_EQ(all.count(last), 6);
            EXPECT_EQ(all.count(w3 ? 'F' : 'L'), w3 ? 6 * 40 : 6 * 70);
            EXPECT_EQ(all.count(w3 ? "Third-Party Sick Pay Recap" : "$99,999,999.99"), w3 ? 6 : 12);
        }
    }
}
