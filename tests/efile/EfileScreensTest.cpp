#include "EfileFixture.h"
#include "data/Settings.h"
#include "efile/EfileSubmitterDialog.h"
#include "efile/IrisUpload.h"
#include "efile/IrisUploadDialog.h"
#include "efile/Submitter.h"
#include "efile/TaxYearDialog.h"
#include "print_1099/PrtSel1099.h"
#include "print_w2/PrtSelW2.h"
#include "support/PrintScreenFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

template <typename Screen> class EfileButton : public test::PrintScreenTest<Screen> {
protected:
    EfileButton() { test::EfileSample sample(this->state.gDatabase); }
    QTemporaryDir dir;
};
using W2Button = EfileButton<PrtSelW2>;
using Button1099 = EfileButton<PrtSel1099>;

} // namespace

TEST_F(W2Button, WritesTheFileForEveryEmployerAndSaysWhereAndHowManyRecords)
{
    PrtSelW2 &s = open();
    const QString path = dir.filePath(QStringLiteral("w2.txt"));
    dialogs.answer(Answer::Yes).answerSaveFile(path).answer(Answer::Ok);
    s.cmdEfile->click();
    ASSERT_EQ(dialogs.calls.size(), 3);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Create the W-2 file for every employer?\n\nYes: every employer "
                                                    "with W-2s.\nNo: only employer 12-3456789."));
    EXPECT_EQ(dialogs.calls[1].kind, QStringLiteral("save"));
    EXPECT_TRUE(dialogs.calls[2].text.startsWith(QStringLiteral("The W-2 file for tax year 2024 is written:\n") + path +
                                                 QStringLiteral("\n\nIt holds 12 records: 3 W-2s of 2 employers.")));
    EXPECT_EQ(QFile(path).size(), 12 * 514);
}

TEST_F(W2Button, ListsTheProblemsAndWritesNothing)
{
    state.gDatabase.exec(QStringLiteral("UPDATE W2 SET Boxd = '' WHERE Boxd = '345-67-8901'"));
    PrtSelW2 &s = open();
    dialogs.answer(Answer::Yes).answer(Answer::Ok);
    s.cmdEfile->click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[1].text,
              QStringLiteral("The W-2 file was not written. Put these right and try again:\n\n"
                             "\u2022 W-2 of Bo Diaz (no SSN): the social security number is missing "
                             "or not valid"));
    EXPECT_EQ(dialogs.calls[1].icon, Dialogs::Icon::Exclamation);
}

TEST_F(Button1099, WritesOnlyTheChosenPayerAndCancelWritesNothing)
{
    // The summaries report the employer that has no 1099s.
    dialogs.answer(Answer::Ok);
    PrtSel1099 &s = open();
    dialogs.answer(Answer::No).answerSaveFile(std::nullopt);
    s.cmdEfile->click();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    const QString path = dir.filePath(QStringLiteral("irs.txt"));
    dialogs.answer(Answer::No).answerSaveFile(path).answer(Answer::Ok);
    s.cmdEfile->click();
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("It holds 10 records: 4 returns of 1 payer.")));
    EXPECT_EQ(QFile(path).size(), 10 * 750);
}

TEST_F(Button1099, From2026TheButtonMakesTheIrisUploadOnceTheProposedNamesAreConfirmed)
{
    Database &db = state.gDatabase;
    db.exec(QStringLiteral("UPDATE Settings SET Year = '2026'"));
    db.exec(QStringLiteral("INSERT INTO \"1099Nec\" (Tfid, FedIDNo, RecIDNo, RecName1, RecAddr, RecCityStZip, "
                           "NonemployeeComp) SELECT Tfid, FedIDNo, '333-22-1111', 'Nora J Nec', '1 Elm St', "
                           "'Normal, IL 61761', 250000000 FROM FilerInfo WHERE FedIDNo = '12-3456789'"));
    dialogs.answer(Answer::Ok);
    PrtSel1099 &s = open();
    EXPECT_EQ(s.cmdEfile->text(), QStringLiteral("Create IRIS &Upload..."));
    s.cmdEfile->click();
    auto *d = s.findChild<IrisUploadDialog *>();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->grdNames->rowCount(), 2);
    QStringList nora;
    for (int c = IrisUploadDialog::Kind; c < IrisUploadDialog::NameColumns; ++c)
        nora << d->grdNames->item(1, c)->text();
    EXPECT_EQ(nora.join('/'), QStringLiteral("I/Nora/J/Nec/"));
    EXPECT_EQ(d->grdNames->item(0, IrisUploadDialog::Who)->text(), QStringLiteral("Payer 12-3456789"));
    EXPECT_EQ(d->grdNames->item(0, IrisUploadDialog::Kind)->text(), QStringLiteral("B"));

    const QString templ = dir.filePath(QStringLiteral("nec.csv"));
    QFile file(templ);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Tax Year,Recipient Taxpayer ID Number,Recipient First Name,Box 1 - Nonemployee Compensation\r\n");
    file.close();
    d->txtTemplate->setText(templ);
    EXPECT_EQ(d->spnRowsPerFile->value(), 100);
    EXPECT_EQ(d->spnRowsPerFile->maximum(), 100) << "Publication 1099 (2026): 100 forms per submission";
    d->spnRowsPerFile->setValue(40);
    dialogs.answer(Answer::Ok);
    d->cmdCreate_Click();
    EXPECT_TRUE(dialogs.calls.last().text.startsWith(QStringLiteral("Confirm the names first")));
    d->cmdConfirm_Click();
    EXPECT_EQ(d->grdNames->rowCount(), 0);
    dialogs.answerFolder(dir.path()).answer(Answer::Ok);
    d->cmdCreate_Click();
    QFile part(dir.filePath(QStringLiteral("IRIS-1099-NEC-2026-payer6789-part1.csv")));
    ASSERT_TRUE(part.open(QIODevice::ReadOnly));
    EXPECT_EQ(part.readAll(), QByteArray("Tax Year,Recipient Taxpayer ID Number,Recipient First Name,Box 1 - "
                                         "Nonemployee Compensation\r\n2026,333221111,Nora,25000.00\r\n"));
    EXPECT_EQ(efile::irisTemplatePath(db, QStringLiteral("1099-NEC"), QStringLiteral("2026")), templ);
    EXPECT_EQ(efile::irisRowsPerFile(db), 40);
}

