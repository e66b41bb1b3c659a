#include "w2/W2Screen.h"
#include "support/RecordScreenFixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

class W2Screen : public RecordScreenFixture<W2> {
protected:
    void SetUp() override
    {
        RecordScreenFixture::SetUp();
        employer = addFiler("12-3456789", "O'BRIEN HARDWARE", "0001");
    }
    void addW2(const QString &ssn, const QString &last, int tfid = 0)
    {
        db().exec("INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Box2, Tfid) VALUES (?, 'X', ?, 5000000, ?)",
                  {ssn, last, tfid ? tfid : employer});
    }
    QVariant stored(const QString &column, const QString &ssn)
    {
        return scalar(QString("SELECT %1 FROM W2 WHERE Boxd = ?").arg(column), {ssn});
    }
    int count() { return scalar("SELECT count(*) FROM W2").toInt(); }
    W2 &open(int tfid = 0)
    {
        filer.tfid = tfid ? tfid : employer;
        return openScreen();
    }
    // The caption after the employer's numbers.
    QString shown() const
    {
        return screen->windowTitle().remove("W2 employee input for employer 12-3456789 0001 Type 941 - ");
    }
    // Names, SSN and the taxes of 1,000.00 of wages, so that the checks find nothing.
    void fillConsistent(W2 &w, const QString &ssn)
    {
        type(w.MaskedEdit1, ssn);
        type(w.Text1[1], "ann");
        type(w.Text1[2], "o'neil");
        type(w.Text1[22], "1000");
        type(w.Text1[23], "62");
        type(w.Text1[24], "1000");
        type(w.Text1[25], "14.5");
    }

    int employer = 0;
};

} // namespace

TEST_F(W2Screen, TheFirstEmployeeIsNumberedAndStoredWithTheEmployersColumns)
{
    state.gW2AutoNumber = true;
    db().exec("UPDATE Settings SET W2ctr = 41");
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"This is the first employee entered for employer.\rOpening screen in edit mode."});
    EXPECT_EQ(shown(), "Initial Employee");
    EXPECT_TRUE(w.isAdding());
    EXPECT_EQ(w.Text1[0]->text(), "42");
    type(w.Text1[0], "9");
    EXPECT_EQ(w.Text1[0]->text(), "42") << "a handed-out number is not typed over";
    EXPECT_EQ(dialogs.beeps, 1);

    fillConsistent(w, "123456789");
    type(w.Text1[1], "jos");
    QTest::sendKeyEvent(QTest::Click, w.Text1[1], Qt::Key_Eacute, QString::fromUtf8("é"), {});
    type(w.Text1[20], "1234.5");
    QTest::keyClick(w.Text1[20], Qt::Key_Tab);
    EXPECT_EQ(w.Text1[20]->text(), "$1,234.50");
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.size(), 1) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(shown(), "Employee 1 of 1");
    const QString ssn = "123-45-6789";
    EXPECT_EQ(stored("Boxe_FName", ssn).toString(), QString::fromUtf8("JOSÉ"));
    EXPECT_EQ(stored("Boxe_LName", ssn).toString(), "O'NEIL");
    EXPECT_EQ(stored("Box1", ssn).toLongLong(), 12345000);
    EXPECT_EQ(stored("Boxa", ssn).toString(), "42");
    EXPECT_EQ(stored("Boxb", ssn).toString(), "12-3456789");
    EXPECT_EQ(stored("Boxc_L2", ssn).toString(), "1 MAIN ST");
    EXPECT_EQ(stored("EstNo", ssn).toString(), "0001");
    EXPECT_EQ(stored("Tfid", ssn).toInt(), employer);

    w.cmdEdit[0]->click();
    EXPECT_EQ(w.Text1[0]->text(), "43");
    EXPECT_EQ(db().scalar("SELECT W2ctr FROM Settings").toInt(), 43);
}

TEST_F(W2Screen, WithoutAutoNumberingTheNumberIsTypedAndCancelWithNoW2Closes)
{
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    EXPECT_EQ(w.Text1[0]->text(), "");
    type(w.Text1[0], "12a3");
    EXPECT_EQ(w.Text1[0]->text(), "123");
    EXPECT_EQ(db().scalar("SELECT W2ctr FROM Settings").toInt(), 0);
    w.cmdEdit[3]->click();
    EXPECT_FALSE(w.isVisible());
}

