// A W-2 run over a PrintFormats table that someone has edited badly: each bad row either stops
// the run before anything is printed, with a message naming the field, or prints the same way
// every time.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "print_w2/W2FormsRun.h"
#include "printing/RecordingPrinter.h"
#include "support/PrintRun.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <optional>

using namespace quillory;

namespace {

struct LayoutCase {
    const char *name;
    const char *sql;   // run on the shipped layout before printing
    const char *error; // a part of the message that stops the run; nothing: the run prints
};

const LayoutCase kLayouts[] = {
    {"NegativeX", "UPDATE PrintFormats SET xPos1 = -100 WHERE FormName = 'W2' AND fieldname = 'Box1'", "negative"},
    {"TextY", "UPDATE PrintFormats SET yPos1 = 'one inch' WHERE FormName = 'W2' AND fieldname = 'Box1'",
     "not a number"},
    {"HugeLength", "UPDATE PrintFormats SET fieldlength = 1000000000 WHERE FormName = 'W2' AND fieldname = 'Box1'",
     "too large"},
    {"QuotedName",
     "INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) "
     "VALUES ('W2', 0, 'Box1''\"; DROP TABLE W2;--%😀', 100, 100, 1440, 1)",
     nullptr},
    {"DuplicatedName",
     "INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) "
     "VALUES ('W2', 0, 'box1', 5000, 5000, 1440, 1)",
     nullptr},
};

class HostileLayout : public test::FreshDatabase, public ::testing::WithParamInterface<LayoutCase> {
protected:
    HostileLayout()
    {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setText("Boxd", "123-45-6789");
        rs.setText("Boxe_LName", "O'NEIL");
        rs.setMoney("Box1", Money::fromCents(123456));
        rs.update();
        rs.moveLast();
        id = rs.integer("id");
    }

    QStringList print()
    {
        RecordingPrinter printer;
        test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {id});
        QStringList placed;
        for (const auto &p : printer.placed())
            placed << QString("%1@%2,%3").arg(p.text).arg(p.x.value()).arg(p.y.value());
        return placed;
    }

    qlonglong id = 0;
};

TEST_P(HostileLayout, StopsWithTheFieldNamedOrPrintsTheSameEveryTime)
{
    const QStringList clean = print();
    ASSERT_TRUE(clean.filter("1234.56@").size() == 1);
    db.exec(QString::fromUtf8(GetParam().sql));

    if (const char *error = GetParam().error) {
        RecordingPrinter printer;
        try {
            test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {id});
            FAIL() << "the run must stop";
        } catch (const DbError &e) {
            const QString message = QString::fromUtf8(e.what());
            EXPECT_TRUE(message.contains(QLatin1String(error))) << e.what();
            EXPECT_TRUE(message.contains("'Box1'")) << e.what();
        }
        EXPECT_TRUE(printer.placed().isEmpty()) << "nothing printed before the layout is known good";
        EXPECT_EQ(printer.jobsEnded(), 0);
    } else {
        // The first row of a field wins, and names that are no column print nothing.
        EXPECT_EQ(print(), clean);
        EXPECT_EQ(print(), clean);
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM W2").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileLayout, ::testing::ValuesIn(kLayouts),
                         [](const auto &p) { return std::string(p.param.name); });

} // namespace
