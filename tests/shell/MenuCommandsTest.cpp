#include "MainWindowFixture.h"

#include "data/Settings.h"

#include "shell/About.h"
#include "shell/HelpWindow.h"
#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace quillory;
using namespace quillory::test;
using MainWindowHelp = MainWindowTest;

namespace {

class MenuCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        addFiler("99-0000001"); // keeps the filer screen closed at start
        loadAgreeing();
        opened.clear();
        folder.exec("DELETE FROM FilerInfo");
    }
};

} // namespace

// A filer without an identification number does not count.
TEST_F(MenuCommands, FormsWithoutFilersShowTheirOwnMessages)
{
    folder.exec("INSERT INTO FilerInfo (PayerName) VALUES ('No number')");
    dialogs.answer(Dialogs::Answer::Ok).answer(Dialogs::Answer::Ok);
    window().mnuForms_W2_Click();
    window().mnuForms_1099_Click();
    EXPECT_EQ(dialogs.texts(), QStringList({"TaxPayer Information must be entered first.",
                                            "Tax payer information must be entered first."}));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MenuCommands, OneFilerIsHandedOverDirectly)
{
    addFiler("12-3456789", "943");
    const int tfid = state.gDatabase.scalar("SELECT Tfid FROM FilerInfo").toInt();
    state.chosenFiler.estNo = "kept";
    window().mnuForms_W2_Click();
    EXPECT_EQ(opened, QStringList{"W2"});
    EXPECT_EQ(openedFor.fedIdNo, "12-3456789");
    EXPECT_EQ(openedFor.tfid, tfid);
    EXPECT_EQ(openedFor.filerType, "943");
    EXPECT_EQ(openedFor.estNo, "kept");
    // The 1099 command leaves the filer type as the last choice gave it.
    state.chosenFiler.filerType = "earlier";
    window().mnuForms_1099_Click();
    EXPECT_EQ(opened.last(), "Misc1099");
    EXPECT_EQ(openedFor.tfid, tfid);
    EXPECT_EQ(openedFor.filerType, "earlier");
}

TEST_F(MenuCommands, TwoFilersOpenTheEmployerListWithTheTarget)
{
    addFiler("12-3456789");
    addFiler("98-7654321");
    window().mnuForms_W2_Click();
    window().mnuForms_1099_Click();
    EXPECT_EQ(opened, (QStringList{"frmEmployerList:W2", "frmEmployerList:1099"}));
    EXPECT_TRUE(state.chosenFiler.fedIdNo.isEmpty());
}

TEST_F(MenuCommands, PrintCommandsNeedSomethingToPrintAndStartAtEveryFiler)
{
    // A W-2 without a last name is not printable.
    folder.exec("INSERT INTO W2 (Boxd) VALUES ('123-45-6789')");
    state.chosenFiler.fedIdNo = "12-3456789";
    dialogs.answer(Dialogs::Answer::Ok).answer(Dialogs::Answer::Ok);
    window().mnuPrint_W2_Click();
    window().mnuPrint_1099Misc_Click();
    EXPECT_EQ(dialogs.texts(),
              QStringList({"There is no W2 Information to print.", "There is no 1099Misc Information to print."}));
    EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Information);
    EXPECT_TRUE(opened.isEmpty());

    folder.exec("INSERT INTO W2 (Boxd, Boxe_LName) VALUES ('123-45-6789', 'Smith')");
    folder.exec("INSERT INTO \"1099Nec\" (RecName1) VALUES ('Jones')"); // a 1099-NEC alone is printable
    window().mnuPrint_W2_Click();
    EXPECT_TRUE(openedFor.fedIdNo.isEmpty());
    openedFor.fedIdNo = "not handed";
    window().mnuPrint_1099Misc_Click();
    EXPECT_TRUE(openedFor.fedIdNo.isEmpty());
    EXPECT_EQ(opened, QStringList({"PrtSelW2", "PrtSel1099"}));
}

// The edits switch lives in memory only; the numbering switch is stored for the next start.
TEST_F(MenuCommands, OptionsOpenTheElectronicFilingDialogs)
{
    for (const char *item : {"mnuEfileSubmitter", "mnuTaxYear"})
        window().findChild<QAction *>(QLatin1String(item))->trigger();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("EfileSubmitter"), QStringLiteral("TaxYear")}));
}

