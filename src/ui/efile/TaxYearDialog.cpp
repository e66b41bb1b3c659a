#include "efile/TaxYearDialog.h"

#include "data/Settings.h"
#include "efile/TaxYear.h"
#include "shell/AppContext.h"
#include "shell/MainWindow.h"
#include "shell/StepRunner.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

namespace {

struct FieldSetup {
    const char *name;
    const char *caption;
    QString efile::TaxYearText::*value;
};
const FieldSetup kFields[] = {
    {"Year", "Tax year", &efile::TaxYearText::year},
    {"SSwages", "Social security wage base", &efile::TaxYearText::ssWages},
    {"SSTaxPct", "Social security tax rate (%)", &efile::TaxYearText::ssTaxPct},
    {"SSTaxMax", "Largest social security tax", &efile::TaxYearText::ssTaxMax},
    {"MDtaxPct", "Medicare tax rate (%)", &efile::TaxYearText::mdTaxPct},
    {"EICMax", "Largest advance EIC payment", &efile::TaxYearText::eicMax},
    {"W2box12", "Box 12 elective deferral limit", &efile::TaxYearText::w2box12},
};

} // namespace

TaxYearDialog::TaxYearDialog(AppContext &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("TaxYear"));
    setWindowTitle(QStringLiteral("Tax Year"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    efile::TaxYearText stored;
    runSteps(ctx_,
             {[&] { stored = efile::readTaxYear(ctx_.state.gDatabase); },
              [&] { known_ = efile::knownTaxYearTexts(ctx_.state.gDatabase); }},
             OnFailure::EndRun);
    // The years Quillory knows, newest first, fill in their values; another year's are typed.
    cboYear = new QComboBox(this);
    cboYear->setObjectName(QStringLiteral("cboYear"));
    cboYear->setAccessibleName(QStringLiteral("Known tax year"));
    for (int i = int(known_.size()) - 1; i >= 0; --i)
        cboYear->addItem(known_[i].year, i);
    cboYear->addItem(QStringLiteral("Another year (type its values)"), -1);
    const int storedItem = cboYear->findText(stored.year.trimmed());
    cboYear->setCurrentIndex(storedItem >= 0 ? storedItem : cboYear->count() - 1);
    form->addRow(QStringLiteral("Known tax year:"), cboYear);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldSetup &f = kFields[i];
        txtField[i] = new QLineEdit(stored.*f.value, this);
        txtField[i]->setObjectName(QStringLiteral("txt") + QLatin1String(f.name));
        txtField[i]->setAccessibleName(QLatin1String(f.caption));
        form->addRow(QLatin1String(f.caption) + QLatin1Char(':'), txtField[i]);
    }
    txtField[Year]->setMaxLength(4);
    connect(cboYear, &QComboBox::currentIndexChanged, this, &TaxYearDialog::knownYearChosen);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TaxYearDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TaxYearDialog::knownYearChosen()
{
    const int row = cboYear->currentData().toInt();
    if (row < 0 || row >= known_.size())
        return;
    for (int i = 0; i < FieldCount; ++i)
        txtField[i]->setText(known_[row].*kFields[i].value);
}

void TaxYearDialog::cmdOK_Click()
{
    efile::TaxYearText text;
    for (int i = 0; i < FieldCount; ++i)
        text.*kFields[i].value = txtField[i]->text();
    const QStringList problems = efile::checkTaxYearText(text);
    if (!problems.isEmpty()) {
        ctx_.dialogs.message(problems.join(QLatin1Char('\n')), ctx_.state.gAppTitle, Dialogs::Icon::Exclamation);
        return;
    }
    if (runSteps(ctx_, {[&] { efile::storeTaxYear(ctx_.state.gDatabase, text); }}, OnFailure::EndRun))
        accept();
}

void TaxYearDialog::open(MDIForm1 &mainWindow)
{
    TaxYearDialog dialog(mainWindow.context(), &mainWindow);
    if (dialog.exec() == QDialog::Accepted)
        mainWindow.mnuWhat->setText(whatsChangedCaption(dialog.txtField[Year]->text().trimmed()));
}

} // namespace quillory
