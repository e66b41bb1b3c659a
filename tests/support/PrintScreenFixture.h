#pragma once

#include "printing/PrintScreen.h"
#include "printing/RecordingPrinter.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace quillory::test {

// A print screen on a fresh database whose runs print into a recording printer.
template <typename Screen> class PrintScreenTest : public ::testing::Test {
protected:
    struct NoHelp : HelpViewer {
        void showTopic(const QString &, int topic) override { shown << topic; }
        QVector<int> shown;
    };
    // Keeps what was printed after the screen has dropped its printer.
    struct KeptPrinter : RecordingPrinter {
        explicit KeptPrinter(PrintScreenTest *test) : test_(test) {}
        ~KeptPrinter() override
        {
            test_->printed += placed();
            test_->jobs += jobsEnded();
            for (int job = 1; job <= jobsEnded(); ++job)
                test_->jobNames << jobSetup(job).name;
        }
        PrintScreenTest *test_;
    };

    PrintScreenTest()
    {
        state.gAppTitle = QStringLiteral("Quillory");
        state.programFolder = folder.folder();
        state.gDatabase.open(folder.databasePath());
        ctx.statusText = [this](const QString &text) { statuses << text; };
    }

    int addFiler(const QString &fedId, const QString &estNo = {}, const QString &type = QStringLiteral("941"))
    {
        state.gDatabase.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName) "
                                            "VALUES (?, ?, ?, 'Acme')"),
                             {fedId, estNo, type});
        return state.gDatabase.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    }

    // The screen for the filer with this number, or for every filer.
    Screen &open(const QString &fedIdNo = {})
    {
        screen = std::make_unique<Screen>(ctx);
        screen->setPrinterFactory([this](QPrinter &) { return std::unique_ptr<Printer>(new KeptPrinter(this)); });
        screen->load(fedIdNo);
        return *screen;
    }

    int count(const QString &text) const
    {
        int n = 0;
        for (const auto &p : printed)
            n += p.text == text;
        return n;
    }

    TestFolder folder;
    AppState state;
    FakeDialogs dialogs;
    NoHelp help;
    AppContext ctx{state, dialogs, help};
    QStringList statuses;
    QVector<RecordingPrinter::Placed> printed;
    int jobs = 0;
    QStringList jobNames;
    std::unique_ptr<Screen> screen;
};

} // namespace quillory::test
