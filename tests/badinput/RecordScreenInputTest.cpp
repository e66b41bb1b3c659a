// Hostile typing and pasting into the three record screens: whatever goes in is either stored
// exactly as the field shows it, or refused with a message and nothing stored. And File > Exit
// (sent by a screen reader) or a session's logout while a screen waits for the answer to one of
// its boxes: the main window stays open until the box is answered.
#include "data/Money.h"
#include "filers/EmployerList.h"
#include "filers/FilerInfo.h"
#include "misc1099/Misc1099Screen.h"
#include "print_1099/PrtSel1099.h"
#include "print_w2/PrtSelW2.h"
#include "shell/AppContext.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"
#include "w2/W2Screen.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

struct NoHelp : HelpViewer {
    void showTopic(const QString &, int) override {}
};

enum class Kind { Filer, W2, Misc };

struct ScreenCase {
    Kind kind;
    const char *name;
    const char *table;
    const char *key; // the table's own row number
};

const ScreenCase kScreens[] = {
    {Kind::Filer, "Filer", "FilerInfo", "Tfid"},
    {Kind::W2, "W2", "W2", "id"},
    {Kind::Misc, "Misc1099", "1099Misc", "Counter"},
};

// Quotes, a semicolon, a percent sign, accents and an emoji, with digits and a dash so that
// the number-only fields keep some of it; repeated to one character past the column size.
QStringList hostileKeys(int size)
{
    static const QStringList pieces = {
        "1", "'", QString::fromUtf8("é"), "\"", ";", "%", QString::fromUtf8("😀"), QString::fromUtf8("ü"), "-", "a"};
    QStringList keys;
    int length = 0;
    for (int i = 0; length <= size; ++i) {
        keys << pieces[i % pieces.size()];
        length += keys.last().size();
    }
    return keys;
}

// Each key as one key press, an emoji included, the way a keyboard or input method sends it.
void typeKeys(QWidget *field, const QStringList &keys)
{
    field->setFocus(Qt::TabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    QApplication::processEvents();
    for (const QString &key : keys)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, key, Qt::NoModifier);
}

