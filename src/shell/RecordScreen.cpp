#include "shell/RecordScreen.h"

#include "data/DbError.h"
#include "shell/InputRoutines.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

namespace quillory {

namespace {

const char *const kSaveQuestion = "Information has been changed, do you wish to save changes?";

QString withoutAccessKey(const QString &caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

// A button's own enabled state, whatever its panel's.
bool ownEnabled(const QWidget *w)
{
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

std::optional<Money> readAmount(const QString &text)
{
    if (auto m = Money::parse(text.trimmed(), QLocale()))
        return m;
    return Money::parse(text.trimmed());
}

// Why an amount cannot be stored: digits that do not fit, or no number at all.
QString amountProblem(const QString &text)
{
    static const QRegularExpression numberLike(QStringLiteral("^[\\s$(+-]*[\\d,]*\\.?\\d*[\\s)]*$"));
    const bool tooLarge = text.contains(QRegularExpression(QStringLiteral("\\d"))) && numberLike.match(text).hasMatch();
    return tooLarge ? QObject::tr("it is too large to store") : QObject::tr("it is not a number");
}

// Whether a line edit takes a typed character: what is printable, format marks, and
// characters outside the basic plane (a whole pair).
bool typeable(char32_t c)
{
    return c > 0xFFFF || QChar::isPrint(c) || QChar::category(c) == QChar::Other_Format;
}

// The part of a typed text that fits into `room` UTF-16 units, never half a pair.
QString fitting(const QString &text, int room)
{
    if (text.size() <= room)
        return text;
    QString part = text.left(std::max(room, 0));
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    return part;
}

} // namespace

RecordScreen::RecordScreen(AppContext &ctx, QWidget *parent) : QWidget(parent), ctx_(ctx)
{
    // The list covers the fields while it is shown.
    listFrame_ = new QGroupBox(this);
    listFrame_->setObjectName(QStringLiteral("grdEmpListFrame"));
    listFrame_->setAutoFillBackground(true);
    listFrame_->hide();
    listGrid_ = new RecordGrid(listFrame_);
    listGrid_->setObjectName(QStringLiteral("grdEmpList"));
    listGrid_->setFocusPolicy(Qt::NoFocus);
    auto *frameLayout = new QVBoxLayout(listFrame_);
    frameLayout->addWidget(listGrid_);
    connect(listGrid_, &RecordGrid::rowChosen, this, &RecordScreen::chooseFromList);
}

RecordScreen::~RecordScreen() = default;

RecordField &RecordScreen::addField(QWidget *control, const QString &column)
{
    fields_.push_back(RecordField{});
    RecordField &field = fields_.back();
    field.control = control;
    field.column = column;
    connectField(field);
    return field;
}

void RecordScreen::connectField(const RecordField &field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        lastText_.insert(edit, edit->text());
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            lastText_.insert(edit, edit->text());
            markChanged();
        });
        // Before textChanged, so that the text as it was is still at hand.
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { followTypingRules(edit); });
    } else if (auto *check = qobject_cast<QCheckBox *>(field.control))
        connect(check, &QCheckBox::toggled, this, [this] { markChanged(); });
    else if (auto *combo = qobject_cast<QComboBox *>(field.control))
        connect(combo, &QComboBox::currentTextChanged, this, [this] { markChanged(); });
}

const RecordField *RecordScreen::fieldOf(const QObject *control) const
{
    for (const RecordField &f : fields_)
        if (f.control == control)
            return &f;
    return nullptr;
}

QPushButton *RecordScreen::makeCommandButton(const QString &caption, const QString &name, std::function<void()> action)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(withoutAccessKey(caption));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        if (leaveFocusedField())
            action();
    });
    return button;
}

void RecordScreen::makeEditButtons(const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton *button =
            makeCommandButton(captions[i], QStringLiteral("cmdEdit_%1").arg(i), [this, i] { cmdEdit_Click(i); });
        button->setProperty("tag", QStringLiteral("Edit"));
        cmdEdit.append(button);
    }
    for (int i : {2, 3})
        if (i < cmdEdit.size())
            cmdEdit[i]->setEnabled(false);
}

