#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace quillory {

// Every message box, question, input box, printer dialog and beep of the program goes
// through this seam, so that tests can answer them.
class Dialogs {
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

    virtual ~Dialogs() = default;
    virtual Answer message(const QString &text, const QString &title, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok) = 0;
    // The typed text, or nothing when the user cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &title, const QString &initial = {}) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool printerDialog(QPrinter &printer) = 0;
    // The path the user chooses to save a file under, or nothing when cancelled.
    virtual std::optional<QString> saveFileName(const QString &title, const QString &suggested) = 0;
    // The folder the user chooses, or nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;
    virtual void beep() = 0;
    // Whether a box is waiting for its answer; the step that opened it goes on afterwards.
    virtual bool isShowing() const { return false; }
};

// The real dialogs on screen, owned by the given window.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget *parent) { parent_ = parent; }
    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &initial) override;
    bool printerDialog(QPrinter &printer) override;
    std::optional<QString> saveFileName(const QString &title, const QString &suggested) override;
    std::optional<QString> chooseFolder(const QString &title) override;
    void beep() override;
    bool isShowing() const override { return showing_ > 0; }

private:
    QWidget *parent_ = nullptr;
    // Counted until exec returns: a box that a session's logout has hidden is still waited for.
    int showing_ = 0;
};

} // namespace quillory