// Ctrl+V with the text on the clipboard, over the field's whole text.
void paste(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QApplication::processEvents();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

bool sqlLeak(const QString &text)
{
    for (const char *word : {"SQL", "sqlite", "constraint", "QSql", "syntax error"})
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

class BadInput : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override
    {
        state.gAppTitle = "Quillory";
        state.programFolder = folder.folder();
        state.gDatabase.open(folder.databasePath());
        db().exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, State1, State1ID) "
                  "VALUES ('12-3456789', '0001', '941', 'ACME', '1 MAIN ST', 'SPRINGFIELD', 'IL', 'IL-1')");
        state.gTfid = db().scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
        state.gFedIDNo = "12-3456789";
        state.gEstNo = "0001";
        state.gFilerType = "941";
        // A W-2 whose taxes match its wages, so that the year's checks have nothing to say.
        db().exec("INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Box3, Box4, Box5, Box6, Tfid) "
                  "VALUES ('123-45-6789', 'ANN', 'LEE', 10000000, 620000, 10000000, 145000, ?)",
                  {state.gTfid});
        db().exec("INSERT INTO \"1099Misc\" (FedIDNo, RecIDNo, RecName1, Tfid) VALUES ('12-3456789', "
                  "'987-65-4321', 'BOB', ?)",
                  {state.gTfid});
        dialogs.expectAllUsed = false;
    }
    void TearDown() override
    {
        delete screen.data();
        QApplication::processEvents();
    }

    Database &db() { return state.gDatabase; }
    const ScreenCase &which() const { return GetParam(); }

    RecordScreen &open()
    {
        delete screen.data();
        switch (which().kind) {
        case Kind::Filer:
            screen = new FilerInfo(ctx);
            break;
        case Kind::W2:
            screen = new W2(ctx);
            break;
        case Kind::Misc:
            screen = new Misc1099(ctx);
            break;
        }
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
        screen->load();
        QApplication::processEvents();
        return *screen;
    }

    QVariantMap row()
    {
        QSqlQuery q = db().exec(QString("SELECT * FROM \"%1\"").arg(which().table));
        QVariantMap values;
        EXPECT_TRUE(q.next());
        for (int i = 0; i < q.record().count(); ++i)
            values.insert(q.record().fieldName(i), q.value(i));
        EXPECT_FALSE(q.next()) << "one row only";
        return values;
    }
    int rowCount() { return db().scalar(QString("SELECT count(*) FROM \"%1\"").arg(which().table)).toInt(); }

    // The line edits bound to text columns: those given a maximum length.
    QVector<QLineEdit *> textFields(RecordScreen &s)
    {
        QVector<QLineEdit *> fields;
        for (QLineEdit *edit : s.findChildren<QLineEdit *>())
            if (edit->maxLength() < 32767 && !qobject_cast<QComboBox *>(edit->parentWidget()))
                fields.append(edit);
        return fields;
    }

    static bool numberOnly(RecordScreen &s, QLineEdit *edit)
    {
        if (auto *f = qobject_cast<FilerInfo *>(&s))
            return edit == f->Text1[0];
        if (auto *w = qobject_cast<W2 *>(&s))
            return edit == w->Text1[0];
        return false;
    }

    // Saves, answering whatever is asked with Ok; gives back the messages shown meanwhile.
    QVector<test::FakeDialogs::Call> save(RecordScreen &s)
    {
        const int before = dialogs.calls.size();
        for (int i = 0; i < 3; ++i)
            dialogs.answer(Answer::Ok);
        s.cmdEdit[2]->click();
        QApplication::processEvents();
        return dialogs.calls.mid(before);
    }

    static std::string dump(const QVariantMap &row)
    {
        QStringList parts;
        for (auto it = row.begin(); it != row.end(); ++it)
            parts << it.key() + "=" + it.value().toString();
        return parts.join(" | ").toStdString();
    }

    // Nothing stored, and every message said something a user can act on.
    void expectRefusedCleanly(const QVector<test::FakeDialogs::Call> &messages, const QVariantMap &before)
    {
        EXPECT_EQ(dump(row()), dump(before)) << "a refused save must store nothing";
        EXPECT_EQ(rowCount(), 1);
        expectClear(messages);
    }
    static void expectClear(const QVector<test::FakeDialogs::Call> &messages)
    {
        for (const auto &m : messages) {
            EXPECT_FALSE(m.text.trimmed().isEmpty());
            EXPECT_FALSE(sqlLeak(m.text)) << m.text.toStdString();
        }
    }

    test::TestFolder folder;
    AppState state;
    test::FakeDialogs dialogs;
    NoHelp help;
    AppContext ctx{state, dialogs, help, [](const QString &) {}};
    QPointer<RecordScreen> screen;
};

// Every text field, typed one character past its column's size.
TEST_P(BadInput, EveryTextFieldKeepsItsSizeAndStoresWhatItShows)
{
    // A first save writes the columns a screen adds to every row; after it, only the field moves.
    RecordScreen &first = open();
    first.cmdEdit[1]->click();
    save(first);
    const int fieldCount = textFields(first).size();
    ASSERT_GT(fieldCount, 0);
    int stored = 0;
    for (int i = 0; i < fieldCount; ++i) {
        RecordScreen &s = open();
        QLineEdit *edit = textFields(s).at(i);
        SCOPED_TRACE(edit->objectName().toStdString() + " " + edit->accessibleName().toStdString());
        const QVariantMap before = row();
        const QString was = edit->text();
        if (!edit->isEnabled())
            continue;

        paste(edit, hostileKeys(edit->maxLength()).join(QString()));
        const QString pasted = edit->text();
        typeKeys(edit, hostileKeys(edit->maxLength()));
        const QString shown = edit->text();
        EXPECT_EQ(pasted.toStdString(), shown.toStdString()) << "pasted as if typed key by key";
        EXPECT_LE(shown.size(), edit->maxLength());
        EXPECT_TRUE(shown.isValidUtf16()) << "no half emoji";
        // Every typed field is upper-case; the number-only ones keep the keys a number has.
        EXPECT_EQ(shown, shown.toUpper());
        if (numberOnly(s, edit)) {
            EXPECT_TRUE(QRegularExpression("^[-./0-9:;]*$").match(shown).hasMatch()) << shown.toStdString();
        }

        const auto messages = save(s);
        EXPECT_EQ(edit->text().toStdString(), shown.toStdString()) << "the entry stays on the screen";
        expectClear(messages);
        const QVariantMap after = row();
        QStringList changed;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (before.value(it.key()) != it.value())
                changed << it.key();
        if (changed.isEmpty()) {
            // Refused, or a field that takes no keys: either way it must be visible.
            EXPECT_TRUE(shown == was || !messages.isEmpty()) << "nothing stored and nothing said";
            continue;
        }
        ASSERT_EQ(changed.size(), 1) << changed.join(", ").toStdString();
        EXPECT_EQ(after.value(changed[0]).toString().toStdString(), shown.toStdString());
        const ColumnInfo *column = db().table(which().table).find(changed[0]);
        ASSERT_TRUE(column);
        EXPECT_EQ(edit->maxLength(), column->size);
        ++stored;
    }
    EXPECT_GT(stored, fieldCount / 2) << "most fields store the hostile text";
}

