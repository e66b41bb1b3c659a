#pragma once

#include "filers/FilerInfo.h"
#include "shell/AppContext.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace quillory::test {

class NoHelp : public HelpViewer {
public:
    void showTopic(const QString &, int) override {}
};

// A fresh database, the program-wide state on it and the scripted dialogs.
class FilerScreenFixture : public ::testing::Test {
protected:
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

    // Stores a filer straight into the table and gives back its Tfid.
    int addFiler(const QString &fedIdNo, const QString &name, const QString &estNo = {},
                 const QString &filerType = QStringLiteral("941"))
    {
        state.gDatabase.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, PayerName, EstNo, FilerType, PayerL1, "
                                            "PayerL2) VALUES (?, ?, ?, ?, 'L1', 'L2')"),
                             {fedIdNo, name, estNo, filerType});
        return state.gDatabase.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    }

    int filerCount() { return state.gDatabase.scalar(QStringLiteral("SELECT count(*) FROM FilerInfo")).toInt(); }

    // Opens the filer screen as a window of its own, active, and loads it.
    FilerInfo &openScreen()
    {
        delete screen.data();
        screen = new FilerInfo(ctx, [this](ScreenId which) { opened.append(which); });
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
        screen->load();
        QApplication::processEvents();
        return *screen;
    }

    bool enabled(int cmdEditIndex) const { return screen->cmdEdit[cmdEditIndex]->isEnabled(); }
    // Add, Edit, Delete, List enabled; Save, Cancel not.
    bool inBrowseButtons() const
    {
        return enabled(0) && enabled(1) && !enabled(2) && !enabled(3) && enabled(4) && enabled(5);
    }
    bool inEditButtons() const
    {
        return !enabled(0) && !enabled(1) && enabled(2) && enabled(3) && !enabled(4) && !enabled(5);
    }

    // Enters the field as a user would (its text selected) and types over it.
    void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QApplication::processEvents();
        QTest::keyClicks(field, text);
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
    QPointer<FilerInfo> screen;
    QVector<ScreenId> opened;
};

} // namespace quillory::test
