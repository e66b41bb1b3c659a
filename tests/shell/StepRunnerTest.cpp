#include "shell/StepRunner.h"
#include "support/FakeDialogs.h"

#include "shell/InputRoutines.h"
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

struct Handler {
    QStringList done;
    int failuresLeft = 1;
    std::vector<Step> steps()
    {
        return {[this] { done << "one"; },
                [this] {
                    if (failuresLeft-- > 0)
                        throw std::runtime_error("Disk not ready.");
                    done << "two";
                },
                [this] { done << "three"; }};
    }
};

} // namespace

TEST(RunSteps, RetryRepeatsIgnoreSkipsAndAbortLeaves)
{
    const std::pair<Answer, QStringList> cases[] = {
        {Answer::Retry, {"one", "two", "three"}}, {Answer::Ignore, {"one", "three"}}, {Answer::Abort, {"one"}}};
    for (const auto &[answer, done] : cases) {
        test::FakeDialogs dialogs;
        dialogs.answer(answer);
        Handler run;
        EXPECT_EQ(runSteps(dialogs, "Quillory", run.steps()), answer != Answer::Abort);
        EXPECT_EQ(run.done, done);
        EXPECT_EQ(dialogs.texts(), QStringList{"Disk not ready."});
        EXPECT_EQ(dialogs.calls[0].title, "Quillory Error");
        // A run that ends on failure ends whatever the button.
        Handler ended;
        dialogs.answer(answer);
        EXPECT_FALSE(runSteps(dialogs, "Quillory", ended.steps(), OnFailure::EndRun));
        EXPECT_EQ(ended.done, QStringList{"one"});
    }
}

// The real message box: each button of each set gives its own answer, Escape the least harmful.
TEST(QtDialogs, EveryButtonAndEscapeGiveTheirAnswer)
{
    using B = QMessageBox;
    using Buttons = Dialogs::Buttons;
    struct Case {
        Buttons buttons;
        QVector<QPair<B::StandardButton, Answer>> clicks;
        Answer escape;
    };
    const Case cases[] = {
        {Buttons::Ok, {{B::Ok, Answer::Ok}}, Answer::Ok},
        {Buttons::OkCancel, {{B::Ok, Answer::Ok}, {B::Cancel, Answer::Cancel}}, Answer::Cancel},
        {Buttons::YesNo, {{B::Yes, Answer::Yes}, {B::No, Answer::No}}, Answer::No},
        {Buttons::YesNoCancel,
         {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Cancel, Answer::Cancel}},
         Answer::Cancel},
        {Buttons::AbortRetryIgnore,
         {{B::Abort, Answer::Abort}, {B::Retry, Answer::Retry}, {B::Ignore, Answer::Ignore}},
         Answer::Abort},
        {Buttons::RetryCancel, {{B::Retry, Answer::Retry}, {B::Cancel, Answer::Cancel}}, Answer::Cancel},
    };
    QtDialogs dialogs;
    // Answers the box that opens next with the action, after checking what it shows.
    const auto ask = [&](const Case &c, const std::function<void(QMessageBox *)> &act) {
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "no message box";
                return;
            }
            EXPECT_EQ(box->text(), "Disk not ready.");
            EXPECT_EQ(box->windowTitle(), "Quillory Error");
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_EQ(box->buttons().size(), c.clicks.size());
            act(box);
        });
        return dialogs.message("Disk not ready.", "Quillory Error", Dialogs::Icon::Critical, c.buttons);
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.buttons));
        for (const auto &[button, answer] : c.clicks)
            EXPECT_EQ(ask(c, [b = button](QMessageBox *box) { box->button(b)->click(); }), answer) << int(button);
        EXPECT_EQ(ask(c, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }), c.escape);
    }
}

TEST(SelectComboEntry, SearchesFromTheSecondEntryAndTriesTheFirstLast)
{
    QComboBox combo;
    combo.addItems({"941", "Military", "943", "CT-1", "Household Employer", "Medicare Govt Employer"});
    const auto select = [&](const char *text) {
        combo.setCurrentIndex(3);
        SelectComboEntry(&combo, QString::fromUtf8(text));
        return combo.currentIndex();
    };
    EXPECT_EQ(select("941"), 0);
    EXPECT_EQ(select("94"), 2);
    EXPECT_EQ(select("ct"), 3);
    EXPECT_EQ(select("house"), 4);
    EXPECT_EQ(select("X"), 3); // unchanged
    EXPECT_EQ(select(""), 1);

    QComboBox empty;
    SelectComboEntry(&empty, "941");
    EXPECT_EQ(empty.currentIndex(), -1);
}
