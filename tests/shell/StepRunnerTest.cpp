#include "shell/StepRunner.h"
#include "support/FakeDialogs.h"

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

TEST(RunSteps, RetryRepeatsTheFailedStep)
{
    test::FakeDialogs dialogs;
    dialogs.answer(Answer::Retry);
    Handler run;
    EXPECT_TRUE(runSteps(dialogs, "Quillory", run.steps()));
    EXPECT_EQ(run.done, (QStringList{"one", "two", "three"}));
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Disk not ready."));
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Quillory Error"));
}

TEST(RunSteps, IgnoreSkipsTheFailedStepAndAbortLeaves)
{
    test::FakeDialogs dialogs;
    dialogs.answer(Answer::Ignore).answer(Answer::Abort);
    Handler ignored;
    EXPECT_TRUE(runSteps(dialogs, "Quillory", ignored.steps()));
    EXPECT_EQ(ignored.done, (QStringList{"one", "three"}));
    Handler aborted;
    EXPECT_FALSE(runSteps(dialogs, "Quillory", aborted.steps()));
    EXPECT_EQ(aborted.done, QStringList{"one"});
}

TEST(RunSteps, ARunThatEndsOnFailureEndsWhateverTheButton)
{
    for (Answer a : {Answer::Retry, Answer::Ignore, Answer::Abort}) {
        test::FakeDialogs dialogs;
        dialogs.answer(a);
        Handler run;
        EXPECT_FALSE(runSteps(dialogs, "Quillory", run.steps(), OnFailure::EndRun));
        EXPECT_EQ(run.done, QStringList{"one"});
    }
}