// A column missing from an older file, put back while the failure dialog is up: Retry stores.
TEST_F(W2Screen, RetryAfterTheFileIsRepairedStoresTheRecord)
{
    db().exec("ALTER TABLE W2 DROP COLUMN Box20_L2");
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    fillConsistent(w, "123456789");
    type(w.Text1[19], "town");
    dialogs.answer(Answer::Retry, [&] { folder.exec("ALTER TABLE W2 ADD Box20_L2 TEXT(8)"); });
    w.cmdEdit[2]->click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_TRUE(dialogs.calls[1].text.contains("Box20_L2")) << dialogs.calls[1].text.toStdString();
    EXPECT_EQ(stored("Box20_L2", "123-45-6789").toString(), "TOWN");
    EXPECT_TRUE(browsing());
}

TEST_F(W2Screen, AnEmployerThatIsGoneIsAFailure)
{
    dialogs.answer(Answer::Abort);
    W2 &w = open(employer + 1);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].title, "Quillory Error");
    EXPECT_EQ(w.recordCount(), 0);
}

TEST_F(W2Screen, StateBoxesOfferTheEmployersStatesAndDeleteEmptiesOneLine)
{
    db().exec(
        "INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Tfid, Box15a_L1, Box15b_L1, Box16_L1, Box20_L1, Box15a_L2, "
        "Box15b_L2, "
        "Box16_L2, Box19_L2, Box20_L2) VALUES ('111-11-1111', 'A', 'B', ?, 'MD', 'MD-1', 10000, 'A', 'MD', "
        "'MD-1', 20000, 30000, 'B')",
        {employer});
    W2 &w = open();
    QComboBox *line2 = w.cboState[1];
    line2->showPopup();
    ASSERT_EQ(line2->model()->rowCount(), 2);
    EXPECT_EQ(line2->model()->index(1, 1).data().toString(), "VA-2");
    EXPECT_TRUE(browsing()) << "dropping the list down changes nothing";
    QTest::keyClick(line2->view(), Qt::Key_Down);
    QTest::keyClick(line2->view(), Qt::Key_Return);
    EXPECT_EQ(line2->currentText(), "VA");
    EXPECT_EQ(w.Text1[37]->text(), "VA-2");
    EXPECT_TRUE(editing());

    type(w.Text1[37], "x");
    EXPECT_EQ(w.Text1[37]->text(), "VA-2") << "the state ID is not typed";
    line2->setFocus();
    QTest::keyClick(line2, Qt::Key_Delete);
    EXPECT_EQ(line2->currentText(), "");
    EXPECT_EQ(w.Text1[32]->text(), "MD-1") << "line 1 stays";
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box15a_L2", "111-11-1111").toString(), "");
    EXPECT_EQ(stored("Box19_L2", "111-11-1111").toLongLong(), 0);
}

TEST_F(W2Screen, TheFocusedBoxLabelTurnsGreen)
{
    addW2("111-11-1111", "FIRST");
    W2 &w = open();
    const QColor normal = w.LabelOpt[2]->palette().color(QPalette::WindowText);
    w.chkOpt[2]->setFocus();
    EXPECT_EQ(w.LabelOpt[2]->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    w.Text1[1]->setFocus();
    EXPECT_EQ(w.LabelOpt[2]->palette().color(QPalette::WindowText), normal);
}

TEST_F(W2Screen, SaveRunsTheChecksAndTheirAnswerDecides)
{
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No employee first name entered");
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[1]);

    // Findings ask whether to go on; No stores nothing and goes back to the wages.
    fillConsistent(w, "123456789");
    type(w.Text1[23], "62.01");
    dialogs.answer(Answer::No);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text,
              "The following errors were encountered: \n\nSocial Security Tax Withheld should be $62.00\n\nContinue?");
    EXPECT_EQ(dialogs.calls.last().buttons, Buttons::YesNo);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[20]);
    EXPECT_EQ(count(), 0);

    // An invalid code cannot be overridden.
    type(w.Text1[9], "u");
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().buttons, Buttons::Ok);
    EXPECT_EQ(count(), 0);

    type(w.Text1[9], "");
    dialogs.answer(Answer::Yes);
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box4", "123-45-6789").toLongLong(), 620100);

    // With the edits off only the names count.
    state.gW2EditsOn = false;
    type(w.Text1[9], "1");
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box12a_Code", "123-45-6789").toString(), "1");
}