TEST_F(MenuCommands, SwitchesToggleAndOnlyAutoNumberIsStored)
{
    for (int round : {0, 1}) {
        const bool on = round == 1;
        window().mnuNagger->trigger();
        window().mnuAuto->trigger();
        EXPECT_EQ(state.gW2EditsOn, on);
        EXPECT_EQ(window().mnuNagger->isChecked(), on);
        EXPECT_EQ(state.gW2AutoNumber, on);
        EXPECT_EQ(window().mnuAuto->isChecked(), on);
        EXPECT_EQ(Settings::read(state.gDatabase).w2AutoNo, on ? -1 : 0);
    }
}

TEST_F(MenuCommands, AutoNumberSwitchChangesEvenWhenTheFileCannotBeWritten)
{
    QFile::remove(folder.databasePath() + "-wal");
    state.programFolder = folder.folder() + "/elsewhere";
    dialogs.answer(Dialogs::Answer::Retry);
    window().mnuAuto->trigger();
    EXPECT_FALSE(state.gW2AutoNumber);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith("Could not find file"));
}

TEST_F(MainWindowHelp, AboutOpensInsideTheMainWindowAndOkClosesIt)
{
    addFiler("12-3456789");
    loadAgreeing();
    window().mnuHelp_About_Click();
    QMdiArea *area = window().mdiArea();
    ASSERT_EQ(area->subWindowList().size(), 1);
    auto *about = area->subWindowList().first()->findChild<frmAbout *>();
    ASSERT_NE(about, nullptr);
    about->Command1->click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(MainWindowHelp, HelpItemsAndF1OnThemOpenTheirTopics)
{
    addFiler("12-3456789");
    loadAgreeing();
    window().mnuHelp_Contents->trigger();
    window().mnuWhat->trigger();
    EXPECT_EQ(help.shown, (QVector<QPair<QString, int>>{{folder.helpPath(), 1005}, {folder.helpPath(), 1032}}));

    auto *menu = window().findChild<QMenu *>("mnuHelp");
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(window().mnuWhat);
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_EQ(help.shown.last().second, 1032);
}

TEST(HelpFile, TheViewerShowsATopicAndIgnoresAMissingOne)
{
    TestFolder folder;
    QWidget owner;
    QtHelpViewer viewer(&owner);
    viewer.showTopic(folder.helpPath(), 4242);
    EXPECT_EQ(viewer.window(), nullptr);
    viewer.showTopic(folder.helpPath(), 1032);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_EQ(viewer.window()->currentTopic(), 1032);
    EXPECT_TRUE(viewer.window()->browser()->toPlainText().contains("What's changed in 2001"));
    viewer.showTopic(folder.folder() + "/none.HLP", 1005);
    EXPECT_EQ(viewer.window()->currentTopic(), 1032);
    // A topic picked in the list is shown, the first one too.
    auto *topics = viewer.window()->findChild<QListWidget *>();
    topics->setCurrentRow(1);
    topics->setCurrentRow(0);
    EXPECT_EQ(viewer.window()->currentTopic(), topics->item(0)->data(Qt::UserRole).toInt());
    // The year and limits of the database file in place of the shipped ones.
    viewer.setValues({{"Year", "2024"}, {"W2box12", "$23,000.00"}});
    viewer.showTopic(folder.helpPath(), 1032);
    EXPECT_EQ(topics->currentItem()->data(Qt::UserRole).toInt(), 1032) << "the list marks the topic shown";
    const QString text = viewer.window()->browser()->toPlainText();
    for (const char *part :
         {"What's changed in 2024", "serves tax year 2024", "(codes D to H and S): $23,000.00", "$80,400.00"})
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
}

TEST_F(MenuCommands, AssistiveTechnologyReadsTheShownStatusText)
{
    auto *panel = window().findChild<QLabel *>(QStringLiteral("status_Text"));
    window().setStatusText(QStringLiteral("W2 Screen"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), QStringLiteral("W2 Screen"));
}
