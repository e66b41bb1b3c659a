#include "data/DbError.h"
#include "data/RecordSet.h"
#include "print_w2/W2FormsRun.h"
#include "print_w2/W3Print.h"
#include "print_w2/W3Summary.h"
#include "printing/FormEdition.h"
#include "printing/RecordingPrinter.h"
#include "printing/TestSheet.h"
#include "support/OfficialBoxes.h"
#include "support/PrintRun.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

using test::Official;
using test::rect;

// The 2026 Form W-2, Copy A page of fw2.pdf ("Created 1/7/26").
const Official kW2[] = {
    {"Boxd", "123-45-6789", rect(3064, 960, 5576, 1200)}, // a Employee's social security number
    {"Boxb", "12-3456789", rect(760, 1440, 6604, 1680)},  // b Employer identification number (EIN)
    {"Boxc_L1", "ACME TOOL AND DIE MANUFACTURING COMPANY", rect(760, 1920, 6604, 3120)}, // c name, address, ZIP
    {"Boxc_L2", "DIVISION OF NORTHEASTERN PRECISION PART", rect(760, 1920, 6604, 3120)},
    {"Boxc_L3", "1234 INDUSTRIAL PARKWAY SOUTH SUITE 500", rect(760, 1920, 6604, 3120)},
    {"Boxc_L4", "SPRINGFIELD IL 62704-1234", rect(760, 1920, 6604, 3120)},
    {"Boxa", "0000012345", rect(760, 3360, 6604, 3600)},                                // d Control number
    {"Boxe_FName", "ALEXANDRA Q", rect(760, 3840, 3436, 4080)},                         // e first name and initial
    {"Boxe_LName", "WASHINGTON-SMYTH", rect(3476, 3840, 6172, 4080)},                   // Last name
    {"Boxf_L1", "APARTMENT 12B ROSEWOOD GARDENS COMPLEX", rect(760, 4120, 6604, 5520)}, // f address and ZIP
    {"Boxf_L2", "9876 NORTH EVERGREEN TERRACE", rect(760, 4120, 6604, 5520)},
    {"Boxf_L3", "SPRINGFIELD IL 62704", rect(760, 4120, 6604, 5520)},
    {"Box1", "1000000.01", rect(6664, 1440, 9032, 1680)},
    {"Box2", "1000000.02", rect(9112, 1440, 11480, 1680)},
    {"Box3", "1000000.03", rect(6644, 1920, 9052, 2160)},
    {"Box4", "1000000.04", rect(9092, 1920, 11480, 2160)},
    {"Box5", "1000000.05", rect(6644, 2400, 9052, 2640)},
    {"Box6", "1000000.06", rect(9092, 2400, 11480, 2640)},
    {"Box7", "1000000.07", rect(6644, 2880, 9052, 3120)},
    {"Box8", "1000000.08", rect(9092, 2880, 11480, 3120)},
    {"Box10", "1000000.10", rect(9092, 3360, 11480, 3600)},
    {"Box11", "1000000.11", rect(6644, 3600, 9052, 3840)},
    {"Box12a_Code", "DD", rect(9256, 3840, 9772, 4080)}, // 12a code and amount
    {"Box12a_Amt", "1000000.12", rect(9812, 3840, 11480, 4080)},
    {"Box12b_Code", "E", rect(9256, 4320, 9772, 4560)},
    {"Box12b_Amt", "1000000.13", rect(9812, 4320, 11480, 4560)},
    {"Box12c_Code", "AA", rect(9256, 4800, 9772, 5040)},
    {"Box12c_Amt", "1000000.14", rect(9812, 4800, 11480, 5040)},
    {"Box12d_Code", "TP", rect(9256, 5280, 9772, 5520)},
    {"Box12d_Amt", "1000000.15", rect(9812, 5280, 11480, 5520)},
    {"Box13a", "x", rect(6972, 4086, 7172, 4286), true},            // 13 Statutory employee
    {"Box13b", "x", rect(7692, 4086, 7892, 4286), true},            // Retirement plan
    {"Box13c", "x", rect(8412, 4080, 8612, 4280), true},            // Third-party sick pay
    {"Box14_L1", "UNION DUES 12.34", rect(6644, 4560, 9052, 5280)}, // 14a Other
    {"Box14_L2", "SDI 123.45", rect(6644, 4560, 9052, 5280)},
    {"Box14_L3", "NJ FLI 45.67", rect(6644, 4560, 9052, 5280)},
    {"Box14b_L1", "101", rect(6644, 5520, 7828, 5760)}, // 14b Treasury Tipped Occupation Code(s)
    {"Box14b_L2", "000", rect(7868, 5520, 9052, 5760)},
    {"Box15a_L1", "NY", rect(760, 6000, 1276, 6240)}, // 15 State, line 1 and 2
    {"Box15a_L2", "NJ", rect(760, 6480, 1276, 6720)},
    {"Box15b_L1", "12-3456789-012", rect(1316, 6000, 3868, 6240)}, // Employer's state ID number
    {"Box15b_L2", "98-7654321-000", rect(1316, 6480, 3868, 6720)},
    {"Box16_L1", "1000000.16", rect(3908, 6000, 5596, 6240)}, // 16 State wages, tips, etc.
    {"Box16_L2", "1000000.17", rect(3908, 6480, 5596, 6720)},
    {"Box17_L1", "1000000.18", rect(5636, 6000, 7180, 6240)}, // 17 State income tax
    {"Box17_L2", "1000000.19", rect(5636, 6480, 7180, 6720)},
    {"Box18_L1", "1000000.20", rect(7220, 6000, 8908, 6240)}, // 18 Local wages, tips, etc.
    {"Box18_L2", "1000000.21", rect(7220, 6480, 8908, 6720)},
    {"Box19_L1", "1000000.22", rect(8948, 6000, 10492, 6240)}, // 19 Local income tax
    {"Box19_L2", "1000000.23", rect(8948, 6480, 10492, 6720)},
    {"Box20_L1", "NYC", rect(10532, 6000, 11480, 6240)}, // 20 Locality name
    {"Box20_L2", "PHILA", rect(10532, 6480, 11480, 6720)},
};

