#include "data/DbError.h"
#include "data/RecordSet.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Print1096.h"
#include "print_1099/Summary1096.h"
#include "printing/RecordingPrinter.h"
#include "printing/TestSheet.h"
#include "support/OfficialBoxes.h"
#include "support/PrintRun.h"
#include "support/TestDatabase.h"

using namespace quillory;
using test::Official;
using test::rect;

namespace {

// What every 2026 form of these tests holds where its columns do not say it whole: the payer's
// address lines, the recipient's city line. The filer's telephone is "555-0100".
const char *const kPayerLines[3] = {"SUITE 500", "1234 INDUSTRIAL PKWY", "SPRINGFIELD, IL 62704-1234"};
const char *const kRecipientCity = "SHELBYVILLE, IL 62565";

// Boxes of the same place on both forms (Rev. December 2026, Copy A pages of f1099nec.pdf and
// f1099msc.pdf, "Created 5/26/26"), by the caption over each.
const Official kBoth[] = {
    {"CorrectedFlag", "x", rect(4896, 490, 5096, 690), true},                // CORRECTED
    {"TaxYear", "2026", rect(8352, 1920, 8928, 2100), true},                 // For calendar year (a short field)
    {"PayerName", "ACME TOOL AND DIE COMPANY", rect(1048, 960, 5884, 1440)}, // PAYER'S name
    {"PayerStreet", "1234 INDUSTRIAL PKWY", rect(1048, 1680, 4156, 1920)},   // Street address
    {"PayerSuite", "SUITE 500", rect(4196, 1680, 5884, 1920)},               // Room or suite no.
    {"PayerCity", "SPRINGFIELD", rect(1048, 2160, 4156, 2400)},              // City or town
    {"PayerPhone", "555-0100", rect(4196, 2160, 5884, 2400)},                // Telephone number
    {"PayerState", "IL", rect(1048, 2640, 3436, 2880)},                      // State or province
    {"PayerZip", "62704-1234", rect(4196, 2640, 5884, 2880)},                // ZIP or foreign postal code
    {"RecCity", "SHELBYVILLE", rect(1048, 5040, 5884, 5280)},                // City or town
    {"RecState", "IL", rect(1048, 5520, 3436, 5760)},                        // State or province
    {"RecZip", "62565", rect(4196, 5520, 5884, 5760)},                       // ZIP or foreign postal code
};

// The other fields of the 1099-NEC's form page.
const Official kNecOwn[] = {
    {"FedIDNo", "12-3456789", rect(1048, 3120, 3436, 3600)},                  // PAYER'S TIN
    {"RecIDNo", "123-45-6789", rect(3476, 3120, 5884, 3600)},                 // RECIPIENT'S TIN
    {"RecName1", "ALEXANDRA WASHINGTON-SMYTH", rect(1048, 3840, 5884, 4320)}, // RECIPIENT'S name
    {"RecName2", "DBA SMYTH DESIGN", rect(1048, 3840, 5884, 4320)},
    {"RecAddr", "9876 N EVERGREEN TER APT 2", rect(1048, 4560, 4876, 4800)}, // Street address
    {"AcctNo", "ACCT-0001", rect(1048, 6720, 5020, 7200)},                   // Account number
    {"TIN", "x", rect(5392, 6760, 5552, 6920), true},                        // 2nd TIN not.
    {"NonemployeeComp", "1000000.01", rect(6192, 2640, 9896, 2880)},         // 1a
    {"CashTips", "1000000.02", rect(6192, 3360, 7880, 3600)},                // 1b
    {"TipCode1", "101", rect(7950, 3360, 8898, 3600)},                       // 1c TTOC
    {"TipCode2", "000", rect(8958, 3360, 9906, 3600)},
    {"Overtime", "1000000.03", rect(6192, 4080, 9896, 4320)},        // 1d
    {"DirectSales", "x", rect(9648, 4520, 9808, 4680), true},        // 2
    {"GoldenParachute", "1000000.04", rect(6192, 5520, 9896, 5760)}, // 3
    {"FedTaxWithheld", "1000000.05", rect(6192, 6240, 9896, 6480)},  // 4
    {"StateTax_L1", "1000000.06", rect(6192, 6720, 7880, 6960)},     // 5, two lines
    {"StateTax_L2", "1000000.07", rect(6192, 6960, 7880, 7200)},
    {"State_L1", "IL", rect(7940, 6720, 9896, 6960)}, // 6 State/Payer's state no.
    {"StateNo_L1", "IL-1234", rect(7940, 6720, 9896, 6960)},
    {"State_L2", "IN", rect(7940, 6960, 9896, 7200)},
    {"StateNo_L2", "IN-5678", rect(7940, 6960, 9896, 7200)},
    {"StateIncome_L1", "12345.08", rect(10224, 6720, 11520, 6960)}, // 7
    {"StateIncome_L2", "12345.09", rect(10224, 6960, 11520, 7200)},
};

// The other fields of the 1099-MISC's form page.
const Official kMiscOwn[] = {
    {"FedIDNo", "12-3456789", rect(1048, 3120, 3436, 3480)},
    {"RecIDNo", "123-45-6789", rect(3476, 3120, 5884, 3480)},
    {"RecName1", "ALEXANDRA WASHINGTON-SMYTH", rect(1048, 3720, 5884, 4200)},
    {"RecName2", "DBA SMYTH DESIGN", rect(1048, 3720, 5884, 4200)},
    {"RecAddr", "9876 N EVERGREEN TER APT 2", rect(1048, 4440, 4876, 4800)},
    {"Fatca", "x", rect(5320, 6200, 5480, 6360), true}, // FATCA filing requirement
    {"AcctNo", "ACCT-0001", rect(1048, 6720, 4876, 7200)},
    {"TIN", "x", rect(5320, 6760, 5480, 6920), true},
    {"Box1", "1000000.01", rect(6192, 1200, 7880, 1440)},          // 1 Rents
    {"Box2", "1000000.02", rect(6192, 1920, 7880, 2160)},          // 2 Royalties
    {"Box3", "1000000.03", rect(6192, 2640, 7880, 2880)},          // 3 Other income
    {"Box4", "1000000.04", rect(8208, 2640, 9896, 2880)},          // 4 Federal income tax withheld
    {"Box5", "1000000.05", rect(6192, 3240, 7880, 3480)},          // 5 Fishing boat proceeds
    {"Box6", "1000000.06", rect(8208, 3240, 9896, 3480)},          // 6 Medical and health care payments
    {"Box9", "x", rect(7632, 3990, 7792, 4150), true},             // 7 direct sales
    {"Box8", "1000000.08", rect(8208, 3960, 9896, 4200)},          // 8 Substitute payments
    {"Box10", "1000000.09", rect(6192, 4560, 7880, 4800)},         // 9 Crop insurance proceeds
    {"Box14", "1000000.10", rect(8208, 4560, 9896, 4800)},         // 10 Gross proceeds paid to an attorney
    {"FishPurchased", "1000000.11", rect(6192, 5040, 7880, 5280)}, // 11
    {"Deferrals409A", "1000000.12", rect(8208, 5040, 9896, 5280)}, // 12
    {"CashTips", "1000000.13", rect(6192, 5520, 7880, 5760)},      // 13a
    {"TipCode1", "101", rect(7950, 5520, 8898, 5760)},             // 13b TTOC
    {"TipCode2", "000", rect(8958, 5520, 9906, 5760)},
    {"Overtime", "1000000.14", rect(6192, 6240, 7880, 6480)},       // 14
    {"NqDeferredComp", "1000000.15", rect(8208, 6240, 9896, 6480)}, // 15
    {"Box16_L1", "1000000.16", rect(6192, 6720, 7880, 6960)},       // 16 State tax withheld
    {"Box16_L2", "1000000.17", rect(6192, 6960, 7880, 7200)},
    {"Box17a_L1", "IL", rect(7940, 6720, 9916, 6960)}, // 17 State/Payer's state no.
    {"Box17b_L1", "IL-1234", rect(7940, 6720, 9916, 6960)},
    {"Box17a_L2", "IN", rect(7940, 6960, 9916, 7200)},
    {"Box17b_L2", "IN-5678", rect(7940, 6960, 9916, 7200)},
    {"Box18_L1", "12345.18", rect(10224, 6720, 11520, 6960)}, // 18 State income
    {"Box18_L2", "12345.19", rect(10224, 6960, 11520, 7200)},
};

template <int N> QVector<Official> form(const Official (&own)[N])
{
    return QVector<Official>(std::begin(kBoth), std::end(kBoth)) + QVector<Official>(std::begin(own), std::end(own));
}
const QVector<Official> kNec = form(kNecOwn);
const QVector<Official> kMisc = form(kMiscOwn);

// Form 1096 (2026), form page of f1096.pdf ("Created 12/15/25"), sent with the 1099-NECs.
const Official kNec1096[] = {
    {"PayerName", "ACME TOOL AND DIE COMPANY", rect(1296, 2120, 7344, 2400)}, // FILER'S name
    {"PayerStreet", "1234 INDUSTRIAL PKWY", rect(1296, 2600, 5601, 2880)},    // Street address
    {"PayerSuite", "SUITE 500", rect(5616, 2600, 7344, 2880)},                // Room or suite no.
    {"PayerCity", "SPRINGFIELD", rect(1296, 3080, 7329, 3360)},               // City or town
    {"PayerState", "IL", rect(1296, 3560, 3585, 3840)},                       // State or province
    {"PayerZip", "62704-1234", rect(5616, 3560, 7344, 3840)},                 // ZIP or foreign postal code
    {"Contact", "Pat", rect(1028, 4040, 5025, 4320)},                         // Name of person to contact
    {"Phone", "555-0100", rect(5040, 4040, 8064, 4320)},                      // Telephone number
    {"Email", "pat@acme.example", rect(1028, 4520, 5025, 4800)},              // Email address
    {"Fax", "555-0199", rect(5040, 4520, 8064, 4800)},                        // Fax number
    {"Box1", "12-3456789", rect(1008, 5040, 3168, 5280)},                     // 1 Employer identification number
    {"Box3", "1", rect(5040, 5040, 6768, 5280)},                              // 3 Total number of forms
    {"Box4", "500.00", rect(6912, 5040, 8744, 5280)},                         // 4 Federal income tax withheld
    {"Box5", "3000.00", rect(8928, 5040, 11500, 5280)},                       // 5 Total amount reported
    {"1099-NEC", "X", rect(4289, 6870, 4529, 7110), true},                    // 6 type of form: 1099-NEC
};

class FormEditions1099 : public test::FreshDatabase {
protected:
    void SetUp() override
    {
        test::FreshDatabase::SetUp();
        db.exec("UPDATE Settings SET Year = '2026'");
        tfid = addFiler("12-3456789");
        db.exec("UPDATE FilerInfo SET Email = 'pat@acme.example', Fax = '555-0199'");
    }