void RecordScreen::makeMoveButtons()
{
    const char *const captions[2] = {"<", ">"};
    const QString names[2] = {tr("Previous record"), tr("Next record")};
    for (int i = 0; i < 2; ++i) {
        cmdMove[i] = makeCommandButton(QString::fromLatin1(captions[i]), QStringLiteral("cmdMove_%1").arg(i),
                                       [this, i] { cmdMove_Click(i); });
        cmdMove[i]->setAccessibleName(names[i]);
        cmdMove[i]->setToolTip(names[i]);
    }
}

namespace {
const int kEntryButtonOrder[8] = {5, 0, 1, 2, 3, 4, 6, 7};
}

QLayout *RecordScreen::makeEntryButtons(QFrame *panel)
{
    panel->setFrameShape(QFrame::StyledPanel);
    makeEditButtons(
        {tr("&Add"), tr("&Edit"), tr("&Save"), tr("&Cancel"), tr("&Delete"), tr("&List"), tr("&Print"), tr("E&xit")});
    auto *commands = new QVBoxLayout(panel);
    for (int i : kEntryButtonOrder) {
        cmdEdit[i]->setParent(panel);
        commands->addWidget(cmdEdit[i]);
    }
    makeMoveButtons();
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdMove[0]);
    moves->addWidget(cmdMove[1]);
    auto *side = new QVBoxLayout;
    side->addLayout(moves);
    side->addWidget(panel);
    side->addStretch();
    return side;
}