// The 2026 Form W-3, form page of fw3.pdf ("Created 1/7/26").
const Official kW3[] = {
    {"Boxa", "0000054321", rect(1969, 960, 4305, 1200)},                       // a Control number
    {"Boxb_941", "X", rect(2448, 1440, 2648, 1640), true},                     // b Kind of Payer: 941
    {"Boxb_M", "X", rect(3168, 1440, 3368, 1640), true},                       // Military
    {"Boxb_943", "X", rect(3888, 1440, 4088, 1640), true},                     // 943
    {"Boxb_CT-1", "X", rect(2448, 1920, 2648, 2120), true},                    // CT-1
    {"Boxb_HHE", "X", rect(3168, 1920, 3368, 2120), true},                     // Hshld. emp.
    {"Boxb_MG", "X", rect(3888, 1920, 4088, 2120), true},                      // Medicare govt. emp.
    {"Boxb_3PSP", "X", rect(10800, 1920, 11000, 2120), true},                  // Third-party sick pay
    {"Boxc", "2", rect(740, 2400, 3004, 2640)},                                // c Total number of Forms W-2
    {"Boxd", "0001", rect(3044, 2400, 5308, 2640)},                            // d Establishment number
    {"Boxe", "12-3456789", rect(740, 2880, 5308, 3120)},                       // e Employer identification number (EIN)
    {"Boxf", "ACME TOOL AND DIE MANUFACTURING", rect(740, 3360, 5308, 3600)},  // f Employer's name
    {"Boxg_L1", "1234 INDUSTRIAL PARKWAY SOUTH", rect(740, 4080, 5308, 4800)}, // g address and ZIP
    {"Boxg_L2", "SUITE 500", rect(740, 4080, 5308, 4800)},
    {"Boxg_L3", "SPRINGFIELD IL 62704-1234", rect(740, 4080, 5308, 4800)},
    {"Boxh", "98-7654321", rect(740, 5280, 5308, 5520)}, // h Other EIN used this year
    {"Box1", "1000000.01", rect(5348, 2400, 8404, 2640)},
    {"Box2", "1000000.02", rect(8444, 2400, 11500, 2640)},
    {"Box3", "1000000.03", rect(5348, 2880, 8404, 3120)},
    {"Box4", "1000000.04", rect(8444, 2880, 11500, 3120)},
    {"Box5", "1000000.05", rect(5348, 3360, 8404, 3600)},
    {"Box6", "1000000.06", rect(8444, 3360, 11500, 3600)},
    {"Box7", "1000000.07", rect(5348, 3840, 8404, 4080)},
    {"Box8", "1000000.08", rect(8444, 3840, 11500, 4080)},
    {"Box10", "1000000.10", rect(8444, 4320, 11500, 4560)},
    {"Box11", "1000000.11", rect(5348, 4800, 8404, 5040)},
    {"Box12", "7400.00", rect(8444, 4800, 11500, 5040)},        // 12a Deferred compensation
    {"Box14", "1000000.14", rect(5348, 5760, 11500, 6000)},     // 14 Income tax withheld by payer of 3rd-party sick pay
    {"Box15a", "NY", rect(740, 5760, 1564, 6000)},              // 15 State
    {"Box15b", "12-3456789-012", rect(1584, 5760, 5308, 6000)}, // Employer's state ID number
    {"Box16", "1000000.16", rect(740, 6240, 3004, 6480)},
    {"Box17", "1000000.17", rect(3044, 6240, 5308, 6480)},
    {"Box18", "1000000.18", rect(5348, 6240, 8404, 6480)},
    {"Box19", "1000000.19", rect(8444, 6240, 11500, 6480)},
    {"Contact", "PAT O'HARA", rect(740, 6720, 5308, 6960)},                    // Employer's contact person
    {"Phone", "(217) 555-0100", rect(5348, 6720, 8404, 6960)},                 // Employer's telephone number
    {"Fax", "(217) 555-0199", rect(740, 7200, 5308, 7440)},                    // Employer's fax number
    {"Email", "payroll@acme-tool.example.com", rect(5348, 7200, 11500, 7440)}, // Employer's email address
};

