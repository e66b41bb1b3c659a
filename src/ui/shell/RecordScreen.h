#pragma once

#include "data/RecordSet.h"
#include "shell/AppContext.h"
#include "shell/ButtonPanel.h"
#include "shell/FieldBinding.h"
#include "shell/FieldTyping.h"
#include "shell/FocusPolicy.h"
#include "shell/ListOverlay.h"
#include "shell/RecordGrid.h"
#include "shell/RecordMoves.h"

#include <QWidget>
#include <functional>
#include <memory>

class QPushButton;

namespace quillory {

// What sets one record screen apart from the others, besides its fields.
struct RecordScreenSetup {
    // The table whose columns the fields show, and how its rows kept are read (updatable).
    QString table;
    std::function<RecordSet(Database &)> rows;

    // Shown when the screen opens on no rows; it then opens in edit mode, adding.
    QString firstRecordMessage;
    // A new row whose value in this column is already in the set is refused with the message.
    QString uniqueColumn;
    QString duplicateMessage;

    QString activeStatus;      // status text while the screen is active
    QString deletingStatus;    // status text while a delete is asked for
    QString afterDeleteStatus; // status text after a delete (none when empty)
    QString noRecordsMessage = QStringLiteral("No Records");
    bool closeBeforeNoRecords = false; // the screen closes before the message shows

    // The longest entry of an amount field whose own length is not given (withMaxLength). (Not
    // the line edit's own maximum, which would cut the longer currency form shown outside it.)
    int amountLength = 18;

    // How the moves behave.
    struct Moves {
        bool needRows = false;    // nothing on an empty set (else the save question is still asked)
        bool addBlocks = false;   // Add sets "add pending": nothing until the next button press
        bool homeEndKeys = false; // Home and End go to the first and last row
    } moves;
    // Where the focus goes after Add, Edit, a move and a list pick.
    struct Focus {
        QWidget *firstField = nullptr;
        bool afterEdit = true;
        bool afterMove = true;
    } focus;
    // The list: its caption, rows, columns, the record columns its first columns match, the area
    // it covers while shown and the controls disabled meanwhile.
    struct List {
        QString caption;
        std::function<RecordSet(Database &)> rows;
        QVector<GridColumn> columns;
        QStringList keys;
        QWidget *area = nullptr;
        QVector<QWidget *> disables;
    } list;
};

// A screen that shows the rows of a record set one at a time: browse mode (Add, Edit, Delete,
// List), edit mode (Save, Cancel), the list (a grid to pick from). A screen derives from it,
// builds its controls, declares its fields with addField, fills in setup() and overrides the
// hooks where it differs. It coordinates its parts: the fields' binding (FieldBindings), their
// typing (FieldTyping, on the pure TypingRules), the button panel and its mode, the list
// overlay, the focus rule and the child window's activation.
class RecordScreen : public QWidget, public ButtonPanel {
    Q_OBJECT
public:
    ~RecordScreen() override;

    // Opens the record set and shows its first row, or opens adding on an empty set.
    void load();

    // The routines of every record screen. SetCaption counts the shown row by a caption::Step.
    void SetCaption(int step);
    void ShowRecord();
    // Stores the fields into the current row or a new one; false when nothing was stored.
    bool SaveRecord();
    void ClearFields();
    // Browse mode to edit mode and back.
    void ToggleEditButtons();
    void DeleteRecord();

    // The buttons: cmdEdit by index (0 Add, 1 Edit, 2 Save, 3 Cancel, 4 Delete, 5 List) and
    // cmdMove (0 previous, 1 next; 2 and 3 the first and the last row).
    void cmdEdit_Click(int index) override;
    void cmdMove_Click(int index) override;
    // Picks a row of the list (0-based).
    void chooseFromList(int row);
    // Closes the screen, or the child window that holds it.
    void closeScreen();

    bool isLoading() const { return loading_; }
    bool isChanged() const { return changed_; }
    bool isAdding() const { return adding_; }
    bool isAddPending() const { return addPending_; }
    bool inListMode() const { return list_->isOpen(); }
    int position() const { return position_; }
    int recordCount() const { return records_ ? records_->recordCount() : 0; }
    RecordGrid *listGrid() const { return list_->grid(); }

protected:
    explicit RecordScreen(AppContext &ctx, QWidget *parent = nullptr);

    RecordScreenSetup &setup() { return setup_; }
    RecordField &addField(QWidget *control, const QString &column);
    const RecordField *fieldOf(const QObject *control) const { return fields_.of(control); }

    AppContext &context() { return ctx_; }
    RecordSet &records();
    bool hasRecords() const { return recordCount() > 0; }
    // The change rule: the first change while not loading enters edit mode (unless adding).
    void markChanged();
    // Shows a message titled with the program's title.
    Dialogs::Answer say(const QString &text, Dialogs::Icon icon = Dialogs::Icon::None,
                        Dialogs::Buttons buttons = Dialogs::Buttons::Ok);
    // Gives a field the focus back with its whole text selected (after the current event).
    void refocus(QWidget *field) { FocusPolicy::refocus(field); }
    // Whether every amount field holds text that can be stored; the first that cannot is
    // reported and gets the focus back.
    bool amountsReadable();

    // The button actions; a screen may add to them.
    virtual void Add();
    virtual void Edit();
    virtual void Save();
    virtual void Cancel();
    virtual void List();

    // Hooks.
    // Reads what the screen needs besides its rows; a step of load, before the rows are read.
    virtual void loadData() {}
    virtual QString captionText() const = 0;
    virtual QString listCaptionText() const { return captionText(); }
    virtual void openedEmpty() { SetCaption(caption::Stay); }
    virtual void recordShown() {}
    virtual void recordAdded() {}
    virtual void recordSaved() {}
    virtual void addStarted() {}
    virtual bool validateRecord() { return true; }
    virtual void writeExtraColumns(RecordSet &) {}
    virtual bool mayDelete() { return true; }
    virtual void listModeEnded() {}
    // Runs when the screen has loaded and whenever another child window hands over to it.
    virtual void activated();
    // Runs when another child window takes over.
    virtual void deactivated() {}
    // A field is left for another control; false sends the user back to it.
    virtual bool fieldLeft(const RecordField &) { return true; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The check run before a command button acts; false drops the click.
    bool leaveFocusedField() override { return focus_.leaveFocused(); }

private:
    bool isDuplicate();
    // The save question; false when the record is to stay on screen (Yes, but it cannot be stored).
    bool askToSaveChanges();
    void focusFirstField() { FocusPolicy::focus(setup_.focus.firstField); }
    bool formKey(QKeyEvent *key, QObject *watched);
    bool isAmount(const RecordField &field);
    void focusOut(const RecordField &field, QFocusEvent *event);
    const ColumnInfo *columnInfo(const RecordField &field);

    AppContext &ctx_;
    RecordScreenSetup setup_;
    FieldBindings fields_;
    FieldTyping typing_;
    FocusPolicy focus_;
    std::unique_ptr<RecordSet> records_;
    ListOverlay *list_;
    int position_ = 0;
    // Until load() has run, changes are the screen being built.
    bool loading_ = true;
    bool changed_ = false;
    bool adding_ = false;
    bool addPending_ = false;
    bool keyPreview_ = false;
    bool subWindowWatched_ = false;
    bool loaded_ = false;
    bool closing_ = false;
};

} // namespace quillory
