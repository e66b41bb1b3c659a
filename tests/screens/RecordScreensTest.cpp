// What the filer, W-2, 1099-MISC and 1099-NEC screens share, run over each of them.
#include "filers/FilerInfo.h"
#include "misc1099/Misc1099Screen.h"
#include "misc1099/Nec1099Screen.h"
#include "support/RecordScreenFixture.h"
#include "w2/W2Screen.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QMap>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <utility>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;

namespace {

// What tells the screens apart: their table, a name field, their own messages and rules, and the
// fields whose entries are checked, each with an entry that passes.
template <typename Screen> struct Kind;
template <> struct Kind<FilerInfo> {
    static constexpr const char *table = "FilerInfo", *nameField = "Text1_1", *nameColumn = "PayerName";
    static constexpr const char *noRecords = "No Records";
    static constexpr bool addHoldsMoves = false;
    static constexpr const char *amountField = nullptr, *amountColumn = nullptr, *numberOnly = "Text1_0";
    static QMap<QString, QString> checkedFields()
    {
        return {{"Text1_0", "12-3456789"}, {"Text1_7", "MD"}, {"Text1_8", "VA"}};
    }
    static QMap<QString, int> amountLengths() { return {}; }
};
template <> struct Kind<W2> {
    static constexpr const char *table = "W2", *nameField = "Text1_2", *nameColumn = "Boxe_LName";
    static constexpr const char *noRecords = "No Records";
    static constexpr bool addHoldsMoves = true;
    static constexpr const char *amountField = "Text1_20", *amountColumn = "Box1", *numberOnly = "Text1_0";
    static QMap<QString, QString> checkedFields() { return {{"MaskedEdit1", "123456789"}, {"Text1_1", "ANN"}}; }
    // Boxes 1 to 11: 18 characters; box 12 amounts 10; state and local wages 12, their taxes 11.
    static QMap<QString, int> amountLengths()
    {
        return {{"Text1_20", 18}, {"Text1_30", 18}, {"Text1_10", 10}, {"Text1_12", 10},
                {"Text1_14", 10}, {"Text1_46", 10}, {"Text1_33", 12}, {"Text1_38", 12},
                {"Text1_34", 11}, {"Text1_39", 11}, {"Text1_35", 12}, {"Text1_36", 11}};
    }
};
template <> struct Kind<Misc1099> {
    static constexpr const char *table = "1099Misc", *nameField = "Text1_4", *nameColumn = "RecName1";
    static constexpr const char *noRecords = "No records.";
    static constexpr bool addHoldsMoves = true;
    static constexpr const char *amountField = "Text1_10", *amountColumn = "Box1", *numberOnly = "";
    static QMap<QString, QString> checkedFields() { return {}; }
    static QMap<QString, int> amountLengths()
    {
        return {{"Text1_10", 18}, {"Text1_29", 18}, {"Text1_30", 18}, {"Text1_33", 18}};
    }
};

// The 1099-NEC of 2026; its tipped occupation codes take three digits, and its box 4 (withholding)
// needs a return whatever the amount.
template <> struct Kind<Nec1099> {
    static constexpr const char *table = "1099Nec", *nameField = "Text1_4", *nameColumn = "RecName1";
    static constexpr const char *noRecords = "No records.";
    static constexpr bool addHoldsMoves = true;
    static constexpr const char *amountField = "txtBox_4", *amountColumn = "FedTaxWithheld", *numberOnly = "";
    static QMap<QString, QString> checkedFields() { return {{"txtBox_1c_1", "123"}, {"txtBox_1c_2", "000"}}; }
    static QMap<QString, int> amountLengths() { return {{"txtBox_1a", 18}, {"txtBox_7_2", 18}}; }
};

template <typename Screen> class RecordScreens : public RecordScreenFixture<Screen> {
protected:
    using K = Kind<Screen>;
    using Base = RecordScreenFixture<Screen>;

    void SetUp() override
    {
        Base::SetUp();
        if constexpr (std::is_same_v<Screen, Nec1099>)
            this->db().exec("UPDATE Settings SET Year = '2026'");
        if constexpr (!std::is_same_v<Screen, FilerInfo>)
            this->filer = {"12-3456789", this->addFiler("12-3456789", "ACME", "0001"), "941", "0001"};
    }

    // A row of the screen's table under the given name.
    void addRow(const QString &name)
    {
        static int n = 0;
        ++n;
        const QString number = QString("%1-%2").arg(10 + n % 89).arg(1000000 + n);
        if constexpr (std::is_same_v<Screen, FilerInfo>)
            this->addFiler(number, name);
        else if constexpr (std::is_same_v<Screen, W2>)
            this->db().exec("INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Tfid) VALUES (?, 'X', ?, ?)",
                            {QString("%1-11-1111").arg(100 + n % 800), name, this->filer.tfid});
        else
            this->db().exec(
                QString("INSERT INTO \"%1\" (FedIDNo, RecIDNo, RecName1, Tfid) VALUES (?, ?, ?, ?)").arg(K::table),
                {this->filer.fedIdNo, number, name, this->filer.tfid});
    }
    Screen &open(const QStringList &names)
    {
        for (const QString &name : names)
            addRow(name);
        return this->openScreen();
    }
    int rows() { return this->scalar(QString("SELECT count(*) FROM \"%1\"").arg(K::table)).toInt(); }
    bool stored(const QString &name)
    {
        const QString sql = QString("SELECT count(*) FROM \"%1\" WHERE %2 = ?").arg(K::table, K::nameColumn);
        return this->scalar(sql, {name}).toInt() == 1;
    }
    QLineEdit *field(const QString &objectName) { return this->screen->template findChild<QLineEdit *>(objectName); }
    QString shownName() { return field(K::nameField)->text(); }
    // The screen's one row, column by column.
    QVariantMap row()
    {
        QSqlQuery q = this->db().exec(QString("SELECT * FROM \"%1\"").arg(K::table));
        QVariantMap values;
        EXPECT_TRUE(q.next());
        for (int i = 0; i < q.record().count(); ++i)
            values.insert(q.record().fieldName(i), q.value(i));
        EXPECT_FALSE(q.next()) << "one row only";
        return values;
    }
    // Saves, answering whatever is asked with Ok; gives back the messages shown meanwhile.
    QStringList save()
    {
        const int before = this->dialogs.calls.size();
        this->dialogs.expectAllUsed = false;
        for (int i = 0; i < 3; ++i)
            this->dialogs.answer(Answer::Ok);
        edit(2)->click();
        QApplication::processEvents();
        const QStringList said = this->dialogs.texts().mid(before);
        for (const QString &text : said)
            EXPECT_FALSE(
                QRegularExpression("SQL|sqlite|constraint|syntax error", QRegularExpression::CaseInsensitiveOption)
                    .match(text)
                    .hasMatch())
                << text.toStdString();
        return said;
    }
    QPushButton *edit(int i) { return this->screen->cmdEdit[i]; }
    QPushButton *move(int i) { return this->screen->cmdMove[i]; }
};

using Screens = ::testing::Types<FilerInfo, W2, Misc1099, Nec1099>;
TYPED_TEST_SUITE(RecordScreens, Screens);

TYPED_TEST(RecordScreens, MovesStopAtTheEndsAndTypingInBrowseModeAsksOnLeaving)
{
    this->open({"A", "B", "C"});
    EXPECT_EQ(this->shownName(), "A");
    this->move(0)->click();
    EXPECT_EQ(this->shownName(), "A");
    for (int i = 0; i < 3; ++i)
        this->move(1)->click();
    EXPECT_EQ(this->shownName(), "C");

    this->type(this->field(TestFixture::K::nameField), "x");
    EXPECT_TRUE(this->editing()) << "typing in browse mode enters edit mode";
    this->dialogs.answer(Answer::No);
    this->move(0)->click();
    EXPECT_EQ(this->dialogs.texts(), QStringList{"Information has been changed, do you wish to save changes?"});
    EXPECT_EQ(this->shownName(), "B");
    EXPECT_TRUE(this->stored("C"));
    this->edit(3)->click();
    EXPECT_TRUE(this->browsing());

    this->type(this->field(TestFixture::K::nameField), "bee");
    this->dialogs.answer(Answer::Yes);
    this->move(1)->click();
    EXPECT_TRUE(this->stored("BEE"));
    EXPECT_EQ(this->shownName(), "C");
}

TYPED_TEST(RecordScreens, AnAddHoldsMovesWhereTheScreenSaysSoAndSaveShowsTheNewRowLast)
{
    this->open({"A", "B"});
    this->edit(0)->click();
    if (!TestFixture::K::addHoldsMoves) {
        this->dialogs.answer(Answer::No);
        this->move(1)->click();
        EXPECT_EQ(this->dialogs.texts().size(), 1) << "leaving a new row asks first";
        return;
    }
    this->move(1)->click();
    EXPECT_TRUE(this->screen->isAdding()) << "no move while an add is pending";
    this->dialogs.expectAllUsed = false;
    for (const auto &[name, entry] : TestFixture::K::checkedFields().toStdMap()) {
        this->dialogs.answer(Answer::Yes);
        this->type(this->field(name), entry);
    }
    this->type(this->field(TestFixture::K::nameField), "new");
    this->edit(2)->click();
    EXPECT_EQ(this->rows(), 3) << this->dialogs.texts().join('|').toStdString();
    EXPECT_TRUE(this->stored("NEW"));
    this->move(0)->click();
    EXPECT_EQ(this->shownName(), "B");
}

TYPED_TEST(RecordScreens, DeletingShowsTheNextAndTheLastClosesTheScreen)
{
    this->open({"A", "B", "C"});
    this->move(1)->click();
    this->dialogs.answer(Answer::Yes);
    this->edit(4)->click();
    EXPECT_EQ(this->dialogs.texts(), QStringList{"Are you sure?"});
    EXPECT_EQ(this->shownName(), "C");
    this->dialogs.answer(Answer::Yes);
    this->edit(4)->click();
    EXPECT_EQ(this->shownName(), "A") << "after the last, the one before it";
    EXPECT_EQ(this->rows(), 1);
    this->dialogs.answer(Answer::Yes).answer(Answer::Ok);
    this->edit(4)->click();
    EXPECT_EQ(this->dialogs.texts().last(), TestFixture::K::noRecords);
    EXPECT_EQ(this->rows(), 0);
    EXPECT_FALSE(this->screen->isVisible());
}

// A store the database refuses, given up with Abort, leaves the screen able to go on.
TYPED_TEST(RecordScreens, AFailedStoreGivenUpLeavesTheRecordDeletable)
{
    this->open({"A", "B"});
    this->db().exec(QString("CREATE TRIGGER refuse BEFORE UPDATE ON \"%1\" BEGIN SELECT RAISE(ABORT, 'disk I/O "
                            "error'); END")
                        .arg(TestFixture::K::table));
    this->type(this->field(TestFixture::K::nameField), "changed");
    this->dialogs.answer(Answer::Abort);
    this->edit(2)->click();
    ASSERT_EQ(this->dialogs.calls.size(), 1);
    EXPECT_EQ(this->dialogs.calls[0].buttons, Dialogs::Buttons::AbortRetryIgnore);
    EXPECT_TRUE(this->stored("A"));

    this->dialogs.answer(Answer::Yes);
    this->edit(4)->click();
    EXPECT_EQ(this->dialogs.texts().last(), "Are you sure?") << this->dialogs.texts().join('|').toStdString();
    EXPECT_EQ(this->rows(), 1);
    EXPECT_FALSE(this->stored("A"));
}

// Every field typed into with an entry of its own comes back into that field from the row.
TYPED_TEST(RecordScreens, EveryFieldStoresIntoAColumnOfItsOwn)
{
    auto &s = this->open({"A"});
    this->dialogs.expectAllUsed = false;
    const auto checked = TestFixture::K::checkedFields();
    QMap<QString, QString> shown;
    int n = 10;
    for (QLineEdit *f : s.template findChildren<QLineEdit *>()) {
        if (qobject_cast<QComboBox *>(f->parentWidget()) || !f->isEnabled() || f->isReadOnly())
            continue;
        this->dialogs.answer(Answer::Yes);
        this->type(f, checked.value(f->objectName(), QString::number(++n)));
        shown[f->objectName()] = QString();
    }
    this->leaveTo(this->field(TestFixture::K::nameField));
    for (auto it = shown.begin(); it != shown.end(); ++it)
        it.value() = this->field(it.key())->text();
    for (int i = 0; i < 3; ++i)
        this->dialogs.answer(Answer::Ok);
    this->edit(2)->click();
    ASSERT_TRUE(this->browsing()) << this->dialogs.texts().join('|').toStdString();
    ASSERT_GT(shown.size(), 10);

    this->openScreen();
    for (auto it = shown.begin(); it != shown.end(); ++it)
        EXPECT_EQ(this->field(it.key())->text(), it.value()) << it.key().toStdString();
}

// Quotes, a semicolon, a percent sign, accents and an emoji, with digits and a dash so that the
// number-only fields keep some of it; repeated to one character past the column size.
QStringList hostileKeys(int size)
{
    static const QStringList pieces = {
        "1", "'", QString::fromUtf8("é"), "\"", ";", "%", QString::fromUtf8("😀"), QString::fromUtf8("ü"), "-", "a"};
    QStringList keys;
    for (int i = 0, length = 0; length <= size; ++i) {
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

// Every text field typed one character past its column's size: what it shows is stored exactly,
// in that column alone, or refused with a message and nothing stored.
TYPED_TEST(RecordScreens, HostileTextIsStoredAsShownOrRefused)
{
    auto &first = this->open({"A"});
    first.cmdEdit[1]->click();
    this->save(); // writes the columns a screen adds to every row; after it, only the field moves
    QStringList names;
    for (QLineEdit *edit : first.template findChildren<QLineEdit *>())
        if (edit->maxLength() < 32767 && !qobject_cast<QComboBox *>(edit->parentWidget()))
            names << edit->objectName();
    int stored = 0;
    for (const QString &name : names) {
        this->openScreen();
        QLineEdit *edit = this->field(name);
        SCOPED_TRACE(name.toStdString());
        const QVariantMap before = this->row();
        const QString was = edit->text();
        if (!edit->isEnabled())
            continue;
        paste(edit, hostileKeys(edit->maxLength()).join(QString()));
        const QString pasted = edit->text();
        typeKeys(edit, hostileKeys(edit->maxLength()));
        const QString shown = edit->text();
        EXPECT_EQ(pasted, shown) << "pasted as if typed key by key";
        EXPECT_LE(shown.size(), edit->maxLength());
        EXPECT_TRUE(shown.isValidUtf16()) << "no half emoji";
        EXPECT_EQ(shown, shown.toUpper());
        if (name == TestFixture::K::numberOnly) {
            EXPECT_TRUE(QRegularExpression("^[-./0-9:;]*$").match(shown).hasMatch()) << shown.toStdString();
        }

        const QStringList messages = this->save();
        EXPECT_EQ(edit->text(), shown) << "the entry stays on the screen";
        const QVariantMap after = this->row();
        QStringList changed;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (before.value(it.key()) != it.value())
                changed << it.key();
        if (changed.isEmpty()) {
            EXPECT_TRUE(shown == was || !messages.isEmpty()) << "nothing stored and nothing said";
            continue;
        }
        ASSERT_EQ(changed.size(), 1) << changed.join(", ").toStdString();
        EXPECT_EQ(after.value(changed[0]).toString(), shown);
        EXPECT_EQ(edit->maxLength(), this->db().table(TestFixture::K::table).column(changed[0]).size);
        ++stored;
    }
    EXPECT_GT(stored, names.size() / 2) << "most fields store the hostile text";
}

// Amounts typed and pasted into the first amount box: pasted text follows the typing rules.
TYPED_TEST(RecordScreens, AmountsAreStoredExactlyOrRefusedWithAReason)
{
    if (!TestFixture::K::amountField)
        return;
    struct Case {
        const char *input;
        const char *typedShows;            // what the field holds after typing
        std::optional<qint64> storedUnits; // nothing: refused, saying so
        const char *refusal;
    };
    const Case cases[] = {
        {"922337203685478", "922337203685478", std::nullopt, "too large to store"},
        {"12abc", "12", 120000, nullptr},
        {"12345678901234567890", "123456789012345678", std::nullopt, "too large to store"}, // 18 at most
        {"1,234.56", "1234.56", 12345600, nullptr},
        {"$1,234.50", "1234.50", 12345000, nullptr},
        {"-5", "-5", 0, nullptr}, // shown empty, as 0 or less is, and stored as 0
    };
    this->addRow("A");
    for (const Case &c : cases) {
        for (const bool pasted : {false, true}) {
            SCOPED_TRACE(std::string(c.input) + (pasted ? " pasted" : " typed"));
            this->openScreen();
            QLineEdit *box = this->field(TestFixture::K::amountField);
            const QVariantMap before = this->row();
            if (pasted)
                paste(box, QString::fromUtf8(c.input));
            else
                typeKeys(box, QString::fromUtf8(c.input).split(QString(), Qt::SkipEmptyParts));
            EXPECT_EQ(box->text(), QString::fromUtf8(c.typedShows));
            const QString entered = box->text();
            const QStringList messages = this->save();
            if (!c.storedUnits) {
                ASSERT_EQ(messages.size(), 1);
                EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.refusal))) << messages[0].toStdString();
                EXPECT_TRUE(messages[0].contains(entered)) << "the message quotes the entry";
                EXPECT_EQ(box->text(), entered);
                EXPECT_EQ(this->row(), before);
                continue;
            }
            EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
            const qint64 expected = *c.storedUnits;
            EXPECT_EQ(this->row().value(TestFixture::K::amountColumn).toLongLong(), expected);
            this->screen->ShowRecord();
            EXPECT_EQ(box->text(), expected > 0 ? Money::fromUnits(expected).toCurrency(QLocale()) : QString());
        }
    }
}

