#pragma once

#include "shell/ScreenMode.h"

#include <QStringList>
#include <QVector>
#include <functional>

class QFrame;
class QLayout;
class QPushButton;
class QWidget;

namespace quillory {

// The buttons of a record screen: the commands (cmdEdit, tagged "Edit") whose states follow the
// screen's mode, and the moves (cmdMove: 0 previous, 1 next). A button keeps the focus where it
// is and acts only when the field being typed in may be left.
class ButtonPanel {
public:
    QVector<QPushButton *> cmdEdit;
    QPushButton *cmdMove[2] = {nullptr, nullptr};

    ScreenMode mode() const { return mode_; }
    // Sets the mode and every command button's state with it.
    void setMode(ScreenMode mode);

    virtual void cmdEdit_Click(int index) = 0;
    virtual void cmdMove_Click(int index) = 0;

protected:
    explicit ButtonPanel(QWidget *screen) : screen_(screen) {}
    virtual ~ButtonPanel() = default;

    // Whether a button may act: the field being typed in is left first (so that a question
    // asked then cannot swallow the click); false drops the click.
    virtual bool leaveFocusedField() = 0;

    QPushButton *makeCommandButton(const QString &caption, const QString &name, std::function<void()> action);
    // Makes the command buttons by index, in the browse mode's states, and the move buttons.
    void makeEditButtons(const QStringList &captions);
    void makeMoveButtons();
    // The entry screens' buttons at the left: the moves above the panel, which holds the eight
    // commands (Add, Edit, Save, Cancel, Delete, List, Print, Exit) top to bottom from List.
    QLayout *makeEntryButtons(QFrame *panel);
    // A key that presses a move: Page Up the next row, Page Down the previous one; Home and End
    // the first and the last where `homeEnd`. False for any other key.
    bool moveKey(int key, bool homeEnd);
    // Tab (and Enter) walk the fields in this order, then the moves and the commands as shown.
    void setEntryTabOrder(QVector<QWidget *> order);

private:
    QWidget *screen_;
    ScreenMode mode_ = ScreenMode::Browse;
};

} // namespace quillory
