// File > Exit (sent by a screen reader) or a session's logout while a screen waits for the answer
// to one of its boxes: the main window stays open until the box is answered.
#include "filers/EmployerList.h"
#include "filers/FilerInfo.h"
#include "misc1099/Misc1099Screen.h"
#include "print_1099/PrtSel1099.h"
#include "print_w2/PrtSelW2.h"
#include "shell/AppContext.h"
#include "shell/MainWindow.h"
#include "support/TestDatabase.h"
#include "w2/W2Screen.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quillory;

namespace {

struct NoHelp : HelpViewer {
    void showTopic(const QString &, int) override {}
};

struct CloseCase {
    const char *name;
    ScreenId screen;
    const char *before; // SQL that makes the screen ask something
};

// The entry screens open on their first-record message; the print screens are asked to print
// with an alignment that is no number.
const CloseCase kCases[] = {
    {"FilerInfo", ScreenId::FilerInfo, "DELETE FROM FilerInfo"},
    {"W2", ScreenId::W2, "DELETE FROM W2"},
    {"Misc1099", ScreenId::Misc1099, "DELETE FROM \"1099Misc\""},
    {"PrtSelW2", ScreenId::PrtSelW2, nullptr},
    {"PrtSel1099", ScreenId::PrtSel1099, nullptr},
};

class CloseUnderABox : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseUnderABox, WaitsForTheAnswer)
{
    test::TestFolder folder;
    AppState state;
    state.programFolder = folder.folder();
    state.gDatabase.open(folder.databasePath());
    state.gDatabase.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('12-3456789', 'ACME')"));
    const FilerKey filer{QStringLiteral("12-3456789"),
                         state.gDatabase.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt(),
                         {},
                         {}};
    if (GetParam().before)
        state.gDatabase.exec(QString::fromLatin1(GetParam().before));
    QtDialogs dialogs;
    NoHelp help;
    AppContext ctx{state, dialogs, help};
    MDIForm1 window(ctx);
    dialogs.setParent(&window);
    window.setScreenOpeners({&FilerInfo::open,
                             &W2::open,
                             &Misc1099::open,
                             &frmEmployerList::open,
                             &PrtSelW2::open,
                             &PrtSel1099::open,
                             {},
                             {},
                             {}});
    window.show();

    int boxes = 0;
    bool stayedOpen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!modal)
            return;
        if (boxes++ == 0) {
            window.mnuFile_Exit_Click();
            stayedOpen = window.isVisible() && window.mdiArea()->subWindowList().size() == 1;
        }
        modal->done(0); // as Escape: the least harmful answer
    });
    poll.start(10);
    window.openScreen(GetParam().screen, filer);
    if (auto *print = window.findChild<PrintScreen *>()) {
        print->Text1[0]->setText(QStringLiteral("x"));
        print->cmdPrint[0]->click();
    }
    EXPECT_GE(boxes, 1);
    EXPECT_TRUE(stayedOpen);
    window.mnuFile_Exit_Click();
    EXPECT_FALSE(window.isVisible()) << "answered, the box no longer holds the window open";
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseUnderABox, ::testing::ValuesIn(kCases),
                         [](const auto &p) { return std::string(p.param.name); });

} // namespace
