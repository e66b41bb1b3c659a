#pragma once

#include "shell/AppContext.h"
#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <type_traits>

namespace quillory::test {

// A record screen on a fresh database with the scripted dialogs; the screens it asks to open
// are only noted.
template <typename Screen> class RecordScreenFixture : public ::testing::Test {
protected:
    struct NoHelp : HelpViewer {
        void showTopic(const QString &, int) override {}
    };

    void SetUp() override
    {
        state.gAppTitle = QStringLiteral("Quillory");
        state.programFolder = folder.folder();
        state.gDatabasePath = folder.databasePath();
        state.gDatabase.open(folder.databasePath());
    }
    void TearDown() override
    {
        delete screen.data();
        QApplication::processEvents();
    }

    Database &db() { return state.gDatabase; }
    QVariant scalar(const QString &sql, const QVariantList &params = {}) { return db().scalar(sql, params); }

    // A filer with an address and two states; gives back its Tfid.
    int addFiler(const QString &fedIdNo, const QString &name, const QString &estNo = {},
                 const QString &filerType = QStringLiteral("941"))
    {
        db().exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, PayerName, EstNo, FilerType, PayerL1, PayerL2, "
                                 "State1, State1ID, State2, State2ID) "
                                 "VALUES (?, ?, ?, ?, '1 MAIN ST', 'SPRINGFIELD', 'MD', 'MD-1', 'VA', 'VA-2')"),
                  {fedIdNo, name, estNo, filerType});
        return scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    }

    // Opens the screen as an active window of its own (for `filer` where it works on one) and
    // loads it.
    Screen &openScreen()
    {
        delete screen.data();
        const OpenScreen note = [this](ScreenId which, const FilerKey &key) {
            opened.append(which);
            openedFor = key;
        };
        if constexpr (std::is_constructible_v<Screen, AppContext &, const FilerKey &, OpenScreen>)
            screen = new Screen(ctx, filer, note);
        else if constexpr (std::is_constructible_v<Screen, AppContext &, OpenScreen>)
            screen = new Screen(ctx, note);
        else
            screen = new Screen(ctx);
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
        screen->load();
        QApplication::processEvents();
        return *screen;
    }

    // Browsing: all buttons but Save and Cancel; editing: only those two.
    bool buttonsAre(bool editing) const
    {
        for (int i = 0; i < screen->cmdEdit.size(); ++i)
            if (screen->cmdEdit[i]->isEnabled() != ((i == 2 || i == 3) == editing))
                return false;
        return true;
    }
    bool browsing() const { return buttonsAre(false); }
    bool editing() const { return buttonsAre(true); }

    // Enters the field as a user would (its text selected) and types over it; "" empties it.
    void type(QWidget *field, const QString &text)
    {
        field->setFocus(Qt::TabFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
        QApplication::processEvents();
        if (text.isEmpty())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        else
            QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // The field a screen reader names so (the screen itself when there is none).
    template <typename Field = QWidget> Field *box(const char *name)
    {
        for (Field *w : screen->template findChildren<Field *>())
            if (w->accessibleName() == QLatin1String(name))
                return w;
        ADD_FAILURE() << "no field named " << name;
        return screen->template findChild<Field *>();
    }
    void leaveTo(QWidget *next)
    {
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    TestFolder folder;
    AppState state;
    FakeDialogs dialogs;
    NoHelp help;
    QString status;
    AppContext ctx{state, dialogs, help, [this](const QString &text) { status = text; }};
    QPointer<Screen> screen;
    FilerKey filer;
    QVector<ScreenId> opened;
    FilerKey openedFor; // the filer handed to the screen opened last
};

} // namespace quillory::test