INSTANTIATE_TEST_SUITE_P(Screens, BadInput, ::testing::ValuesIn(kScreens),
                         [](const auto &p) { return std::string(p.param.name); });

// Amounts typed and pasted into the first amount box: pasted text follows the typing rules.
struct AmountCase {
    const char *input;
    const char *typedShows;            // what the field holds after typing
    std::optional<qint64> storedUnits; // nothing: refused with the message part below
    const char *refusal;
};

const AmountCase kAmounts[] = {
    {"922337203685478", "922337203685478", std::nullopt, "too large to store"},
    {"12abc", "12", 120000, nullptr},
    {"12345678901234567890", "123456789012345678", std::nullopt, "too large to store"}, // 18 at most
    {"1,234.56", "1234.56", 12345600, nullptr},
    {"$1,234.50", "1234.50", 12345000, nullptr},
    {"-5", "-5", 0, nullptr}, // shown empty, as 0 or less is, and stored as 0
};

class BadAmounts : public BadInput {
protected:
    QLineEdit *amountBox(RecordScreen &s)
    {
        if (auto *w = qobject_cast<W2 *>(&s))
            return w->Text1[20];
        return static_cast<Misc1099 &>(s).Text1[10];
    }
};

TEST_P(BadAmounts, AreStoredExactlyOrRefusedWithAReason)
{
    for (const AmountCase &c : kAmounts) {
        for (const bool pasted : {false, true}) {
            SCOPED_TRACE(std::string(c.input) + (pasted ? " pasted" : " typed"));
            RecordScreen &s = open();
            QLineEdit *box = amountBox(s);
            const QVariantMap before = row();
            if (pasted)
                paste(box, QString::fromUtf8(c.input));
            else
                typeKeys(box, QString::fromUtf8(c.input).split(QString(), Qt::SkipEmptyParts));
            EXPECT_EQ(box->text(), QString::fromUtf8(c.typedShows));
            const QString entered = box->text();
            const auto messages = save(s);
            if (!c.storedUnits) {
                ASSERT_EQ(messages.size(), 1);
                EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.refusal))) << messages[0].text.toStdString();
                EXPECT_TRUE(messages[0].text.contains(entered)) << "the message quotes the entry";
                EXPECT_EQ(box->text(), entered);
                expectRefusedCleanly(messages, before);
                continue;
            }
            EXPECT_TRUE(messages.isEmpty()) << (messages.isEmpty() ? "" : messages[0].text.toStdString());
            const qint64 expected = *c.storedUnits;
            EXPECT_EQ(row().value("Box1").toLongLong(), expected);
            // Shown again, the stored amount reads as the screen's currency form (empty for 0).
            s.ShowRecord();
            EXPECT_EQ(box->text(), expected > 0 ? Money::fromUnits(expected).toCurrency(QLocale()) : QString());
        }
    }
}