void RecordScreen::setEntryTabOrder(QVector<QWidget *> order)
{
    order << cmdMove[0] << cmdMove[1];
    for (int i : kEntryButtonOrder)
        order << cmdEdit[i];
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool RecordScreen::leaveFocusedField()
{
    const RecordField *field = fieldOf(QApplication::focusWidget());
    if (!field || loading_ || closing_)
        return true;
    return fieldLeft(*field);
}

void RecordScreen::leaveAfterMouseUp(const RecordField &field)
{
    // A question shown while the mouse button is down would swallow the click.
    QPointer<QWidget> control = field.control;
    QTimer::singleShot(20, this, [this, control] {
        const RecordField *f = control ? fieldOf(control) : nullptr;
        if (!f || loading_ || closing_)
            return;
        if (QGuiApplication::mouseButtons() != Qt::NoButton || QApplication::activeModalWidget())
            leaveAfterMouseUp(*f);
        else if (!f->control->hasFocus()) // a click on the window's frame hands the focus back
            fieldLeft(*f);
    });
}

const RecordField *RecordScreen::fieldForColumn(const QString &column) const
{
    for (const RecordField &f : fields_)
        if (f.column.trimmed().compare(column, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
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

void RecordScreen::refocus(QWidget *field)
{
    // The focus is still on its way to another control while a focus-out is handled.
    QTimer::singleShot(0, field, [field] {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
    });
}

const ColumnInfo *RecordScreen::columnInfo(const RecordField &field)
{
    if (records_)
        return records_->findColumn(field.column.trimmed());
    return ctx_.state.gDatabase.table(setup_.table).find(field.column.trimmed());
}

void RecordScreen::applyColumnSizes()
{
    // Typing is limited by the column sizes from the start, before any row is shown.
    for (RecordField &f : fields_) {
        const ColumnInfo *col = columnInfo(f);
        if (col && col->kind == ColumnKind::Money)
            f.maxLength = setup_.amountLengths.value(f.column.trimmed(), setup_.amountLength);
        if (!col || col->kind != ColumnKind::Text || col->size <= 0 || f.show)
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(f.control))
            edit->setMaxLength(col->size);
        else if (auto *combo = qobject_cast<QComboBox *>(f.control); combo && combo->lineEdit())
            combo->lineEdit()->setMaxLength(col->size);
    }
}

void RecordScreen::load()
{
    if (!keyPreview_) {
        // The screen sees every key before its controls do.
        for (QWidget *w : findChildren<QWidget *>())
            w->installEventFilter(this);
        (setup_.listArea ? setup_.listArea : this)->installEventFilter(this);
        keyPreview_ = true;
    }
    loading_ = true;
    runSteps(ctx_, {
                       [&] { applyColumnSizes(); },
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
                               SetCaption(2);
                           }
                       },
                   });
    loading_ = false;
    loaded_ = true;
    activated();
}

void RecordScreen::SetCaption(int mode)
{
    if (mode == 2)
        position_ = 1;
    else if (mode == 3)
        position_ = recordCount();
    else
        position_ += mode;
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
                           for (const RecordField &f : fields_)
                               showField(f);
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

void RecordScreen::showField(const RecordField &field)
{
    RecordSet &rs = records();
    const ColumnInfo &col = rs.columns().column(field.column.trimmed());
    const QVariant v = rs.value(col.position);
    if (field.show) {
        field.show(v);
    } else if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        if (col.kind == ColumnKind::Money) {
            const Money amount = Money::fromVariant(v);
            edit->setText(amount > Money() ? amount.toCurrency(QLocale()) : QString());
        } else {
            if (col.kind == ColumnKind::Text && col.size > 0)
                edit->setMaxLength(col.size);
            edit->setText(v.isNull() ? QString() : v.toString());
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(field.control)) {
        check->setChecked(!v.isNull() && v.toLongLong() != 0);
    } else if (auto *combo = qobject_cast<QComboBox *>(field.control)) {
        const QString text = v.isNull() ? QString() : v.toString();
        if (field.selectByPrefix)
            SelectComboEntry(combo, text);
        else if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    }
}

bool RecordScreen::SaveRecord()
{
    bool refused = false;
    bool written = false;
    bool stored = false;
    runSteps(ctx_, {
                       [&] {
                           if (adding_) {
                               if (isDuplicate()) {
                                   say(setup_.duplicateMessage);
                                   if (const RecordField *f = fieldForColumn(setup_.uniqueColumn))
                                       f->control->setFocus();
                                   refused = true;
                                   return;
                               }
                               records().addNew();
                           } else {
                               records().edit();
                           }
                       },
                       [&] {
                           if (refused)
                               return;
                           records().followSchema();
                           for (const RecordField &f : fields_)
                               writeField(f);
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
                               SetCaption(3);
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
    const RecordField *field = fieldForColumn(setup_.uniqueColumn);
    if (!field)
        return false;
    QString value;
    if (field->read)
        value = field->read().toString();
    else if (auto *edit = qobject_cast<QLineEdit *>(field->control))
        value = edit->text();
    else if (auto *combo = qobject_cast<QComboBox *>(field->control))
        value = combo->currentText();

    // The search must not move the row that the caption counts.
    RecordSet &rs = records();
    const bool onRow = !rs.bof() && !rs.eof();
    const int at = rs.position();
    const bool found = rs.findFirst({{setup_.uniqueColumn, value}});
    if (found && onRow)
        rs.moveTo(at);
    return found;
}

void RecordScreen::writeField(const RecordField &field)
{
    RecordSet &rs = records();
    const ColumnInfo &col = rs.columns().column(field.column.trimmed());
    if (col.kind == ColumnKind::Counter)
        return;
    if (field.read) {
        rs.setValue(col.name, field.read());
    } else if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        const QString text = edit->text();
        switch (col.kind) {
        case ColumnKind::Text:
            rs.setText(col.name, text);
            break;
        case ColumnKind::Money: {
            const auto amount = readAmount(text);
            if (!amount)
                throw std::invalid_argument(
                    tr("\"%1\" is not an amount. Correct it and save again.").arg(text).toStdString());
            // 0 or less shows empty, so it is stored as the 0 that empty stands for, whether or
            // not the field was left (and reformatted) before the save.
            rs.setMoney(col.name, *amount > Money() ? *amount : Money());
            break;
        }
        default: {
            // An empty number field leaves the column as it is.
            if (text.trimmed().isEmpty())
                break;
            bool ok = false;
            const double number = QLocale().toDouble(text.trimmed(), &ok);
            if (!ok)
                throw std::invalid_argument(
                    tr("\"%1\" is not a number. Correct it and save again.").arg(text).toStdString());
            if (col.kind == ColumnKind::Number)
                rs.setValue(col.name, number);
            else
                rs.setValue(col.name, qRound64(number));
        }
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(field.control)) {
        rs.setFlag(col.name, check->isChecked());
    } else if (auto *combo = qobject_cast<QComboBox *>(field.control)) {
        rs.setText(col.name, combo->currentText());
    }
}

void RecordScreen::ClearFields()
{
    for (const RecordField &f : fields_)
        clearField(f);
}

void RecordScreen::clearField(const RecordField &field)
{
    if (field.clear) {
        field.clear();
    } else if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        edit->clear();
    } else if (auto *check = qobject_cast<QCheckBox *>(field.control)) {
        check->setChecked(false);
    } else if (auto *combo = qobject_cast<QComboBox *>(field.control)) {
        if (field.selectByPrefix)
            SelectComboEntry(combo, field.clearedText);
        else if (combo->isEditable())
            combo->setEditText(field.clearedText);
        else
            combo->setCurrentIndex(combo->findText(field.clearedText));
    }
}

void RecordScreen::ToggleEditButtons()
{
    for (QPushButton *button : cmdEdit)
        button->setEnabled(!ownEnabled(button));
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
    for (const RecordField &f : fields_) {
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
    if (setup_.movesNeedRows && !hasRecords())
        return;
    if (!askToSaveChanges())
        return;
    if (hasRecords()) {
        runSteps(ctx_, {[&] {
                     RecordSet &rs = records();
                     switch (index) {
                     case 0:
                         rs.movePrevious();
                         if (rs.bof())
                             rs.moveNext();
                         else
                             SetCaption(-1);
                         break;
                     case 1:
                         rs.moveNext();
                         if (rs.eof())
                             rs.movePrevious();
                         else
                             SetCaption(1);
                         break;
                     case 2:
                         rs.moveFirst();
                         SetCaption(2);
                         break;
                     default:
                         rs.moveLast();
                         SetCaption(3);
                     }
                 }});
        ShowRecord();
    }
    if (setup_.focusAfterMove && setup_.firstField && setup_.firstField->isEnabled())
        setup_.firstField->setFocus();
}

void RecordScreen::cmdEdit_Click(int index)
{
    addPending_ = false;
    switch (index) {
    case 0:
        Add();
        break;
    case 1:
        Edit();
        break;
    case 2:
        Save();
        break;
    case 3:
        Cancel();
        break;
    case 4:
        DeleteRecord();
        break;
    case 5:
        List();
        break;
    default:
        break;
    }
}

void RecordScreen::Add()
{
    adding_ = true;
    addPending_ = setup_.addBlocksMoves;
    changed_ = true;
    ClearFields();
    ToggleEditButtons();
    addStarted();
    if (setup_.firstField)
        setup_.firstField->setFocus();
}

void RecordScreen::Edit()
{
    changed_ = true;
    ToggleEditButtons();
    if (setup_.focusAfterEdit && setup_.firstField && setup_.firstField->isEnabled())
        setup_.firstField->setFocus();
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
                                   SetCaption(-1);
                           },
                       });
        // The following row takes the deleted one's number; after the last, the one before.
        if (deleted)
            cmdMove_Click(1);
    }
    if (records_ && !hasRecords()) {
        if (setup_.closeBeforeNoRecords) {
            closeScreen();
            say(setup_.noRecordsMessage);
        } else {
            say(setup_.noRecordsMessage);
            closeScreen();
        }
    }
    if (!setup_.afterDeleteStatus.isEmpty())
        ctx_.statusText(setup_.afterDeleteStatus);
}

void RecordScreen::List()
{
    runSteps(ctx_, {
                       [&] {
                           listGrid_->setColumns(setup_.listColumns);
                           listGrid_->setRecords(setup_.listRows(ctx_.state.gDatabase));
                       },
                       [&] {
                           placeListGrid();
                           listFrame_->setTitle(setup_.listCaption);
                           listGrid_->setAccessibleName(setup_.listCaption);
                           listFrame_->show();
                           listFrame_->raise();
                           listGrid_->setFocusPolicy(Qt::StrongFocus);
                           listGrid_->setFocus();
                           for (QWidget *w : setup_.listDisables)
                               w->setEnabled(false);
                           listMode_ = true;
                       },
                   });
}

void RecordScreen::placeListGrid()
{
    QWidget *area = setup_.listArea ? setup_.listArea : this;
    if (listFrame_->parentWidget() != area)
        listFrame_->setParent(area);
    listFrame_->setGeometry(area->rect());
}

void RecordScreen::chooseFromList(int row)
{
    if (!listMode_)
        return;
    runSteps(ctx_, {
                       [&] {
                           RecordSet::Criteria criteria;
                           for (int i = 0; i < setup_.listKeys.size(); ++i)
                               criteria.append({setup_.listKeys[i], listGrid_->value(row, i)});
                           // No match leaves the current row, which is then shown again.
                           records().findFirst(criteria);
                       },
                       [&] {
                           position_ = row + 1;
                           setWindowTitle(listCaptionText());
                       },
                   });
    ShowRecord();
    listFrame_->hide();
    listGrid_->setFocusPolicy(Qt::NoFocus);
    for (QWidget *w : setup_.listDisables)
        w->setEnabled(true);
    listMode_ = false;
    listModeEnded();
    if (setup_.firstField && setup_.firstField->isEnabled())
        setup_.firstField->setFocus();
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
    if (setup_.firstField && setup_.firstField->isEnabled())
        setup_.firstField->setFocus();
}

void RecordScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (subWindowWatched_ || !sub || !sub->mdiArea())
        return;
    subWindowWatched_ = true;
    // Only a switch between child windows counts: the main window hands its active child back
    // after every message box, and that is no new activation.
    connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, [this, sub](QMdiSubWindow *now) {
        if (!now)
            return;
        if (now == sub && !activeScreen_) {
            activeScreen_ = true;
            if (loaded_)
                activated();
        } else if (now != sub && activeScreen_) {
            activeScreen_ = false;
            deactivated();
        }
    });
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
    if (!w || w->window() != window() || listMode_ || w == listFrame_ || listFrame_->isAncestorOf(w))
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &tab);
        return true;
    }
    case Qt::Key_PageUp:
        cmdMove_Click(1);
        return true;
    case Qt::Key_PageDown:
        cmdMove_Click(0);
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!setup_.homeEndKeys)
            return false;
        cmdMove_Click(key->key() == Qt::Key_Home ? 2 : 3);
        return true;
    default:
        return false;
    }
}

