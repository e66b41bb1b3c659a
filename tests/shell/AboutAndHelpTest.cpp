#include "MainWindowFixture.h"

#include "Version.h"
#include "shell/About.h"
#include "shell/HelpWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace quillory;
using namespace quillory::test;

TEST(About, TextsCarryTitleVersionAndDescription)
{
    AppState state;
    state.gAppTitle = QStringLiteral("Quillory");
    frmAbout about(state);
    EXPECT_EQ(about.Label4->text(), QStringLiteral("Quillory"));
    EXPECT_EQ(about.Label1->text(),
              QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    EXPECT_FALSE(about.Label2->text().isEmpty());
    // The minor number is left out of the description.
    EXPECT_EQ(aboutDescription(QStringLiteral("Quillory"), 7, 1),
              QStringLiteral("Welcome to Quillory  7.1 Specifically designed to help you with entry and printing of "
                             "W-2 and 1099 Misc tax forms."));
}

using MainWindowHelp = MainWindowTest;

TEST_F(MainWindowHelp, AboutOpensInsideTheMainWindowAndOkClosesIt)
{
    addFiler(QStringLiteral("12-3456789"));
    loadAgreeing();
    window().mnuHelp_About_Click();
    QMdiArea *area = window().mdiArea();
    ASSERT_EQ(area->subWindowList().size(), 1);
    auto *about = area->subWindowList().first()->findChild<frmAbout *>();
    ASSERT_NE(about, nullptr);
    about->Command1->click();
    processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(MainWindowHelp, HelpItemsAndF1OnThemOpenTheirTopics)
{
    addFiler(QStringLiteral("12-3456789"));
    loadAgreeing();
    window().mnuHelp_Contents->trigger();
    window().mnuWhat->trigger();
    ASSERT_EQ(help.shown.size(), 2);
    EXPECT_EQ(help.shown[0], qMakePair(folder.helpPath(), 1005));
    EXPECT_EQ(help.shown[1], qMakePair(folder.helpPath(), 1032));

    auto *menu = window().findChild<QMenu *>(QStringLiteral("mnuHelp"));
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(window().mnuWhat);
    QTest::keyClick(menu, Qt::Key_F1);
    ASSERT_EQ(help.shown.size(), 3);
    EXPECT_EQ(help.shown[2].second, 1032);
}

TEST(HelpFile, ShipsTheContentsAndWhatsChangedTopics)
{
    TestFolder folder;
    const auto topics = readHelpTopics(folder.helpPath());
    ASSERT_TRUE(topics.contains(1005));
    ASSERT_TRUE(topics.contains(1032));
    EXPECT_EQ(topics[1005].title, QStringLiteral("Contents"));
    EXPECT_TRUE(topics[1032].html.contains(QStringLiteral("80,400.00")));
    EXPECT_TRUE(readHelpTopics(folder.folder() + QStringLiteral("/none.HLP")).isEmpty());
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
    EXPECT_TRUE(viewer.window()->browser()->toPlainText().contains(QStringLiteral("What's changed in 2001")));
    viewer.showTopic(folder.folder() + QStringLiteral("/none.HLP"), 1005);
    EXPECT_EQ(viewer.window()->currentTopic(), 1032);
    // The year and limits of the database file in place of the shipped ones.
    viewer.setValues(
        {{QStringLiteral("Year"), QStringLiteral("2024")}, {QStringLiteral("W2box12"), QStringLiteral("$23,000.00")}});
    viewer.showTopic(folder.helpPath(), 1032);
    const QString text = viewer.window()->browser()->toPlainText();
    for (const char *part :
         {"What's changed in 2024", "serves tax year 2024", "(codes D to H and S): $23,000.00", "$80,400.00"})
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
}
