#include "shell/RecordScreen.h"

#include "data/DbError.h"
#include "shell/ChildActivation.h"
#include "shell/FieldValues.h"
#include "shell/ListOverlay.h"
#include "shell/RecordMoves.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>

namespace quillory {

namespace {

const char *const kSaveQuestion = "Information has been changed, do you wish to save changes?";

const Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

RecordScreen::RecordScreen(AppContext &ctx, QWidget *parent)
    : QWidget(parent), ButtonPanel(this), ctx_(ctx), typing_(ctx.dialogs),
      focus_(
          this, fields_, [this](const RecordField &field) { return fieldLeft(field); },
          [this] { return loading_ || closing_; }),
      list_(new ListOverlay(this))
{
    connect(list_, &ListOverlay::rowChosen, this, &RecordScreen::chooseFromList);
}

RecordScreen::~RecordScreen() = default;

RecordField &RecordScreen::addField(QWidget *control, const QString &column)
{
    RecordField &field = fields_.add(control, column);
    typing_.watch(field, this, [this] { markChanged(); });
    return field;
}

RecordSet &RecordScreen::records()
{
    if (!records_)
        throw DbError(tr("The records of this screen could not be read."));
    return *records_;
}

Dialogs::Answer RecordScreen::say(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons)
{
    return ctx_.dialogs.message(text, ctx_.state.gAppTitle, icon, buttons);
}

const ColumnInfo *RecordScreen::columnInfo(const RecordField &field)
{
    if (records_)
        return records_->findColumn(field.column.trimmed());
    return ctx_.state.gDatabase.table(setup_.table).find(field.column.trimmed());
}

bool RecordScreen::isAmount(const RecordField &field)
{
    const ColumnInfo *col = columnInfo(field);
    return col && col->kind == ColumnKind::Money;
}

void RecordScreen::load()
{
    if (!keyPreview_) {
        // The screen sees every key before its controls do.
        for (QWidget *w : findChildren<QWidget *>())
            w->installEventFilter(this);
        (setup_.list.area ? setup_.list.area : this)->installEventFilter(this);
        keyPreview_ = true;
    }
    loading_ = true;
    const auto columnOf = [this](const RecordField &f) { return columnInfo(f); };
    runSteps(ctx_, {
                       [&] { fields_.limitLengths(columnOf, setup_.amountLength); },
                       [&] { loadData(); },
                       [&] { records_ = std::make_unique<RecordSet>(setup_.rows(ctx_.state.gDatabase)); },
                       [&] {
                           if (records().recordCount() == 0) {
                               say(setup_.firstRecordMessage);
                               adding_ = true;
                               ToggleEditButtons();
                               openedEmpty();
                           } else {
                               // Last and back to the first, so that the count is exact.
                               records().moveLast();
                               records().moveFirst();
                               ShowRecord();
                               SetCaption(caption::First);
                           }
                       },
                   });
    loading_ = false;
    loaded_ = true;
    activated();
}

void RecordScreen::SetCaption(int step)
{
    position_ = countedPosition(position_, recordCount(), step);
    setWindowTitle(captionText());
}

void RecordScreen::ShowRecord()
{
    if (!hasRecords())
        return;
    runSteps(ctx_, {
                       [&] {
                           loading_ = true;
                           records().followSchema();
                           fields_.show(records());
                       },
                       [&] {
                           changed_ = false;
                           loading_ = false;
                           recordShown();
                       },
                   });
    // A left handler must not leave the screen deaf to typing.
    loading_ = false;
}

bool RecordScreen::SaveRecord()
{
    bool refused = false;
    bool written = false;
    bool stored = false;
    runSteps(ctx_, {
                       [&] {
                           if (!adding_) {
                               records().edit();
                           } else if (isDuplicate()) {
                               say(setup_.duplicateMessage);
                               if (const RecordField *f = fields_.forColumn(setup_.uniqueColumn))
                                   f->control->setFocus();
                               refused = true;
                           } else {
                               records().addNew();
                           }
                       },
                       [&] {
                           if (refused)
                               return;
                           records().followSchema();
                           fields_.write(records());
                           writeExtraColumns(records());
                           written = true;
                       },
                       [&] {
                           // Ignoring a field that could not be written must not store the others.
                           if (refused || !written)
                               return;
                           records().update();
                           stored = true;
                       },
                       [&] {
                           if (!stored)
                               return;
                           if (adding_) {
                               adding_ = false;
                               records().moveLast();
                               recordAdded();
                               SetCaption(caption::Last);
                           }
                           changed_ = false;
                           recordSaved();
                       },
                   });
    // A store that was given up leaves the row as it was.
    if (records_ && records_->isEditing())
        records_->cancelUpdate();
    return stored;
}

bool RecordScreen::isDuplicate()
{
    if (setup_.uniqueColumn.isEmpty())
        return false;
    const RecordField *field = fields_.forColumn(setup_.uniqueColumn);
    if (!field)
        return false;
    const QString value = fieldValue(*field).toString();
    // The search must not move the row that the caption counts.
    RecordSet &rs = records();
    const bool onRow = !rs.bof() && !rs.eof();
    const int at = rs.position();
    const bool found = rs.findFirst({{setup_.uniqueColumn, value}});
    if (found && onRow)
        rs.moveTo(at);
    return found;
}

void RecordScreen::ClearFields()
{
    fields_.clear();
}

void RecordScreen::ToggleEditButtons()
{
    setMode(toggled(mode()));
}

void RecordScreen::markChanged()
{
    if (loading_ || changed_)
        return;
    changed_ = true;
    // Typing in browse mode enters edit mode.
    if (!adding_)
        ToggleEditButtons();
}

bool RecordScreen::askToSaveChanges()
{
    if (!changed_)
        return true;
    if (say(QString::fromLatin1(kSaveQuestion), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::Yes) {
        // The user wants the entries kept: one that cannot be stored keeps the record on screen.
        if (!amountsReadable())
            return false;
        SaveRecord();
        ToggleEditButtons();
    }
    changed_ = false;
    return true;
}

bool RecordScreen::amountsReadable()
{
    for (const RecordField &f : fields_.all()) {
        auto *edit = qobject_cast<QLineEdit *>(f.control);
        if (!edit || f.read)
            continue;
        const ColumnInfo *col = columnInfo(f);
        if (!col || col->kind != ColumnKind::Money || readAmount(edit->text()))
            continue;
        const QString name = edit->accessibleName().isEmpty() ? col->name : edit->accessibleName();
        say(tr("The amount \"%1\" in %2 cannot be stored: %3.\rCorrect it and save again.")
                .arg(edit->text(), name.simplified(), amountProblem(edit->text())),
            Dialogs::Icon::Exclamation);
        if (edit->isEnabled())
            refocus(edit);
        return false;
    }
    return true;
}

void RecordScreen::cmdMove_Click(int index)
{
    if (addPending_ || !records_)
        return;
    if (setup_.moves.needRows && !hasRecords())
        return;
    if (!askToSaveChanges())
        return;
    if (hasRecords()) {
        runSteps(ctx_, {[&] {
                     if (const auto step = moveRow(records(), index))
                         SetCaption(*step);
                 }});
        ShowRecord();
    }
    if (setup_.focus.afterMove)
        focusFirstField();
}

void RecordScreen::cmdEdit_Click(int index)
{
    // The commands by index from Add to List; Print and Exit are the screens' own.
    addPending_ = false;
    switch (index) {
    case 0:
        return Add();
    case 1:
        return Edit();
    case 2:
        return Save();
    case 3:
        return Cancel();
    case 4:
        return DeleteRecord();
    case 5:
        return List();
    }
}

void RecordScreen::Add()
{
    adding_ = true;
    addPending_ = setup_.moves.addBlocks;
    changed_ = true;
    ClearFields();
    ToggleEditButtons();
    addStarted();
    if (setup_.focus.firstField)
        setup_.focus.firstField->setFocus();
}

void RecordScreen::Edit()
{
    changed_ = true;
    ToggleEditButtons();
    if (setup_.focus.afterEdit)
        focusFirstField();
}

void RecordScreen::Save()
{
    if (!amountsReadable() || !validateRecord())
        return;
    SaveRecord();
    ToggleEditButtons();
    changed_ = false;
}

void RecordScreen::Cancel()
{
    if (!hasRecords()) {
        changed_ = false;
        closeScreen();
        return;
    }
    ShowRecord();
    changed_ = false;
    adding_ = false;
    ToggleEditButtons();
}

void RecordScreen::DeleteRecord()
{
    ctx_.statusText(setup_.deletingStatus);
    if (ctx_.dialogs.message(tr("Are you sure?"), tr("Delete Record?"), Dialogs::Icon::Question,
                             Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        bool deleted = false;
        runSteps(ctx_, {
                           [&] {
                               if (mayDelete()) {
                                   records().deleteCurrent();
                                   deleted = true;
                               }
                           },
                           [&] {
                               if (deleted)
                                   SetCaption(caption::Back);
                           },
                       });
        // The following row takes the deleted one's number; after the last, the one before.
        if (deleted)
            cmdMove_Click(1);
    }
    if (records_ && !hasRecords()) {
        if (setup_.closeBeforeNoRecords)
            closeScreen();
        say(setup_.noRecordsMessage);
        if (!setup_.closeBeforeNoRecords)
            closeScreen();
    }
    if (!setup_.afterDeleteStatus.isEmpty())
        ctx_.statusText(setup_.afterDeleteStatus);
}

void RecordScreen::List()
{
    runSteps(
        ctx_,
        {
            [&] { list_->fill(setup_.list.columns, setup_.list.rows(ctx_.state.gDatabase)); },
            [&] { list_->open(setup_.list.area ? setup_.list.area : this, setup_.list.caption, setup_.list.disables); },
        });
}

void RecordScreen::chooseFromList(int row)
{
    if (!list_->isOpen())
        return;
    runSteps(ctx_, {
                       [&] {
                           RecordSet::Criteria criteria;
                           for (int i = 0; i < setup_.list.keys.size(); ++i)
                               criteria.append({setup_.list.keys[i], list_->grid()->value(row, i)});
                           // No match leaves the current row, which is then shown again.
                           records().findFirst(criteria);
                       },
                       [&] {
                           position_ = row + 1;
                           setWindowTitle(listCaptionText());
                       },
                   });
    ShowRecord();
    list_->close();
    listModeEnded();
    focusFirstField();
}

void RecordScreen::closeScreen()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void RecordScreen::activated()
{
    ctx_.statusText(setup_.activeStatus);
    focusFirstField();
}

void RecordScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!subWindowWatched_)
        subWindowWatched_ = watchActivation(
            this,
            [this] {
                if (loaded_)
                    activated();
            },
            [this] { deactivated(); });
}

void RecordScreen::closeEvent(QCloseEvent *event)
{
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    ctx_.statusText(QString());
    closing_ = true;
    event->accept();
}

bool RecordScreen::formKey(QKeyEvent *key, QObject *watched)
{
    auto *w = qobject_cast<QWidget *>(watched);
    // Not for open drop-down lists, which are windows of their own, nor for the list.
    if (!w || w->window() != window() || list_->isOpen() || list_->holds(w))
        return false;
    if (key->modifiers() & kCommandModifiers)
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &tab);
        return true;
    }
    return moveKey(key->key(), setup_.moves.homeEndKeys);
}

void RecordScreen::focusOut(const RecordField &field, QFocusEvent *event)
{
    if (!focus_.leaving(event->reason()))
        return;
    typing_.left(field, isAmount(field));
    focus_.left(field, event->reason());
}

bool RecordScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (formKey(key, watched))
            return true;
        if (const RecordField *field = fieldOf(watched); field && typing_.keyPressed(*field, key))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (const RecordField *field = fieldOf(watched))
            typing_.entered(*field, isAmount(*field),
                            static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason);
        break;
    case QEvent::FocusOut:
        if (const RecordField *field = fieldOf(watched))
            focusOut(*field, static_cast<QFocusEvent *>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillory
