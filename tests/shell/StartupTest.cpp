#include "MainWindowFixture.h"
#include "data/Database.h"

#include <QAction>
#include <QFile>

using namespace quillory;
using namespace quillory::test;

using Startup = MainWindowTest;

TEST_F(Startup, DecliningTheDisclaimerEndsBeforeTheDatabaseIsOpened)
{
    clickInNextModal("Command1_1");
    EXPECT_FALSE(window().load());
    EXPECT_FALSE(state.gDatabase.isOpen());
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(Startup, AgreeingWithNoFilerOpensTheFilerScreenAndReadsTheSettings)
{
    EXPECT_TRUE(loadAgreeing());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(state.gDatabasePath, folder.databasePath());
    EXPECT_EQ(opened, QStringList{"FilerInfo"});
    EXPECT_TRUE(window().mnuNagger->isChecked());
    EXPECT_EQ(window().mnuAuto->isChecked(), state.gW2AutoNumber);
    EXPECT_EQ(window().mnuWhat->text(), "What's changed in 2001?");
}

TEST_F(Startup, AMissingDatabaseShowsTheFailureDialogAndCreatesNothing)
{
    QFile::rename(folder.databasePath(), folder.folder() + "/moved.mdb");
    dialogs.answer(Dialogs::Answer::Abort);
    loadAgreeing();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith("Could not find file"));
    EXPECT_EQ(dialogs.calls[0].buttons, Dialogs::Buttons::AbortRetryIgnore);
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(state.gDatabase.isOpen());
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
}

TEST_F(Startup, RetryOpensTheFileOnceItIsBack)
{
    const QString moved = folder.folder() + "/moved.mdb";
    QFile::rename(folder.databasePath(), moved);
    dialogs.answer(Dialogs::Answer::Retry, [&] { QFile::rename(moved, folder.databasePath()); });
    loadAgreeing();
    EXPECT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(state.gDatabase.isOpen());
    EXPECT_EQ(window().mnuWhat->text(), "What's changed in 2001?");
}

TEST_F(Startup, ALockedDatabaseIsReportedAndRetryOpensItOnceFreed)
{
    Database other;
    other.open(folder.databasePath());
    other.exec("BEGIN EXCLUSIVE");
    dialogs.answer(Dialogs::Answer::Retry, [&] { other.exec("ROLLBACK"); });
    loadAgreeing();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].text.contains(folder.databasePath())) << dialogs.calls[0].text.toStdString();
    EXPECT_TRUE(dialogs.calls[0].text.contains("locked")) << dialogs.calls[0].text.toStdString();
    EXPECT_TRUE(state.gDatabase.isOpen());
    EXPECT_EQ(window().mnuWhat->text(), "What's changed in 2001?");
}

TEST_F(Startup, IgnoreGoesOnWithTheNextStepWhichThenFailsInTurn)
{
    QFile::remove(folder.databasePath());
    dialogs.answer(Dialogs::Answer::Ignore); // opening fails
    dialogs.answer(Dialogs::Answer::Ignore); // reading the filers fails without a database
    dialogs.answer(Dialogs::Answer::Abort);  // reading the settings fails: leave
    loadAgreeing();
    ASSERT_EQ(dialogs.calls.size(), 3);
    EXPECT_EQ(dialogs.calls[1].text, "The database file is not open.");
    EXPECT_EQ(window().mnuWhat->text(), "What's changed?");
    EXPECT_TRUE(opened.isEmpty());
}
