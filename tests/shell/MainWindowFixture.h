#pragma once

#include "shell/AppContext.h"
#include "shell/MainWindow.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"
#include "support/UiHelpers.h"

#include <QPair>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace quillory::test {

struct RecordingHelp : HelpViewer {
    void showTopic(const QString &file, int topic) override { shown.append({file, topic}); }
    using HelpViewer::values_;
    QVector<QPair<QString, int>> shown;
};

// A main window on a fresh copy of the database, with scripted dialogs and a record of the
// screens its commands open.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        state.gAppTitle = QStringLiteral("Quillory");
        state.programFolder = folder.folder();
    }

    MDIForm1 &window()
    {
        if (!window_) {
            window_ = std::make_unique<MDIForm1>(ctx);
            ScreenOpeners openers;
            openers.filerInfo = [this](MDIForm1 &) { opened.append(QStringLiteral("FilerInfo")); };
            auto forFiler = [this](const char *name) {
                return [this, name](MDIForm1 &, const FilerKey &filer) {
                    opened.append(QLatin1String(name));
                    openedFor = filer;
                };
            };
            openers.w2 = forFiler("W2");
            openers.misc1099 = forFiler("Misc1099");
            openers.employerList = [this](MDIForm1 &, const QString &target) {
                opened.append(QStringLiteral("frmEmployerList:") + target);
            };
            openers.prtSelW2 = forFiler("PrtSelW2");
            openers.prtSel1099 = forFiler("PrtSel1099");
            openers.efileSubmitter = [this](MDIForm1 &) { opened.append(QStringLiteral("EfileSubmitter")); };
            openers.taxYear = [this](MDIForm1 &) { opened.append(QStringLiteral("TaxYear")); };
            window_->setScreenOpeners(openers);
        }
        return *window_;
    }

    // Start-up with "I Agree" answered.
    bool loadAgreeing()
    {
        clickInNextModal(QStringLiteral("Command1_0"));
        return window().load();
    }

    void addFiler(const QString &fedId, const QString &filerType = QStringLiteral("941"))
    {
        folder.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, FilerType, PayerName) VALUES ('%1', '%2', 'Acme')")
                        .arg(fedId, filerType));
    }

    TestFolder folder;
    AppState state;
    FakeDialogs dialogs;
    RecordingHelp help;
    AppContext ctx{state, dialogs, help};
    QStringList opened;
    FilerKey openedFor; // the filer handed to the screen opened last

private:
    std::unique_ptr<MDIForm1> window_;
};

} // namespace quillory::test