TEST_F(W2Screen, SickPayIsAskedForUntilItIsANumberNoLargerThanBox2)
{
    addW2("111-11-1111", "FIRST"); // box 2 holds 500.00
    W2 &w = open();
    dialogs.answerInput("abc").answerInput("600").answerInput("500");
    w.chkOpt[4]->click();
    EXPECT_TRUE(editing());
    ASSERT_EQ(dialogs.calls.size(), 3);
    EXPECT_EQ(dialogs.calls[2].initial, "600") << "each prompt offers the entry refused";
    EXPECT_EQ(w.Text1[3]->text(), "500");
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("SickPay", "111-11-1111").toLongLong(), 5000000);
    EXPECT_EQ(stored("Box13c", "111-11-1111").toInt(), -1);

    w.cmdMove[1]->click(); // shown again: the tick asks nothing
    w.chkOpt[4]->click();
    // Cancel: no sick pay, so no tick either.
    dialogs.answerInput(std::nullopt);
    w.chkOpt[4]->click();
    EXPECT_FALSE(w.chkOpt[4]->isChecked());
    EXPECT_EQ(w.Text1[3]->text(), "0.00");
}

TEST_F(W2Screen, OpeningInTheMainWindowKeepsOneScreenPerEmployer)
{
    const int other = addFiler("98-7654321", "OTHER");
    addW2("111-11-1111", "FIRST");
    addW2("222-22-2222", "SECOND", other);
    MDIForm1 main(ctx);
    QString printing;
    ScreenOpeners openers;
    openers.prtSelW2 = [&](MDIForm1 &, const FilerKey &key) { printing = key.fedIdNo; };
    main.setScreenOpeners(openers);
    main.show();
    W2::open(main, {{}, employer, {}, {}});
    W2::open(main, {{}, employer, {}, {}});
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    type(qobject_cast<W2 *>(main.mdiArea()->subWindowList()[0]->widget())->Text1[2], "changed");
    dialogs.answer(Answer::No);
    W2::open(main, {{}, other, {}, {}});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto *second = qobject_cast<W2 *>(main.mdiArea()->subWindowList()[0]->widget());
    EXPECT_EQ(second->Text1[2]->text(), "SECOND");
    EXPECT_EQ(stored("Boxe_LName", "111-11-1111").toString(), "FIRST");

    second->cmdEdit[6]->click();
    EXPECT_EQ(printing, "98-7654321") << "the print screen starts at the screen's employer";
    second->cmdEdit[7]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
}

