#include "MainWindowFixture.h"

#include "data/Settings.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>

using namespace quillory;
using namespace quillory::test;

namespace {

class MenuCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        addFiler(QStringLiteral("99-0000001")); // keeps the filer screen closed at start
        loadAgreeing();
        opened.clear();
        folder.exec(QStringLiteral("DELETE FROM FilerInfo"));
    }

    void expectInformation(const QString &text)
    {
        ASSERT_EQ(dialogs.calls.size(), 1);
        EXPECT_EQ(dialogs.calls[0].text, text);
        EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Information);
        EXPECT_EQ(dialogs.calls[0].buttons, Dialogs::Buttons::Ok);
        EXPECT_TRUE(opened.isEmpty());
    }
};

} // namespace

TEST_F(MenuCommands, FormsWithoutFilersShowTheirOwnMessages)
{
    dialogs.answer(Dialogs::Answer::Ok).answer(Dialogs::Answer::Ok);
    window().mnuForms_W2_Click();
    window().mnuForms_1099_Click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("TaxPayer Information must be entered first."));
    EXPECT_EQ(dialogs.calls[1].text, QStringLiteral("Tax payer information must be entered first."));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MenuCommands, AFilerWithoutAnIdNumberDoesNotCount)
{
    folder.exec(QStringLiteral("INSERT INTO FilerInfo (PayerName) VALUES ('No number')"));
    dialogs.answer(Dialogs::Answer::Ok);
    window().mnuForms_W2_Click();
    expectInformation(QStringLiteral("TaxPayer Information must be entered first."));
}

TEST_F(MenuCommands, OneFilerIsHandedOverDirectly)
{
    addFiler(QStringLiteral("12-3456789"), QStringLiteral("943"));
    const int tfid = state.gDatabase.scalar(QStringLiteral("SELECT Tfid FROM FilerInfo")).toInt();
    state.gEstNo = QStringLiteral("kept");
    window().mnuForms_W2_Click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("W2")});
    EXPECT_EQ(state.gFedIDNo, QStringLiteral("12-3456789"));
    EXPECT_EQ(state.gTfid, tfid);
    EXPECT_EQ(state.gFilerType, QStringLiteral("943"));
    EXPECT_EQ(state.gEstNo, QStringLiteral("kept"));

    state.gFilerType = QStringLiteral("unchanged");
    window().mnuForms_1099_Click();
    EXPECT_EQ(opened.last(), QStringLiteral("Misc1099"));
    EXPECT_EQ(state.gFilerType, QStringLiteral("unchanged"));
    EXPECT_EQ(state.gEstNo, QStringLiteral("kept"));
}

TEST_F(MenuCommands, TwoFilersOpenTheEmployerListWithTheTarget)
{
    addFiler(QStringLiteral("12-3456789"));
    addFiler(QStringLiteral("98-7654321"));
    window().mnuForms_W2_Click();
    window().mnuForms_1099_Click();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("frmEmployerList:W2"), QStringLiteral("frmEmployerList:1099")}));
    EXPECT_TRUE(state.gFedIDNo.isEmpty());
}

TEST_F(MenuCommands, PrintCommandsNeedSomethingToPrint)
{
    state.gFedIDNo = QStringLiteral("12-3456789");
    dialogs.answer(Dialogs::Answer::Ok);
    window().mnuPrint_W2_Click();
    expectInformation(QStringLiteral("There is no W2 Information to print."));
    EXPECT_EQ(state.gFedIDNo, QStringLiteral("12-3456789"));

    dialogs.calls.clear();
    dialogs.answer(Dialogs::Answer::Ok);
    window().mnuPrint_1099Misc_Click();
    expectInformation(QStringLiteral("There is no 1099Misc Information to print."));
}

TEST_F(MenuCommands, PrintCommandsClearTheChosenFilerAndOpenThePrintScreens)
{
    // A W-2 without a last name is not printable.
    folder.exec(QStringLiteral("INSERT INTO W2 (Boxd) VALUES ('123-45-6789')"));
    dialogs.answer(Dialogs::Answer::Ok);
    window().mnuPrint_W2_Click();
    EXPECT_TRUE(opened.isEmpty());

    folder.exec(QStringLiteral("INSERT INTO W2 (Boxd, Boxe_LName) VALUES ('123-45-6789', 'Smith')"));
    folder.exec(QStringLiteral("INSERT INTO \"1099Misc\" (RecName1) VALUES ('Jones')"));
    state.gFedIDNo = QStringLiteral("12-3456789");
    window().mnuPrint_W2_Click();
    EXPECT_TRUE(state.gFedIDNo.isEmpty());
    state.gFedIDNo = QStringLiteral("12-3456789");
    window().mnuPrint_1099Misc_Click();
    EXPECT_TRUE(state.gFedIDNo.isEmpty());
    EXPECT_EQ(opened, (QStringList{QStringLiteral("PrtSelW2"), QStringLiteral("PrtSel1099")}));
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
    QFile::remove(folder.databasePath() + QStringLiteral("-wal"));
    state.programFolder = folder.folder() + QStringLiteral("/elsewhere");
    dialogs.answer(Dialogs::Answer::Retry);
    window().mnuAuto->trigger();
    EXPECT_FALSE(state.gW2AutoNumber);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith(QStringLiteral("Could not find file")));
}

TEST_F(MenuCommands, AssistiveTechnologyReadsTheShownStatusText)
{
    auto *panel = window().findChild<QLabel *>(QStringLiteral("status_Text"));
    window().setStatusText(QStringLiteral("W2 Screen"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), QStringLiteral("W2 Screen"));
}