// The longest entry of each kind of amount box, typed or pasted: boxes 1 to 11 and the
// 1099-MISC amounts 18 characters, box 12 amounts 10, state and local wages 12, their taxes 11.
TEST_P(BadAmounts, TakeNoMoreCharactersThanTheirBoxHolds)
{
    using Lengths = QVector<QPair<int, int>>; // Text1 index, length
    auto *w = qobject_cast<W2 *>(&open());
    QLineEdit *const *fields = w ? w->Text1 : static_cast<Misc1099 *>(screen.data())->Text1;
    const Lengths lengths =
        w ? Lengths{{20, 18}, {30, 18}, {10, 10}, {46, 10}, {33, 12}, {38, 12}, {34, 11}, {39, 11}, {35, 12}, {36, 11}}
          : Lengths{{10, 18}, {29, 18}, {30, 18}, {33, 18}};
    const QString digits = QStringLiteral("1234567890").repeated(3);
    for (const auto &[index, length] : lengths) {
        SCOPED_TRACE(index);
        typeKeys(fields[index], digits.split(QString(), Qt::SkipEmptyParts));
        EXPECT_EQ(fields[index]->text(), digits.left(length));
        paste(fields[index], digits);
        EXPECT_EQ(fields[index]->text(), digits.left(length));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, BadAmounts, ::testing::Values(kScreens[1], kScreens[2]),
                         [](const auto &p) { return std::string(p.param.name); });

struct CloseCase {
    const char *name;
    ScreenId screen;
    const char *before; // SQL that makes the screen ask something
};

// The entry screens open on their first-record message; the print screens are asked to print
// with an alignment that is no number (or that reads as 0: the printer dialog then asks).
const CloseCase kCases[] = {
    {"FilerInfo", ScreenId::FilerInfo, "DELETE FROM FilerInfo"},
    {"W2", ScreenId::W2, "DELETE FROM W2"},
    {"Misc1099", ScreenId::Misc1099, "DELETE FROM \"1099Misc\""},
    {"PrtSelW2", ScreenId::PrtSelW2, nullptr},
    {"PrtSel1099", ScreenId::PrtSel1099, nullptr},
};

class CloseUnderABox : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseUnderABox, WaitsForTheAnswer)
{
    test::TestFolder folder;
    AppState state;
    state.programFolder = folder.folder();
    state.gDatabase.open(folder.databasePath());
    state.gDatabase.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('12-3456789', 'ACME')"));
    state.gTfid = state.gDatabase.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    state.gFedIDNo = QStringLiteral("12-3456789");
    if (GetParam().before)
        state.gDatabase.exec(QString::fromLatin1(GetParam().before));
    QtDialogs dialogs;
    NoHelp help;
    AppContext ctx{state, dialogs, help};
    MDIForm1 window(ctx);
    dialogs.setParent(&window);
    window.setScreenOpeners({&FilerInfo::open,
                             &W2::open,
                             &Misc1099::open,
                             &frmEmployerList::open,
                             &PrtSelW2::open,
                             &PrtSel1099::open,
                             {},
                             {}});
    window.show();

    int boxes = 0;
    bool stayedOpen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!modal)
            return;
        if (boxes++ == 0) {
            window.mnuFile_Exit_Click();
            stayedOpen = window.isVisible() && window.mdiArea()->subWindowList().size() == 1;
        }
        modal->done(0); // as Escape: the least harmful answer
    });
    poll.start(10);
    window.openScreen(GetParam().screen);
    if (auto *print = window.findChild<PrintScreen *>()) {
        print->Text1[0]->setText(QStringLiteral("x"));
        print->cmdPrint[0]->click();
    }
    EXPECT_GE(boxes, 1);
    EXPECT_TRUE(stayedOpen);
    window.mnuFile_Exit_Click();
    EXPECT_FALSE(window.isVisible()) << "answered, the box no longer holds the window open";
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseUnderABox, ::testing::ValuesIn(kCases),
                         [](const auto &p) { return std::string(p.param.name); });

} // namespace