// The longest entry of each kind of amount box, typed or pasted.
TYPED_TEST(RecordScreens, AmountsTakeNoMoreCharactersThanTheirBoxHolds)
{
    this->addRow("A");
    this->openScreen();
    const QString digits = QStringLiteral("1234567890").repeated(3);
    const auto lengths = TestFixture::K::amountLengths();
    for (auto it = lengths.begin(); it != lengths.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        QLineEdit *box = this->field(it.key());
        typeKeys(box, digits.split(QString(), Qt::SkipEmptyParts));
        EXPECT_EQ(box->text(), digits.left(it.value()));
        paste(box, digits);
        EXPECT_EQ(box->text(), digits.left(it.value()));
    }
}

} // namespace

// Every grid of the screen, on the forms of 2001, 2025 and 2026: a box or field placed over
// another hides it.
TYPED_TEST(RecordScreens, NoTwoBoxesOfTheFormShareACell)
{
    this->dialogs.expectAllUsed = false;
    for (const QString year : {"2001", "2025", "2026"}) {
        if (std::is_same_v<TypeParam, Nec1099> && year == "2001")
            continue; // no 1099-NEC screen before 2025
        this->db().exec("UPDATE Settings SET Year = ?", {year});
        this->dialogs.answer(Answer::Ok).answer(Answer::Ok);
        auto &s = this->openScreen();
        for (QGridLayout *grid : s.template findChildren<QGridLayout *>()) {
            QMap<QPair<int, int>, bool> taken;
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                for (int r = row; r < row + rows; ++r)
                    for (int c = column; c < column + columns; ++c)
                        EXPECT_FALSE(std::exchange(taken[{r, c}], true)) << year.toStdString() << ": " << r << "," << c;
            }
        }
    }
}
