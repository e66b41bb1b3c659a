#include "data/RequiredSchema.h"

#include "data/Database.h"
#include "data/DbError.h"

namespace quillory {

namespace {

struct RequiredTable {
    const char *table;
    const char *columns; // separated by blanks
};

// Every table the program opens and every column its screens, checks, summaries, print runs
// and electronic files read or write. Checked after the open has added the tables that older
// files lack.
const RequiredTable kRequired[] = {
    {"FilerInfo", "FedIDNo EstNo FilerType PayerName PayerL1 PayerL2 PayerL3 State1 State1ID State2 State2ID "
                  "AddlEIN Tfid Contact Phone Email Fax AppliedFor PayerTinType PayerNameType PayerFirstName "
                  "PayerMiddleName PayerLastName PayerSuffix"},
    {"W2", "id Boxa Boxb Boxc_L1 Boxc_L2 Boxc_L3 Boxc_L4 Boxd Boxe_FName Boxe_LName Boxf_L1 Boxf_L2 Boxf_L3 "
           "Box1 Box2 Box3 Box4 Box5 Box6 Box7 Box8 Box9 Box10 Box11 Box12a_Code Box12a_Amt Box12b_Code "
           "Box12b_Amt Box12c_Code Box12c_Amt Box12d_Code Box12d_Amt Box13a Box13b Box13c Box13d Tfid EstNo "
           "FilerType SickPay Box14_L1 Box14_L2 Box14_L3 Box15a_L1 Box15a_L2 Box15b_L1 Box15b_L2 Box16_L1 "
           "Box16_L2 Box17_L1 Box17_L2 Box18_L1 Box18_L2 Box19_L1 Box19_L2 Box20_L1 Box20_L2 Box14b_L1 Box14b_L2"},
    {"1099Misc", "Counter CorrectedFlag PayerName PayerL1 PayerL2 PayerL3 FedIDNo RecIDNo RecName1 RecName2 "
                 "RecAddr RecCityStZip AcctNo TIN Box1 Box2 Box3 Box4 Box5 Box6 Box7 Box8 Box9 Box10 Box13 "
                 "Box14 Box15a Box15b Box16_L1 Box16_L2 Box17a_L1 Box17a_L2 Box17b_L1 Box17b_L2 Box18_L1 "
                 "Box18_L2 Tfid EstNo FilerType FishPurchased Deferrals409A NqDeferredComp Fatca CashTips TipCode1 "
                 "TipCode2 Overtime RecTinType RecNameType RecFirstName RecMiddleName RecLastName RecSuffix"},
    {"1099Nec", "Counter CorrectedFlag PayerName PayerL1 PayerL2 PayerL3 FedIDNo RecIDNo RecName1 RecName2 RecAddr "
                "RecCityStZip AcctNo TIN NonemployeeComp CashTips TipCode1 TipCode2 Overtime DirectSales "
                "GoldenParachute FedTaxWithheld StateTax_L1 StateTax_L2 State_L1 State_L2 StateNo_L1 StateNo_L2 "
                "StateIncome_L1 StateIncome_L2 Tfid EstNo FilerType RecTinType RecNameType RecFirstName RecMiddleName "
                "RecLastName RecSuffix"},
    {"Thresholds1099", "Year Form Box ColumnName Amount Source"},
    {"NecMoveOffer", "Offered"},
    {"Settings", "Year W2AutoNo W2ctr SSwages SSTaxMax SSTaxPct MDtaxPct EICMax W2box12 IrisRowsPerFile"},
    {"W3", "Boxa Boxb_941 Boxb_M Boxb_943 Boxb_CT-1 Boxb_HHE Boxb_MG Boxb_3PSP Boxc Boxd Boxe Boxf Boxg_L1 "
           "Boxg_L2 Boxg_L3 Boxh Box1 Box2 Box3 Box4 Box5 Box6 Box7 Box8 Box9 Box10 Box11 Box12 Box13 Box14 "
           "Box15a Box15b Box16 Box17 Box18 Box19 Contact Phone Email Fax Year box15"},
    {"1096", "PayerName PayerL1 PayerL2 PayerL3 Contact Phone Email Fax Box1 Box2 Box3 Year Box4 Box5 "
             "FinalReturn 1099-MISC FormType"},
    {"PrintMargins", "FormName TopMargin LeftMargin TopMargAdjust LeftMargAdjust"},
    {"PrintFormats", "FormName type fieldname xPos1 yPos1 fieldlength Justify"},
    {"lstStates", "STabbrv"},
    {"EfileSubmitter", "EIN SSAUserID TCC Name Address City State ZIP Contact Phone Email Preparer TestFile"},
    {"FormEditions", "Form FirstYear LastYear FormName LowerFormOffset DeferralCodes"},
    {"TaxYears", "Year SSwages SSTaxMax SSTaxPct MDtaxPct EICMax W2box12 Box9Caption Box14b SsnInBoxA"},
    {"TaxYearBox12Codes", "Year Code Deferral Caption"},
    {"CopyDrawings", "Drawing Form FirstYear LastYear CopyWidth CopyHeight PerRow"},
    {"CopyItems", "Drawing Seq Kind BoxNo Caption X Y W H Columns FontSize Bold"},
    {"CopyLegends", "Drawing CopyNo Slot Text"},
    {"CopyTexts", "Drawing Seq Heading Text"},
    {"IrisTemplates", "Form Year Path"},
    {"IrisColumns", "Form Year Spelling Field"},
    {"IrisFields", "Form FirstYear LastYear Field Box"},
    {"IrisCodes", "Kind Value Text"},
};

} // namespace

QStringList missingSchema(Database &db)
{
    QStringList missing;
    for (const RequiredTable &required : kRequired) {
        const QString table = QString::fromLatin1(required.table);
        const TableInfo *info = nullptr;
        try {
            info = &db.table(table);
        } catch (const DbError &) {
            if (!db.isOpen())
                throw;
            missing << QStringLiteral("table %1").arg(table);
            continue;
        }
        QStringList columns;
        for (const QString &column : QString::fromLatin1(required.columns).split(QLatin1Char(' ')))
            if (!info->find(column))
                columns << column;
        if (!columns.isEmpty())
            missing << QStringLiteral("%1: %2").arg(table, columns.join(QStringLiteral(", ")));
    }
    return missing;
}

void checkSchema(Database &db)
{
    const QStringList missing = missingSchema(db);
    if (!missing.isEmpty())
        throw DbError(QStringLiteral("The database file '%1' lacks tables or columns that the program needs:\n%2\n"
                                     "Use the database file that came with this version, or put them back.")
                          .arg(db.path(), missing.join(QLatin1Char('\n'))));
}

} // namespace quillory