    // A return of the table holding every column of the list, and the address lines whole.
    qlonglong addReturn(const char *table, const QVector<Official> &boxes)
    {
        RecordSet rs = RecordSet::table(db, table);
        rs.addNew();
        rs.setValue("Tfid", tfid);
        for (int i = 0; i < 3; ++i)
            rs.setText(QString("PayerL%1").arg(i + 1), kPayerLines[i]);
        rs.setText("RecCityStZip", kRecipientCity);
        for (const Official &o : boxes) {
            const ColumnInfo *column = db.table(table).find(o.column);
            if (!column)
                continue; // a part of an address, or the year
            if (column->kind == ColumnKind::Flag)
                rs.setFlag(o.column, true);
            else if (column->kind == ColumnKind::Money)
                rs.setMoney(o.column, *Money::parse(o.text, QLocale::c()));
            else
                rs.setText(o.column, o.text);
        }
        rs.update();
        rs.moveLast();
        return rs.integer("Counter");
    }

    int tfid = 0;
};

} // namespace

TEST_F(FormEditions1099, A2026Nec1099PrintsEveryValueInItsBoxOfTheOfficialFormOnBothFormsOfTheSheet)
{
    const QVector<qlonglong> ids{addReturn("1099Nec", kNec), addReturn("1099Nec", kNec)};
    RecordingPrinter printer;
    test::PrintTwoUp(db, printer, "NEC-L", Nec1099TwoUpForm(), ids);
    ASSERT_EQ(printer.jobsEnded(), 1);
    EXPECT_EQ(printer.jobSetup(1).name, "1099-NEC 12-3456789 sheet 1 of 1");
    // Two to a sheet, the lower form 5.5 in below the upper.
    test::expectOnOfficialBoxes(printer, kNec.constData(), kNec.constData() + kNec.size(), 2, 7920);

    // The test sheet of the NEC paper outlines the same boxes, box 1a among them on both forms.
    RecordingPrinter sheet;
    PrintTestSheet(db, sheet, "NEC-C", Nec1099TwoUpForm(), {});
    int found = 0;
    const auto at = [](int x, int y) { return TwipsPoint{Twips(x), Twips(y)}; };
    for (const auto &box : sheet.fieldBoxes())
        found += box.box.topLeft() == at(6192 + 720, 2640) || box.box.topLeft() == at(6192 + 720, 2640 + 7920);
    EXPECT_EQ(found, 2);
}

