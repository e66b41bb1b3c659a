#pragma once

#include "shell/Dialogs.h"

#include <QPair>
#include <QQueue>
#include <QStringList>
#include <QVector>
#include <functional>

namespace quillory::test {

// Records every dialog and answers from a queue; a dialog with no queued answer fails the test.
class FakeDialogs : public Dialogs {
public:
    struct Call {
        QString kind; // "message", "input", "printer", "save", "folder"
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString initial; // an input box's default text
    };

    ~FakeDialogs() override;

    // Queues the answer of the next message box; the action runs while that box is shown
    // (for example to put right the cause of a failure before answering Retry).
    FakeDialogs &answer(Answer a, std::function<void()> whileShown = {});
    // Queues the text of the next input box (nothing: Cancel).
    FakeDialogs &answerInput(std::optional<QString> text);
    // Queues the outcome of the next printer dialog; choose sets the printer up as the user's
    // choices there would (another printer, its paper, a file).
    FakeDialogs &answerPrinter(bool accepted, std::function<void(QPrinter &)> choose = {});
    // Queues the path chosen in the next save dialog (nothing: Cancel).
    FakeDialogs &answerSaveFile(std::optional<QString> path);
    // Queues the folder chosen in the next folder dialog (nothing: Cancel).
    FakeDialogs &answerFolder(std::optional<QString> path);

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &initial) override;
    bool printerDialog(QPrinter &printer) override;
    std::optional<QString> saveFileName(const QString &title, const QString &suggested) override;
    std::optional<QString> chooseFolder(const QString &title) override;
    void beep() override { ++beeps; }

    QStringList texts() const;
    QVector<Call> calls;
    int beeps = 0;
    // Unanswered queue entries at destruction fail the test as well.
    bool expectAllUsed = true;

private:
    QQueue<QPair<Answer, std::function<void()>>> answers_;
    QQueue<std::optional<QString>> inputs_;
    QQueue<QPair<bool, std::function<void(QPrinter &)>>> printers_;
    QQueue<std::optional<QString>> saveFiles_;
    QQueue<std::optional<QString>> folders_;
};

} // namespace quillory::test
