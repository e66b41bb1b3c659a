#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace quillory::test {

FakeDialogs::~FakeDialogs()
{
    if (expectAllUsed && (!answers_.isEmpty() || !inputs_.isEmpty() || !printers_.isEmpty() || !saveFiles_.isEmpty() ||
                          !folders_.isEmpty()))
        ADD_FAILURE() << "queued dialog answers were never asked for: " << answers_.size() << " messages, "
                      << inputs_.size() << " inputs, " << printers_.size() << " printer dialogs";
}

FakeDialogs &FakeDialogs::answer(Answer a, std::function<void()> whileShown)
{
    answers_.enqueue({a, std::move(whileShown)});
    return *this;
}

FakeDialogs &FakeDialogs::answerInput(std::optional<QString> text)
{
    inputs_.enqueue(std::move(text));
    return *this;
}

FakeDialogs &FakeDialogs::answerPrinter(bool accepted, std::function<void(QPrinter &)> choose)
{
    printers_.enqueue({accepted, std::move(choose)});
    return *this;
}

Dialogs::Answer FakeDialogs::message(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    calls.append({QStringLiteral("message"), text, title, icon, buttons, {}});
    if (answers_.isEmpty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return buttons == Buttons::AbortRetryIgnore ? Answer::Abort : Answer::Cancel;
    }
    auto [answer, whileShown] = answers_.dequeue();
    if (whileShown)
        whileShown();
    return answer;
}

std::optional<QString> FakeDialogs::input(const QString &prompt, const QString &title, const QString &initial)
{
    calls.append({QStringLiteral("input"), prompt, title, Icon::None, Buttons::OkCancel, initial});
    if (inputs_.isEmpty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return std::nullopt;
    }
    return inputs_.dequeue();
}

bool FakeDialogs::printerDialog(QPrinter &printer)
{
    calls.append({QStringLiteral("printer"), QString(), QString(), Icon::None, Buttons::OkCancel, {}});
    if (printers_.isEmpty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    const auto [accepted, choose] = printers_.dequeue();
    if (choose)
        choose(printer);
    return accepted;
}

FakeDialogs &FakeDialogs::answerSaveFile(std::optional<QString> path)
{
    saveFiles_.enqueue(std::move(path));
    return *this;
}

FakeDialogs &FakeDialogs::answerFolder(std::optional<QString> path)
{
    folders_.enqueue(std::move(path));
    return *this;
}

std::optional<QString> FakeDialogs::saveFileName(const QString &title, const QString &suggested)
{
    calls.append({QStringLiteral("save"), suggested, title, Icon::None, Buttons::OkCancel, {}});
    if (saveFiles_.isEmpty()) {
        ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
        return std::nullopt;
    }
    return saveFiles_.dequeue();
}

std::optional<QString> FakeDialogs::chooseFolder(const QString &title)
{
    calls.append({QStringLiteral("folder"), {}, title, Icon::None, Buttons::OkCancel, {}});
    if (folders_.isEmpty()) {
        ADD_FAILURE() << "unexpected folder dialog: " << title.toStdString();
        return std::nullopt;
    }
    return folders_.dequeue();
}

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const Call &c : calls)
        out.append(c.text);
    return out;
}

} // namespace quillory::test