TEST_F(FormEditions1099, A2026Misc1099PrintsEveryValueInItsBoxOfTheOfficialFormOnBothFormsOfTheSheet)
{
    QVector<qlonglong> ids;
    for (int n = 0; n < 2; ++n)
        ids << addReturn("1099Misc", kMisc);
    // Boxes the 2026 form no longer has: nonemployee compensation, golden parachute payments.
    db.exec("UPDATE \"1099Misc\" SET Box7 = 990000, Box13 = 880000, Box15a = 'OLD 15A'");
    RecordingPrinter printer;
    test::PrintTwoUp(db, printer, "1099-L", Misc1099TwoUpForm(), ids);
    ASSERT_EQ(printer.jobsEnded(), 1);
    test::expectOnOfficialBoxes(printer, kMisc.constData(), kMisc.constData() + kMisc.size(), 2, 7920);
}

// Each type's 1096 counts and totals its own returns, the boxes Form 1096 (2026) lists for box 5:
// 1099-MISC boxes 1, 2, 3, 5, 6, 8, 9, 10 and 11; 1099-NEC boxes 1 and 3 (1a; 1b and 1d are in it).
TEST_F(FormEditions1099, Each1096TotalsTheReturnsOfItsOwnFormTypeAndMarksIt)
{
    for (int n = 0; n < 2; ++n)
        addReturn("1099Misc", kMisc);
    db.exec("INSERT INTO \"1099Nec\" (Tfid, FedIDNo, PayerName, PayerL1, PayerL2, PayerL3, NonemployeeComp, "
            "CashTips, Overtime, GoldenParachute, FedTaxWithheld) VALUES (?, '12-3456789', "
            "'ACME TOOL AND DIE COMPANY', ?, ?, ?, 25000000, 1000000, 2000000, 5000000, 5000000)",
            {tfid, kPayerLines[0], kPayerLines[1], kPayerLines[2]});
    ASSERT_EQ(build1096Summaries(db), 2);

    RecordSet misc = RecordSet::table(db, "1096", "FormType = '1099-MISC'");
    EXPECT_EQ(misc.integer("Box3"), 2);
    EXPECT_EQ(misc.money("Box4"), Money::fromCents(2 * 100000004));
    // 1000000.01 + .02 + .03 + .05 + .06 + .08 + .09 + .10 + .11, twice.
    EXPECT_EQ(misc.money("Box5"), Money::fromCents(2 * (9 * 100000000 + 55)));
    RecordSet nec = RecordSet::table(db, "1096", "FormType = '1099-NEC'");
    EXPECT_EQ(nec.integer("Box3"), 1);

    RecordingPrinter printer;
    Print1096Form(db, printer, "12-3456789", "1099-NEC");
    EXPECT_EQ(printer.jobSetup(1).name, "1096 1099-NEC 12-3456789");
    test::expectOnOfficialBoxes(printer, std::begin(kNec1096), std::end(kNec1096), 1, 0);

    RecordingPrinter miscPrinter;
    Print1096Form(db, miscPrinter, "12-3456789", "1099-MISC");
    const Official miscMark{"1099-MISC", "X", rect(3672, 6870, 3912, 7110), true}; // 6 type of form: 1099-MISC
    int marks = 0;
    for (const auto &p : miscPrinter.placed())
        marks += p.text == "X" && test::inside(miscPrinter, p, miscMark.box, true);
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(miscPrinter.find("2000000.08") && !miscPrinter.find("3000.00"));

    RecordingPrinter report;
    Print1096Report(db, report, QDate(2027, 1, 15), "1099-NEC");
    EXPECT_TRUE(report.find("2026 1099-NEC 1096 Summary Report"));
    EXPECT_TRUE(report.find("No of 1099s: 1"));
}

TEST_F(FormEditions1099, A2025DatabaseIsRefusedNamingTheMissingForm)
{
    const qlonglong nec = addReturn("1099Nec", kNec);
    const qlonglong misc = addReturn("1099Misc", kMisc);
    build1096Summaries(db);
    db.exec("UPDATE Settings SET Year = '2025'");
    RecordingPrinter printer;
    try {
        test::PrintTwoUp(db, printer, "NEC-L", Nec1099TwoUpForm(), {nec});
        ADD_FAILURE() << "printed";
    } catch (const DbError &e) {
        EXPECT_STREQ(e.what(), "Quillory has no 1099-NEC form for tax year 2025; it has the 1099-NEC of tax years "
                               "2026 and later.");
    }
    EXPECT_THROW(test::PrintTwoUp(db, printer, "1099-L", Misc1099TwoUpForm(), {misc}), DbError);
    EXPECT_THROW(PrintTestSheet(db, printer, "NEC-M", Nec1099TwoUpForm(), {}), DbError);
    EXPECT_THROW(Print1096Form(db, printer, "12-3456789", "1099-NEC"), DbError);
    EXPECT_TRUE(printer.placed().isEmpty());
    EXPECT_EQ(printer.jobsEnded(), 0);
}
