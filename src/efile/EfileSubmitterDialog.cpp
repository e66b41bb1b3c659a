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
    int maxLength;
    const char *hint;
};
const FieldSetup kFields[] = {
    {"EIN", "Submitter's EIN", &efile::Submitter::ein, 10, "99-9999999"},
    {"UserID", "SSA user ID (W-2 file)", &efile::Submitter::ssaUserId, 8,
     "your Business Services Online user ID, eight characters"},
    {"TCC", "IRS Transmitter Control Code (1099 file)", &efile::Submitter::tcc, 5, "five characters, from the IRS"},
    {"Name", "Name", &efile::Submitter::name, 40, nullptr},
    {"Address", "Street address", &efile::Submitter::address, 22, nullptr},
    {"City", "City", &efile::Submitter::city, 22, nullptr},
    {"State", "State", &efile::Submitter::state, 2, "two letters"},
    {"ZIP", "ZIP code", &efile::Submitter::zip, 10, nullptr},
    {"Contact", "Contact name", &efile::Submitter::contact, 27, nullptr},
    {"Phone", "Contact phone", &efile::Submitter::phone, 15, nullptr},
    {"Email", "Contact e-mail", &efile::Submitter::email, 40, nullptr},
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
    const efile::Submitter stored = efile::Submitter::read(ctx_.state.gDatabase);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldSetup &f = kFields[i];
        txtField[i] = new QLineEdit(stored.*f.value, this);
        txtField[i]->setObjectName(QStringLiteral("txt") + QLatin1String(f.name));
        txtField[i]->setAccessibleName(QLatin1String(f.caption));
        txtField[i]->setMaxLength(f.maxLength);
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
