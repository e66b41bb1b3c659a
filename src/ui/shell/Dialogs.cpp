#include "shell/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace quillory {

namespace {

// The print runs send every sheet as a print job of its own, so a page range or page set
// would leave whole sheets unprinted: the dialog offers neither. On a CUPS printer Qt shows
// its page-range controls even with the option off (and again when another printer is
// chosen), and then hands the range to CUPS; they are hidden as the dialog shows.
class WholeJobsPrintDialog : public QPrintDialog {
public:
    WholeJobsPrintDialog(QPrinter *printer, QWidget *parent) : QPrintDialog(printer, parent)
    {
        setOption(QAbstractPrintDialog::PrintPageRange, false);
        setOption(QAbstractPrintDialog::PrintSelection, false);
        setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (auto *printers = findChild<QComboBox *>(QStringLiteral("printers")))
            connect(printers, &QComboBox::currentIndexChanged, this, &WholeJobsPrintDialog::hideRanges);
    }
    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (visible)
            hideRanges();
    }

private:
    void hideRanges()
    {
        for (const char *name : {"gbPrintRange", "pageSetCombo", "pageSetLabel"}) {
            if (auto *widget = findChild<QWidget *>(QLatin1String(name))) {
                widget->setEnabled(false);
                widget->setVisible(false);
            }
        }
    }
};

struct Showing {
    explicit Showing(int &depth) : depth_(depth) { ++depth_; }
    ~Showing() { --depth_; }
    Showing(const Showing &) = delete;
    Showing &operator=(const Showing &) = delete;
    int &depth_;
};

} // namespace

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    using Icon = Dialogs::Icon;
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Dialogs::Buttons buttons)
{
    using Buttons = Dialogs::Buttons;
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(boxIcon(icon));
    box.setStandardButtons(boxButtons(buttons));
    const Showing showing(showing_);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        // Escape or the close box: the least harmful answer of the set.
        if (buttons == Buttons::AbortRetryIgnore)
            return Answer::Abort;
        if (buttons == Buttons::YesNo)
            return Answer::No;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString &prompt, const QString &title, const QString &initial)
{
    const Showing showing(showing_);
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtDialogs::printerDialog(QPrinter &printer)
{
    WholeJobsPrintDialog dialog(&printer, parent_);
    const Showing showing(showing_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogs::saveFileName(const QString &title, const QString &suggested)
{
    const QString path = QFileDialog::getSaveFileName(parent_, title, suggested);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::chooseFolder(const QString &title)
{
    const QString path = QFileDialog::getExistingDirectory(parent_, title, QDir::homePath());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtDialogs::beep()
{
    QApplication::beep();
}

} // namespace quillory