TEST_F(W2Button, OptionsDialogsStoreTheSubmitterAndCheckTheTaxYear)
{
    EfileSubmitterDialog submitter(ctx);
    EXPECT_EQ(submitter.txtField[EfileSubmitterDialog::UserID]->text(), QStringLiteral("AB12CD34"));
    submitter.txtField[EfileSubmitterDialog::TCC]->setText(QStringLiteral("8Y765"));
    submitter.cboPreparer->setCurrentIndex(1);
    submitter.chkTestFile->setChecked(true);
    submitter.cmdOK_Click();
    EXPECT_EQ(submitter.result(), QDialog::Accepted);
    const efile::Submitter stored = efile::Submitter::read(state.gDatabase);
    EXPECT_EQ(stored.tcc, QStringLiteral("8Y765"));
    EXPECT_EQ(stored.preparer, QStringLiteral("A"));
    EXPECT_TRUE(stored.testFile);
    EXPECT_EQ(stored.name, QStringLiteral("Ledger & Sons"));

    TaxYearDialog year(ctx);
    EXPECT_EQ(year.txtField[TaxYearDialog::Year]->text(), QStringLiteral("2024"));
    year.txtField[TaxYearDialog::Year]->setText(QStringLiteral("25"));
    year.txtField[TaxYearDialog::MDTaxPct]->setText(QStringLiteral("145"));
    dialogs.answer(Answer::Ok);
    year.cmdOK_Click();
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("The tax year must be a year of four digits, such as 2024.\n"
                                                        "The Medicare tax rate must be a percentage from 0 to 100."));
    EXPECT_NE(year.result(), QDialog::Accepted);
    year.txtField[TaxYearDialog::Year]->setText(QStringLiteral("2025"));
    year.txtField[TaxYearDialog::MDTaxPct]->setText(QStringLiteral("1.45"));
    year.cmdOK_Click();
    EXPECT_EQ(year.result(), QDialog::Accepted);
    EXPECT_EQ(state.gDatabase.scalar(QStringLiteral("SELECT Year FROM Settings")).toString(), QStringLiteral("2025"));

    // A year Quillory knows fills in its values: 2026 from the General Instructions for Forms
    // W-2 and W-3 (2026). Only the Settings row changes.
    const QVariant w2Before = state.gDatabase.scalar(QStringLiteral("SELECT group_concat(Boxd || Box1) FROM W2"));
    TaxYearDialog known(ctx);
    EXPECT_EQ(known.cboYear->currentText(), QStringLiteral("2025"));
    ASSERT_EQ(known.cboYear->count(), 4);
    EXPECT_EQ(known.cboYear->itemText(3), QStringLiteral("Another year (type its values)"));
    known.cboYear->setCurrentText(QStringLiteral("2026"));
    QStringList shown;
    for (QLineEdit *field : known.txtField)
        shown << field->text();
    EXPECT_EQ(shown, (QStringList{"2026", "184500.00", "6.2", "11439.00", "1.45", "0.00", "24500.00"}));
    known.cmdOK_Click();
    const Settings stored2026 = Settings::read(state.gDatabase);
    EXPECT_EQ(stored2026.year, QStringLiteral("2026"));
    EXPECT_EQ(stored2026.ssTaxMax, Money::fromCents(1143900));
    EXPECT_EQ(stored2026.w2box12, Money::fromCents(2450000));
    EXPECT_EQ(state.gDatabase.scalar(QStringLiteral("SELECT group_concat(Boxd || Box1) FROM W2")), w2Before);
}