bool RecordScreen::fieldKey(const RecordField &field, QKeyEvent *key)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    if (auto *combo = qobject_cast<QComboBox *>(field.control))
        edit = combo->lineEdit();
    if (!edit || field.keys == RecordField::AnyKey)
        return false;
    const QString text = key->text();
    if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const char16_t ch = text.at(0).unicode();
    // A character outside the basic plane comes as one key of two UTF-16 units.
    const bool oneCharacter = text.size() == 1 || (text.size() == 2 && text.at(0).isHighSurrogate());
    const bool control = !oneCharacter || ch < 32 || ch == 127;
    if (field.keys & RecordField::ReadOnly) {
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            ctx_.dialogs.beep();
            return true;
        }
        return false;
    }
    if (control)
        return false;
    int code = ch < 256 ? ch : 0xFFFF;
    if (field.keys & RecordField::Numeric) {
        FilterNumericKey(code);
        if (code == 0)
            return true;
    }
    if ((field.keys & RecordField::LettersOnly) && code < 'A') {
        ctx_.dialogs.beep();
        return true;
    }
    if (field.keys & RecordField::UpperCase) {
        const QString upper = text.toUpper();
        if (upper != text) {
            if (!edit->isReadOnly())
                edit->insert(upper);
            return true;
        }
    }
    return false;
}