class FormEditions : public test::FreshDatabase {
protected:
    void taxYear(const char *year) { db.exec("UPDATE Settings SET Year = ?", {QString(year)}); }
};

} // namespace

TEST_F(FormEditions, A2026W2PrintsEveryValueInItsBoxOfTheOfficialFormOnBothFormsOfTheSheet)
{
    taxYear("2026");
    QVector<qlonglong> ids;
    for (int n = 0; n < 2; ++n) {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        for (const Official &o : kW2) {
            if (o.mark)
                rs.setFlag(o.column, true);
            else if (QString(o.column) == "Boxd")
                rs.setText(o.column, "123456789");
            else if (db.table("W2").find(o.column)->kind == ColumnKind::Money)
                rs.setMoney(o.column, *Money::parse(o.text, QLocale::c()));
            else
                rs.setText(o.column, o.text);
        }
        rs.setMoney("Box9", Money::fromCents(99900)); // box 9 takes no amount in 2026
        rs.setFlag("Box13d", true);                   // nor is there a fourth box 13 mark
        rs.update();
        rs.moveLast();
        ids << rs.integer("id");
    }
    RecordingPrinter printer;
    test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), ids);
    EXPECT_EQ(printer.jobsEnded(), 1);
    // Copy A of the 2026 W-2 fills the upper half of the sheet; the lower form is 5.5 in below.
    test::expectOnOfficialBoxes(printer, std::begin(kW2), std::end(kW2), 2, 7920);

    // The test sheet outlines the same boxes: 14b's first code where the form has it.
    RecordingPrinter sheet;
    PrintTestSheet(db, sheet, "W2-L", W2TwoUpForm(), {});
    int found = 0;
    const auto at = [](int x, int y) { return TwipsPoint{Twips(x), Twips(y)}; };
    for (const auto &box : sheet.fieldBoxes())
        found += box.box.topLeft() == at(6644, 5520) || box.box.topLeft() == at(6644, 5520 + 7920);
    EXPECT_EQ(found, 2);
}

TEST_F(FormEditions, A2026W3TotalsTheDeferralsOfTheInstructionsAndPrintsEachInItsBox)
{
    taxYear("2026");
    const int tfid = addFiler("12-3456789", "941", "0001");
    // 2026 W-3 box 12a: codes D to H, S, Y, AA, BB and EE; not DD, FF, TP or W.
    const char *codes[2][4] = {{"D", "DD", "Y", "FF"}, {"AA", "BB", "EE", "TP"}};
    const int cents[2][4] = {{10000, 20000, 30000, 40000}, {100000, 200000, 400000, 800000}};
    for (int n = 0; n < 2; ++n) {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setValue("Tfid", tfid);
        rs.setText("Boxb", "12-3456789");
        rs.setText("EstNo", "0001");
        rs.setText("FilerType", "941");
        for (int line = 0; line < 4; ++line) {
            const QString box = QString("Box12%1_").arg(QChar('a' + line));
            rs.setText(box + "Code", codes[n][line]);
            rs.setMoney(box + "Amt", Money::fromCents(cents[n][line]));
        }
        rs.update();
    }
    ASSERT_EQ(buildW3Summaries(db), 1);
    EXPECT_EQ(RecordSet::table(db, "W3").money("Box12"), Money::fromCents(740000));

    // Every other box of the row as the summary could fill it.
    for (const Official &o : kW3) {
        if (QString(o.column) != "Box12")
            db.exec(QString("UPDATE W3 SET \"%1\" = ?").arg(o.column),
                    {db.table("W3").find(o.column)->kind == ColumnKind::Money
                         ? Money::parse(o.text, QLocale::c())->toVariant()
                         : QVariant(o.text)});
    }
    db.exec("UPDATE W3 SET Box9 = 99900, Box13 = 'Third-Party Sick Pay Recap'"); // boxes left blank in 2026
    RecordingPrinter printer;
    PrintW3Form(db, printer, "12-3456789");
    test::expectOnOfficialBoxes(printer, std::begin(kW3), std::end(kW3), 1, 0);
}

TEST_F(FormEditions, EarlierYearsKeepTheEarly2000sLayouts)
{
    for (const char *year : {"2001", "2024"}) {
        taxYear(year);
        const FormEdition w2 = ChooseEdition(db, "W2");
        EXPECT_EQ(w2.layoutForm, "W2") << year;
        EXPECT_EQ(w2.lowerFormOffset, Twips(7920));
        EXPECT_EQ(ChooseEdition(db, "W3").layoutForm, "W3") << year;
    }
    taxYear("2027");
    EXPECT_EQ(ChooseEdition(db, "W2").layoutForm, "W2-2026");
}

TEST_F(FormEditions, AYearWithoutAnEditionIsRefusedBeforeAnythingPrints)
{
    const int tfid = addFiler("12-3456789");
    db.exec("INSERT INTO W2 (Tfid, Boxb, Boxd, Box1, Box12a_Code, Box12a_Amt) "
            "VALUES (?, '12-3456789', '123456789', 100, 'D', 100)",
            {tfid});
    buildW3Summaries(db);
    taxYear("2025");
    RecordingPrinter printer;
    try {
        test::PrintTwoUp(db, printer, "W2-L", W2TwoUpForm(), {db.scalar("SELECT id FROM W2").toLongLong()});
        ADD_FAILURE() << "printed";
    } catch (const DbError &e) {
        EXPECT_STREQ(e.what(), "Quillory has no W-2 form for tax year 2025; it has the W-2 of tax years 2001 to "
                               "2024, 2026 and later.");
    }
    EXPECT_THROW(PrintTestSheet(db, printer, "W2-C", W2TwoUpForm(), {}), DbError);
    EXPECT_THROW(PrintW3Form(db, printer, "12-3456789"), DbError);
    EXPECT_THROW(PrintW3Report(db, printer), DbError);
    db.exec("DELETE FROM W2");
    EXPECT_THROW(buildW3Summaries(db), DbError);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM W3").toInt(), 1) << "the summaries stay as they were";
    EXPECT_TRUE(printer.placed().isEmpty());
    EXPECT_EQ(printer.jobsEnded(), 0);
    taxYear("2000");
    EXPECT_THROW(ChooseEdition(db, "W3"), DbError);
}
