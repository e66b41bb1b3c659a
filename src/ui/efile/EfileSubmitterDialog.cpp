#include "efile/EfileSubmitterDialog.h"

#include "efile/Submitter.h"
#include "shell/AppContext.h"
#include "shell/MainWindow.h"
#include "shell/StepRunner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

namespace {

struct FieldSetup {
    const char *name;
    const char *caption;
    QString efile::Submitter::*value;
    const char *column; // its size is the field's maximum length
    const char *hint;
};
const FieldSetup kFields[] = {
    {"EIN", "Submitter's EIN", &efile::Submitter::ein, "EIN", "99-9999999"},
    {"UserID", "SSA user ID (W-2 file)", &efile::Submitter::ssaUserId, "SSAUserID",
     "your Business Services Online user ID, eight characters"},
    {"TCC", "IRS Transmitter Control Code (1099 file)", &efile::Submitter::tcc, "TCC", "five characters, from the IRS"},
    {"Name", "Name", &efile::Submitter::name, "Name", nullptr},
    {"Address", "Street address", &efile::Submitter::address, "Address", nullptr},
    {"City", "City", &efile::Submitter::city, "City", nullptr},
    {"State", "State", &efile::Submitter::state, "State", "two letters"},
    {"ZIP", "ZIP code", &efile::Submitter::zip, "ZIP", nullptr},
    {"Contact", "Contact name", &efile::Submitter::contact, "Contact", nullptr},
    {"Phone", "Contact phone", &efile::Submitter::phone, "Phone", nullptr},
    {"Email", "Contact e-mail", &efile::Submitter::email, "Email", nullptr},
};

// The W-2 file's code of who prepared it.
const char *const kPreparers[][2] = {
    {"L", "The employer itself"}, {"A", "An accounting firm"}, {"S", "A service bureau"},
    {"P", "A parent company"},    {"O", "Someone else"},
};

} // namespace

EfileSubmitterDialog::EfileSubmitterDialog(AppContext &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("EfileSubmitter"));
    setWindowTitle(QStringLiteral("E-file Submitter"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("Who sends the electronic W-2 file to the Social Security Administration "
                                            "and the 1099 file to the IRS."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    efile::Submitter stored;
    const TableInfo *columns = nullptr;
    runSteps(ctx_, {[&] {
                 stored = efile::Submitter::read(ctx_.state.gDatabase);
                 columns = &ctx_.state.gDatabase.table(QStringLiteral("EfileSubmitter"));
             }},
             OnFailure::EndRun);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldSetup &f = kFields[i];
        txtField[i] = new QLineEdit(stored.*f.value, this);
        txtField[i]->setObjectName(QStringLiteral("txt") + QLatin1String(f.name));
        txtField[i]->setAccessibleName(QLatin1String(f.caption));
        if (columns)
            txtField[i]->setMaxLength(columns->column(QLatin1String(f.column)).size);
        if (f.hint)
            txtField[i]->setPlaceholderText(QLatin1String(f.hint));
        form->addRow(QLatin1String(f.caption) + QLatin1Char(':'), txtField[i]);
    }
    cboPreparer = new QComboBox(this);
    cboPreparer->setObjectName(QStringLiteral("cboPreparer"));
    cboPreparer->setAccessibleName(QStringLiteral("W-2 file prepared by"));
    for (const auto &p : kPreparers) {
        cboPreparer->addItem(QLatin1String(p[1]), QLatin1String(p[0]));
        if (stored.preparer == QLatin1String(p[0]))
            cboPreparer->setCurrentIndex(cboPreparer->count() - 1);
    }
    form->addRow(QStringLiteral("W-2 file prepared by:"), cboPreparer);
    chkTestFile = new QCheckBox(QStringLiteral("The 1099 file is a test file"), this);
    chkTestFile->setObjectName(QStringLiteral("chkTestFile"));
    chkTestFile->setChecked(stored.testFile);
    form->addRow(QString(), chkTestFile);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EfileSubmitterDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void EfileSubmitterDialog::cmdOK_Click()
{
    efile::Submitter s;
    for (int i = 0; i < FieldCount; ++i)
        s.*kFields[i].value = txtField[i]->text().trimmed();
    s.preparer = cboPreparer->currentData().toString();
    s.testFile = chkTestFile->isChecked();
    if (runSteps(ctx_, {[&] { s.store(ctx_.state.gDatabase); }}, OnFailure::EndRun))
        accept();
}

void EfileSubmitterDialog::open(MDIForm1 &mainWindow)
{
    EfileSubmitterDialog dialog(mainWindow.context(), &mainWindow);
    dialog.exec();
}

} // namespace quillory