int RecordScreen::lengthLimit(const RecordField &field) const
{
    if (field.maxLength > 0)
        return field.maxLength;
    const auto *edit = qobject_cast<const QLineEdit *>(field.control);
    return edit ? edit->maxLength() : 32767;
}

QString RecordScreen::typedText(const RecordField &field, const QString &text, int room)
{
    QString typed;
    bool beep = false;
    for (int i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (text[i].isSurrogate())
            continue; // half a character, as a cut-off paste or a full field leaves it
        if (!typeable(c) || (field.keys & RecordField::ReadOnly)) {
            beep = beep || (field.keys & RecordField::ReadOnly);
            continue;
        }
        int code = c < 256 ? int(c) : 0xFFFF;
        if (field.keys & RecordField::Numeric) {
            FilterNumericKey(code);
            if (code == 0)
                continue;
        }
        if ((field.keys & RecordField::LettersOnly) && code < 'A') {
            beep = true;
            continue;
        }
        QString key = QString::fromUcs4(&c, 1);
        if (field.keys & RecordField::UpperCase)
            key = key.toUpper();
        key = fitting(key, room - int(typed.size()));
        typed += key;
    }
    if (beep)
        ctx_.dialogs.beep();
    return typed;
}

void RecordScreen::followTypingRules(QLineEdit *edit)
{
    const RecordField *field = fieldOf(edit);
    if (!field || field->show || !edit->inputMask().isEmpty())
        return;
    const QString before = lastText_.value(edit);
    const QString now = edit->text();
    // What came in is what lies between the unchanged start and the unchanged end.
    int start = 0;
    while (start < before.size() && start < now.size() && before[start] == now[start])
        ++start;
    int end = 0;
    while (end < before.size() - start && end < now.size() - start &&
           before[before.size() - 1 - end] == now[now.size() - 1 - end])
        ++end;
    // Never split a pair between the kept text and what came in.
    if (start > 0 && now[start - 1].isHighSurrogate())
        --start;
    if (end > 0 && now[now.size() - end].isLowSurrogate())
        --end;
    const QString came = now.mid(start, now.size() - start - end);
    const QString typed = typedText(*field, came, lengthLimit(*field) - start - end);
    if (typed == came)
        return;
    // Keys that all are dropped leave a selection they were typed over as it was.
    edit->setText(typed.isEmpty() && !came.isEmpty() ? before : now.left(start) + typed + now.right(end));
    edit->setCursorPosition(start + typed.size());
}

