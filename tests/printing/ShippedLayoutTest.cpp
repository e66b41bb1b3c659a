#include "data/Database.h"
#include "data/RecordSet.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Print1096.h"
#include "print_w2/W2FormsRun.h"
#include "print_w2/W3Print.h"
#include "printing/FormLayout.h"
#include "printing/RecordingPrinter.h"
#include "support/PrintRun.h"
#include "support/TestDatabase.h"

#include <QRect>
#include <QSet>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace quillory;

namespace {

// The shipped layouts, the tables whose rows they print and the paper kinds that use them.
struct Form {
    const char *layout;
    const char *table;
    QStringList kinds;
    bool twoUp;
    QStringList unprinted; // internal columns and those with no place on the form
};

const Form forms[] = {
    // Box 14b is on the W-2 from 2026 on, not on the form of this layout.
    {"W2",
     "W2",
     {"W2-L", "W2-C", "W2-M"},
     true,
     {"id", "Box13d", "Tfid", "EstNo", "FilerType", "SickPay", "Box14b_L1", "Box14b_L2"}},
    {"W3", "W3", {"W3"}, false, {"Boxi", "Boxj", "Year", "box15"}},
    {"1099-MISC",
     "1099Misc",
     {"1099-L", "1099-C", "1099-M"},
     true,
     {"Counter", "Tfid", "EstNo", "FilerType",
      // boxes of the forms from 2025, which the layout of the older form has no place for
      "FishPurchased", "Deferrals409A", "NqDeferredComp", "Fatca", "CashTips", "TipCode1", "TipCode2", "Overtime",
      // the name parts that files for IRIS take; the form prints the name lines
      "RecTinType", "RecNameType", "RecFirstName", "RecMiddleName", "RecLastName", "RecSuffix"}},
    {"1096", "1096", {"1096"}, false, {"Year", "FinalReturn", "FormType"}},
};

constexpr int kLineHeight = 240;

QRect boxOf(const LayoutField &f, int top = 0, int left = 0)
{
    return QRect(f.xPos1.value() + left, f.yPos1.value() + top, f.fieldLength.value(), kLineHeight);
}

class ShippedLayouts : public test::FreshDatabase {
protected:
};

} // namespace

TEST_F(ShippedLayouts, EveryPrintableColumnHasOneRowAndEveryRowNamesAColumn)
{
    for (const Form &form : forms) {
        SCOPED_TRACE(form.layout);
        const FieldLayout layout = OpenFieldLayout(db, form.layout, 0);
        EXPECT_EQ(OpenFieldLayout(db, form.layout, std::nullopt).fields().size(), layout.fields().size());
        const TableInfo &table = db.table(form.table);
        QSet<QString> seen;
        for (const LayoutField &f : layout.fields()) {
            const ColumnInfo *column = table.find(f.fieldName);
            ASSERT_NE(column, nullptr) << f.fieldName.toStdString();
            EXPECT_EQ(column->name, f.fieldName) << "spelled as in the table";
            EXPECT_FALSE(seen.contains(f.fieldName.toLower())) << f.fieldName.toStdString();
            seen.insert(f.fieldName.toLower());
            EXPECT_EQ(f.justify > 0, column->kind == ColumnKind::Money) << f.fieldName.toStdString();
            if (column->kind == ColumnKind::Flag || f.fieldLength < Twips(432)) { // marks: one character
                EXPECT_GE(f.fieldLength, Twips(144)) << f.fieldName.toStdString();
            }
        }
        for (const ColumnInfo &c : table.columns()) {
            const bool printed = seen.contains(c.name.toLower());
            EXPECT_NE(printed, form.unprinted.contains(c.name)) << c.name.toStdString();
        }
    }
}

TEST_F(ShippedLayouts, EveryValueOfFullFormsLiesOnTheJobPageOfEachPaperKind)
{
    const QString number = "12-3456789";
    for (const Form &form : forms) {
        // Three rows (two sheets of a two-up form), every column as long or as large as it goes.
        QVector<qlonglong> keys;
        for (int n = 0; n < 3; ++n) {
            RecordSet rs = RecordSet::table(db, form.table);
            rs.addNew();
            for (const ColumnInfo &c : db.table(form.table).columns()) {
                if (c.kind == ColumnKind::Text)
                    rs.setText(c.name, QString(c.size > 0 ? c.size : 40, 'W'));
                else if (c.kind == ColumnKind::Money)
                    rs.setMoney(c.name, Money::fromCents(999999999));
                else if (c.kind == ColumnKind::Flag)
                    rs.setFlag(c.name, true);
                else if (c.kind != ColumnKind::Counter)
                    rs.setValue(c.name, 99999);
            }
            for (const char *key : {"Boxb", "Boxe", "Box1", "FedIDNo"}) {
                const ColumnInfo *c = db.table(form.table).find(key);
                if (c && c->kind == ColumnKind::Text)
                    rs.setText(key, number);
            }
            rs.update();
        }
        for (QSqlQuery q = db.exec(QStringLiteral("SELECT rowid FROM \"%1\"").arg(form.table)); q.next();)
            keys << q.value(0).toLongLong();
        for (const QString &kind : form.kinds) {
            SCOPED_TRACE(kind.toStdString());
            RecordingPrinter printer;
            if (form.table == QLatin1String("W2"))
                test::PrintTwoUp(db, printer, kind, W2TwoUpForm(), keys);
            else if (form.table == QLatin1String("1099Misc"))
                test::PrintTwoUp(db, printer, kind, Misc1099TwoUpForm(), keys);
            else if (form.table == QLatin1String("W3"))
                PrintW3Form(db, printer, number);
            else
                Print1096Form(db, printer, number);
            ASSERT_EQ(printer.jobsEnded(), form.twoUp ? 2 : 1);
            QSet<QString> names;
            for (int job = 1; job <= printer.jobsEnded(); ++job) {
                EXPECT_EQ(printer.jobSetup(job).paper, FormPaper(kind));
                EXPECT_TRUE(printer.jobSetup(job).name.contains(number)) << printer.jobSetup(job).name.toStdString();
                names.insert(printer.jobSetup(job).name);
            }
            EXPECT_EQ(names.size(), printer.jobsEnded()) << "each sheet has a name of its own";
            for (const auto &p : printer.placed()) {
                const TwipsSize paper = printer.jobPage(p.job);
                const QRect page(0, 0, paper.width.value(), paper.height.value());
                EXPECT_TRUE(page.contains(
                    QRect(p.x.value(), p.y.value(), printer.textWidth(p.text).value(), printer.textHeight().value())))
                    << p.text.toStdString() << " at " << p.x << ", " << p.y;
            }
        }
    }
    // The wide page is the continuous kinds' only.
    EXPECT_EQ(FormPaperTwips(FormPaper("W2-C")), (TwipsSize{Twips(13680), Twips(15840)}));
    EXPECT_EQ(FormPaperTwips(FormPaper("1099-M")), (TwipsSize{Twips(12240), Twips(15840)}));
}

TEST_F(ShippedLayouts, NoTwoFieldBoxesOfAFormOverlap)
{
    for (const Form &form : forms) {
        SCOPED_TRACE(form.layout);
        const QVector<LayoutField> fields = OpenFieldLayout(db, form.layout, 0).fields();
        for (int i = 0; i < fields.size(); ++i) {
            for (int j = i + 1; j < fields.size(); ++j) {
                EXPECT_FALSE(boxOf(fields[i]).intersects(boxOf(fields[j])))
                    << fields[i].fieldName.toStdString() << " and " << fields[j].fieldName.toStdString();
            }
            if (form.twoUp) { // the upper form stays clear of the lower one
                EXPECT_LE(boxOf(fields[i]).bottom(), kLowerFormOffset.value()) << fields[i].fieldName.toStdString();
            }
        }
    }
}