// The W-2 of 2026: box 14 is 14a Other and 14b takes two Treasury tipped occupation codes;
// box 9 is blank; box 12 takes the new codes TA, TP and TT.
TEST_F(W2Screen, On2026TheScreenHasBox14bAndTheNewCodes)
{
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(open().findChild<QLineEdit *>("Text1_48"), nullptr) << "2001 has no box 14b";
    folder.useTaxYear("2026");
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    ASSERT_NE(w.Text1[48], nullptr);
    EXPECT_EQ(w.Text1[48]->objectName(), "Text1_48");
    EXPECT_EQ(w.Text1[48]->accessibleName(), "14b. Treasury tipped occupation code, 1st");
    EXPECT_EQ(w.Text1[49]->accessibleName(), "14b. Treasury tipped occupation code, 2nd");
    EXPECT_EQ(w.Text1[15]->accessibleName(), "14a. Other, line 1");
    EXPECT_EQ(w.Text1[28]->accessibleName(), "9.");
    EXPECT_TRUE(w.Text1[28]->isReadOnly()) << "box 9 is blank on the 2026 form";
    EXPECT_EQ(w.Text1[17]->nextInFocusChain(), w.Text1[48]);
    // Form W-2 2026: box a the employee's SSN, box d the control number.
    const auto boxCaption = [](QWidget *field) {
        return field->parentWidget()->findChild<QLabel *>("caption")->text();
    };
    EXPECT_EQ(boxCaption(w.MaskedEdit1), "Employee's social security number");
    EXPECT_EQ(boxCaption(w.Text1[0]), "Control number");
    // Every box of the 2026 form shows its number once, and box c the employer's four lines.
    QStringList shown;
    for (const QLabel *label : w.findChildren<QLabel *>())
        if (label->isVisibleTo(&w) && !label->objectName().startsWith("lblEmployer")) // not the filer's values
            shown << label->text();
    for (const char *number :
         {"a",  "b",  "c",   "d",   "e",   "f",   "1",  "2",   "3",   "4",  "5",  "6",  "7",  "8",  "9", "10",
          "11", "12", "12a", "12b", "12c", "12d", "13", "14a", "14b", "15", "16", "17", "18", "19", "20"})
        EXPECT_EQ(shown.filter(QRegularExpression(QStringLiteral("^%1(\\.|$|\\s)").arg(number))).size(), 1)
            << "box " << number;
    for (int line = 0; line < 4; ++line) // each code of box 12 on one line with its amount
        EXPECT_EQ(w.Text1[W2::kBox12Code[line]]->parentWidget(), w.Text1[W2::kBox12Amount[line]]->parentWidget());
    for (QLabel *line : w.lblEmployer)
        EXPECT_EQ(boxCaption(line), "Employer's name, address, and ZIP Code") << line->objectName().toStdString();
    EXPECT_EQ(w.LabelOpt[4]->text(), "3rd party\nsick pay") << "box 13's marks under two-line captions";

    fillConsistent(w, "123456789");
    type(w.Text1[9], "ta");
    type(w.Text1[10], "500");
    type(w.Text1[11], "tp");
    type(w.Text1[12], "1200");
    type(w.Text1[13], "tt");
    type(w.Text1[14], "300");
    type(w.Text1[48], "1a2");
    EXPECT_EQ(w.Text1[48]->text(), "12") << "digits only";
    type(w.Text1[49], "000");
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text,
              "The following errors were encountered: \n\nBox 14b code '12' is not a Treasury tipped occupation "
              "code: enter three digits (000 when the tips are not qualified).\n\nCritical error!");
    EXPECT_EQ(count(), 0);

    type(w.Text1[48], "103");
    w.cmdEdit[2]->click();
    ASSERT_EQ(count(), 1) << dialogs.texts().join('|').toStdString();
    const QString ssn = "123-45-6789";
    EXPECT_EQ(stored("Box12a_Code", ssn).toString(), "TA");
    EXPECT_EQ(stored("Box12b_Code", ssn).toString(), "TP");
    EXPECT_EQ(stored("Box12c_Code", ssn).toString(), "TT");
    EXPECT_EQ(stored("Box12c_Amt", ssn).toLongLong(), 3000000);
    EXPECT_EQ(stored("Box14b_L1", ssn).toString(), "103");
    EXPECT_EQ(stored("Box14b_L2", ssn).toString(), "000");

    W2 &again = open();
    EXPECT_EQ(again.Text1[48]->text(), "103");
    EXPECT_EQ(again.Text1[49]->text(), "000");
    EXPECT_EQ(again.Text1[13]->text(), "TT");
    again.cmdEdit[1]->click();
    type(again.Text1[47], "x");
    dialogs.answer(Answer::Ok);
    again.cmdEdit[2]->click();
    EXPECT_TRUE(dialogs.calls.last().text.contains("Box 12 code 'X' is not a valid code for tax year 2026."));
}

// Every box of the 2001 and 2026 forms by the name a screen reader gives it: what is typed there
// is stored in the column of that box of Form W-2 and shown there again. A crossed pair of
// bindings (state and local wages, say) fails here.
TEST_F(W2Screen, EveryBoxIsStoredInItsOwnColumnAndShownBackInIt)
{
    struct Box {
        const char *name, *column, *typed;
        QVariant stored;
    };
    const auto cents = [](qlonglong dollars) { return QVariant(dollars * 10000); };
    const QVector<Box> boxes = {
        {"Employee's SSN", "Boxd", "987654321", "987-65-4321"},
        {"Control#", "Boxa", "77", "77"},
        {"Employee's first name and initial", "Boxe_FName", "zoe", "ZOE"},
        {"Last name", "Boxe_LName", "o'neil", "O'NEIL"},
        {"Employee's address and ZIP code, line 1", "Boxf_L1", "1 elm st", "1 ELM ST"},
        {"Employee's address and ZIP code, line 2", "Boxf_L2", "apt 2", "APT 2"},
        {"Employee's address and ZIP code, line 3", "Boxf_L3", "york pa 17401", "YORK PA 17401"},
        {"1.  Wages, tips, other compensation", "Box1", "1001", cents(1001)},
        {"2.  Federal tax w\\held", "Box2", "1002", cents(1002)},
        {"3.  Social security wages", "Box3", "1003", cents(1003)},
        {"4.  Social Security tax w\\held", "Box4", "1004", cents(1004)},
        {"5.  Medicare wages / tips", "Box5", "1005", cents(1005)},
        {"6.  Medicare tax withheld", "Box6", "1006", cents(1006)},
        {"7.  Social security tips", "Box7", "1007", cents(1007)},
        {"8.  Allocated tips", "Box8", "1008", cents(1008)},
        {"10.  Dependent care benefits", "Box10", "1010", cents(1010)},
        {"11.  Nonqualified plans", "Box11", "1011", cents(1011)},
        {"12.  See Instrs. for Box 12, code a", "Box12a_Code", "c", "C"},
        {"12.  See Instrs. for Box 12, amount a", "Box12a_Amt", "121", cents(121)},
        {"12.  See Instrs. for Box 12, code b", "Box12b_Code", "dd", "DD"},
        {"12.  See Instrs. for Box 12, amount b", "Box12b_Amt", "122", cents(122)},
        {"12.  See Instrs. for Box 12, code c", "Box12c_Code", "tp", "TP"},
        {"12.  See Instrs. for Box 12, amount c", "Box12c_Amt", "123", cents(123)},
        {"12.  See Instrs. for Box 12, code d", "Box12d_Code", "j", "J"},
        {"12.  See Instrs. for Box 12, amount d", "Box12d_Amt", "124", cents(124)},
        {"Wages, tips, etc., line 1", "Box16_L1", "161", cents(161)},
        {"State income tax, line 1", "Box17_L1", "171", cents(171)},
        {"Local wages, etc., line 1", "Box18_L1", "181", cents(181)},
        {"Local Income Tax, line 1", "Box19_L1", "191", cents(191)},
        {"Locality name, line 1", "Box20_L1", "york", "YORK"},
        {"Wages, tips, etc., line 2", "Box16_L2", "162", cents(162)},
        {"State income tax, line 2", "Box17_L2", "172", cents(172)},
        {"Local wages, etc., line 2", "Box18_L2", "182", cents(182)},
        {"Local Income Tax, line 2", "Box19_L2", "192", cents(192)},
        {"Locality name, line 2", "Box20_L2", "erie", "ERIE"},
    };
    const QVector<Box> boxes2001 = {
        {"9.  Advance EIC payment", "Box9", "109", cents(109)},
        {"14. Other, line 1", "Box14_L1", "union 1", "UNION 1"},
        {"14. Other, line 2", "Box14_L2", "other 2", "OTHER 2"},
        {"14. Other, line 3", "Box14_L3", "other 3", "OTHER 3"},
    };
    const QVector<Box> boxes2026 = {
        {"14a. Other, line 1", "Box14_L1", "union 1", "UNION 1"},
        {"14a. Other, line 2", "Box14_L2", "other 2", "OTHER 2"},
        {"14a. Other, line 3", "Box14_L3", "other 3", "OTHER 3"},
        {"14b. Treasury tipped occupation code, 1st", "Box14b_L1", "102", "102"},
        {"14b. Treasury tipped occupation code, 2nd", "Box14b_L2", "000", "000"},
    };
    state.gW2EditsOn = false;
    for (const char *year : {"2001", "2026"}) {
        SCOPED_TRACE(year);
        QVector<Box> all = boxes;
        all << (qstrcmp(year, "2001") == 0 ? boxes2001 : boxes2026);
        db().exec("DELETE FROM W2");
        folder.useTaxYear(year);
        dialogs.answer(Answer::Ok);
        W2 &w = open();
        for (const Box &b : all)
            type(box<QLineEdit>(b.name), b.typed);
        w.cmdEdit[2]->click();
        ASSERT_EQ(count(), 1) << dialogs.texts().join('|').toStdString();
        std::map<QString, QString> shown;
        for (const Box &b : all) {
            EXPECT_EQ(stored(b.column, "987-65-4321").toString(), b.stored.toString()) << b.name;
            shown[b.name] = box<QLineEdit>(b.name)->text();
        }
        open();
        for (const Box &b : all)
            EXPECT_EQ(box<QLineEdit>(b.name)->text(), shown[b.name]) << b.name;
        EXPECT_EQ(box<QLineEdit>("Wages, tips, etc., line 1")->text(), "$161.00");
        EXPECT_EQ(box<QLineEdit>("Control#")->text(), "77");
    }
}