bool RecordScreen::pasteAsTyped(const RecordField &field, QKeyEvent *key)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    if (!edit || !key->matches(QKeySequence::Paste) || edit->isReadOnly() || field.show || !edit->inputMask().isEmpty())
        return false;
    // The line edit would cut the pasted text to its maximum length before the rules drop
    // anything; typing drops first and then fills the room that is left.
    const int room = lengthLimit(field) - int(edit->text().size() - edit->selectedText().size());
    const QString typed = typedText(field, QGuiApplication::clipboard()->text(), room);
    if (!typed.isEmpty())
        edit->insert(typed);
    return true;
}

void RecordScreen::reformatAmount(const RecordField &field, bool entering)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    const ColumnInfo *col = columnInfo(field);
    if (!edit || field.show || !col || col->kind != ColumnKind::Money)
        return;
    const auto amount = readAmount(edit->text());
    if (!amount)
        return; // left as typed, for the save to report
    // Showing the same amount another way is not an edit.
    QScopedValueRollback<bool> quiet(loading_, true);
    if (entering)
        edit->setText(amount->toPlainString());
    else
        edit->setText(*amount > Money() ? amount->toCurrency(QLocale()) : QString());
}

bool RecordScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (formKey(key, watched))
            return true;
        if (const RecordField *field = fieldOf(watched))
            if (pasteAsTyped(*field, key) || fieldKey(*field, key))
                return true;
        break;
    }
    case QEvent::FocusIn:
        if (const RecordField *field = fieldOf(watched)) {
            reformatAmount(*field, true);
            if (auto *edit = qobject_cast<QLineEdit *>(field->control)) {
                if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
                    QTimer::singleShot(0, edit, &QLineEdit::selectAll); // after the click places the cursor
                else
                    edit->selectAll();
            }
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A message box or an open drop-down takes the focus only for a while.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // Nor do a row being shown and a screen being closed.
        if (loading_ || closing_)
            break;
        if (const RecordField *field = fieldOf(watched)) {
            reformatAmount(*field, false);
            if (reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton)
                leaveAfterMouseUp(*field);
            else
                fieldLeft(*field);
        }
        break;
    }
    case QEvent::Resize:
        if (listMode_ && watched == (setup_.listArea ? setup_.listArea : this))
            placeListGrid();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillory
