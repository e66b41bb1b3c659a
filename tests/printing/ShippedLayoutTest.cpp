#include "data/Database.h"
#include "printing/FormLayout.h"
#include "support/TestDatabase.h"

#include <QRect>
#include <QSet>
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
    {"W2", "W2", {"W2-L", "W2-C", "W2-M"}, true, {"id", "Box13d", "Tfid", "EstNo", "FilerType", "SickPay"}},
    {"W3", "W3", {"W3"}, false, {"Boxi", "Boxj", "Year", "box15"}},
    {"1099-MISC", "1099Misc", {"1099-L", "1099-C", "1099-M"}, true, {"Counter", "Tfid", "EstNo", "FilerType"}},
    {"1096", "1096", {"1096"}, false, {"Year", "FinalReturn"}},
};

constexpr int kLineHeight = 240;
constexpr int kPageHeight = 11 * 1440;
// Cut sheets and mailers are Letter paper; continuous stock adds two 0.5 in pin-feed strips.
int pageWidth(const QString &kind)
{
    return kind.endsWith("-C") ? 9.5 * 1440 : 8.5 * 1440;
}

QRect boxOf(const LayoutField &f, int top = 0, int left = 0)
{
    return QRect(f.xPos1 + left, f.yPos1 + top, f.fieldLength, kLineHeight);
}

class ShippedLayouts : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }
    test::TestFolder folder;
    Database db;
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
            if (column->kind == ColumnKind::Flag || f.fieldLength < 432) { // marks: one character
                EXPECT_GE(f.fieldLength, 144) << f.fieldName.toStdString();
            }
        }
        for (const ColumnInfo &c : table.columns()) {
            const bool printed = seen.contains(c.name.toLower());
            EXPECT_NE(printed, form.unprinted.contains(c.name)) << c.name.toStdString();
        }
    }
}

TEST_F(ShippedLayouts, EveryFieldOfEveryFormLiesOnThePageOfEachPaperKind)
{
    for (const Form &form : forms) {
        const FieldLayout layout = OpenFieldLayout(db, form.layout, 0);
        for (const QString &kind : form.kinds) {
            SCOPED_TRACE(kind.toStdString());
            const FormOrigin origin = GetFormOrigin(db, kind);
            const QRect page(0, 0, pageWidth(kind), kPageHeight);
            for (int slot = 0; slot < (form.twoUp ? 2 : 1); ++slot) {
                for (const LayoutField &f : layout.fields()) {
                    const QRect box = boxOf(f, origin.top + slot * kLowerFormOffset, origin.left);
                    EXPECT_TRUE(page.contains(box)) << f.fieldName.toStdString() << " slot " << slot;
                }
            }
        }
    }
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
                EXPECT_LE(boxOf(fields[i]).bottom(), kLowerFormOffset) << fields[i].fieldName.toStdString();
            }
        }
    }
}
