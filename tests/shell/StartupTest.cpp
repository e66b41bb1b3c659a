#include "MainWindowFixture.h"
#include "data/Database.h"

#include "shell/Disclaimer.h"
#include "shell/Splash.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

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
    dialogs.answer(Dialogs::Answer::Ignore); // checking its tables fails without a database
    dialogs.answer(Dialogs::Answer::Ignore); // reading the filers fails
    dialogs.answer(Dialogs::Answer::Abort);  // reading the settings fails: leave
    loadAgreeing();
    ASSERT_EQ(dialogs.calls.size(), 4);
    EXPECT_EQ(dialogs.calls[2].text, QStringLiteral("The database file is not open."));
    EXPECT_EQ(window().mnuWhat->text(), QStringLiteral("What's changed?"));
    EXPECT_TRUE(opened.isEmpty());
}

// An older file: everything it lacks is named at once, and Retry looks at the file again.
TEST_F(Startup, MissingTablesAndColumnsAreNamedTogetherAndRetrySeesTheRepair)
{
    for (const char *sql :
         {"ALTER TABLE W2 DROP COLUMN Box20_L2", "ALTER TABLE W2 DROP SickPay", "DROP TABLE lstStates"})
        folder.exec(QString::fromLatin1(sql));
    dialogs.answer(Dialogs::Answer::Retry, [&] { folder.exec(QStringLiteral("ALTER TABLE W2 ADD SickPay CURRENCY")); });
    dialogs.answer(Dialogs::Answer::Retry, [&] {
        for (const char *sql : {"ALTER TABLE W2 ADD Box20_L2 TEXT(8)", "CREATE TABLE lstStates (STabbrv TEXT(2))"})
            folder.exec(QString::fromLatin1(sql));
    });
    loadAgreeing();
    ASSERT_EQ(dialogs.calls.size(), 2);
    for (const char *named : {"table lstStates", "W2: SickPay, Box20_L2"})
        EXPECT_TRUE(dialogs.calls[0].text.contains(QLatin1String(named))) << dialogs.calls[0].text.toStdString();
    EXPECT_TRUE(dialogs.calls[1].text.contains(QStringLiteral("W2: Box20_L2\n")));
    EXPECT_EQ(window().mnuWhat->text(), QStringLiteral("What's changed in 2001?")) << "start-up went on";
}

// The commands that need the database wait for the end of start-up (here the moment the
// filer screen opens), which reads the year and limits the what's-changed topic describes.
TEST_F(Startup, CommandsWaitForTheDatabaseAndHelpDescribesItsYear)
{
    folder.exec(QStringLiteral("UPDATE Settings SET Year = '2024', SSwages = 1684000000"));
    const QStringList waiting = {"mnuForms_TaxPayer", "mnuForms_W2", "mnuForms_1099", "mnuPrint_W2",
                                 "mnuPrint_1099Misc", "mnuNagger",   "mnuAuto"};
    auto enabled = [&] {
        return int(std::count_if(waiting.begin(), waiting.end(), [&](const QString &name) {
            return window().findChild<QAction *>(name)->isEnabled();
        }));
    };
    int enabledAtTheFirstScreen = -1;
    window().setScreenOpeners(
        {[&](MDIForm1 &) { enabledAtTheFirstScreen = enabled(); }, {}, {}, {}, {}, {}, {}, {}, {}});
    loadAgreeing();
    EXPECT_EQ(enabledAtTheFirstScreen, 0);
    EXPECT_EQ(enabled(), waiting.size());
    EXPECT_EQ(help.values_.value("Year"), QStringLiteral("2024"));
    EXPECT_EQ(help.values_.value("SSwages"), QStringLiteral("$168,400.00"));
}

TEST(StartupWindows, TheSplashIsCentredAsShownAndTheDisclaimerSaysWhereTheDataIs)
{
    AppState state;
    Splash splash(state, {});
    splash.show();
    QCoreApplication::processEvents();
    const QPoint off = splash.geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();

    const QString file = QStringLiteral("/home/ann/.local/share/Quillory/Quillory.mdb");
    Disclaimer disclaimer(nullptr, file);
    EXPECT_TRUE(disclaimer.findChild<QLabel *>(QStringLiteral("Picture2"))->text().contains(file));
}
