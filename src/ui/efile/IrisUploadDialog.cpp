#include "efile/IrisUploadDialog.h"

#include "data/Database.h"
#include "data/Settings.h"
#include "efile/IrisUpload.h"
#include "shell/AppContext.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillory {

namespace {
constexpr int kShown = 25;

QString bullets(const QStringList &lines)
{
    QStringList shown;
    for (const QString &line : lines.mid(0, kShown))
        shown << QStringLiteral("\u2022 ") + line;
    if (lines.size() > kShown)
        shown << QStringLiteral("... and %1 more.").arg(lines.size() - kShown);
    return shown.join(QLatin1Char('\n'));
}
} // namespace

IrisUploadDialog::IrisUploadDialog(AppContext &ctx, const QString &chosenPayer, QWidget *parent)
    : QDialog(parent), ctx_(ctx), chosenPayer_(chosenPayer)
{
    setObjectName(QStringLiteral("IrisUpload"));
    setWindowTitle(QStringLiteral("Create IRIS Upload"));
    runSteps(ctx_, {[&] { year_ = Settings::read(ctx_.state.gDatabase).year.trimmed(); }}, OnFailure::EndRun);
    auto *layout = new QVBoxLayout(this);
    makeChoices(layout);
    lblNames_ = new QLabel(this);
    lblNames_->setWordWrap(true);
    layout->addWidget(lblNames_);
    grdNames = new QTableWidget(0, NameColumns, this);
    grdNames->setObjectName(QStringLiteral("grdNames"));
    grdNames->setAccessibleName(QStringLiteral("Names to split"));
    grdNames->setHorizontalHeaderLabels({QStringLiteral("Payer or recipient"), QStringLiteral("Name line"),
                                         QStringLiteral("I/B"), QStringLiteral("First"), QStringLiteral("Middle"),
                                         QStringLiteral("Last"), QStringLiteral("Suffix")});
    grdNames->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(grdNames, 1);
    cmdConfirm = new QPushButton(QStringLiteral("Con&firm Names"), this);
    cmdConfirm->setObjectName(QStringLiteral("cmdConfirm"));
    layout->addWidget(cmdConfirm, 0, Qt::AlignLeft);

    auto *buttons = new QDialogButtonBox(this);
    cmdCreate = buttons->addButton(QStringLiteral("&Create Files..."), QDialogButtonBox::AcceptRole);
    cmdCreate->setObjectName(QStringLiteral("cmdCreate"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);

    connect(cboForm, &QComboBox::currentIndexChanged, this, [this] {
        loadTemplate();
        reload();
    });
    connect(chkAllPayers, &QCheckBox::toggled, this, [this] { reload(); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("IRIS template for %1").arg(form()),
                                         txtTemplate->text().isEmpty() ? QDir::homePath() : txtTemplate->text(),
                                         QStringLiteral("CSV files (*.csv);;All files (*)"));
        if (!path.isEmpty())
            txtTemplate->setText(path);
    });
    connect(cmdConfirm, &QPushButton::clicked, this, &IrisUploadDialog::cmdConfirm_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &IrisUploadDialog::cmdCreate_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    loadTemplate();
    reload();
}

void IrisUploadDialog::makeChoices(QVBoxLayout *layout)
{
    auto *fields = new QFormLayout;
    layout->addLayout(fields);
    cboForm = new QComboBox(this);
    cboForm->setObjectName(QStringLiteral("cboForm"));
    cboForm->setAccessibleName(QStringLiteral("Form type"));
    cboForm->addItems({QStringLiteral("1099-NEC"), QStringLiteral("1099-MISC")});
    fields->addRow(QStringLiteral("&Form type:"), cboForm);
    txtTemplate = new QLineEdit(this);
    txtTemplate->setObjectName(QStringLiteral("txtTemplate"));
    txtTemplate->setAccessibleName(QStringLiteral("Template downloaded from the IRIS Taxpayer Portal"));
    txtTemplate->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    cmdBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    auto *templateRow = new QHBoxLayout;
    templateRow->addWidget(txtTemplate, 1);
    templateRow->addWidget(cmdBrowse);
    fields->addRow(QStringLiteral("Template (CSV):"), templateRow);
    chkAllPayers =
        new QCheckBox(QStringLiteral("Every &payer with returns of this form (else payer %1)").arg(chosenPayer_), this);
    chkAllPayers->setObjectName(QStringLiteral("chkAllPayers"));
    fields->addRow(QString(), chkAllPayers);
    spnRowsPerFile = new QSpinBox(this);
    spnRowsPerFile->setObjectName(QStringLiteral("spnRowsPerFile"));
    spnRowsPerFile->setAccessibleName(QStringLiteral("Returns per file"));
    spnRowsPerFile->setRange(1, efile::kIrisMostRowsPerFile);
    runSteps(ctx_, {[&] { spnRowsPerFile->setValue(efile::irisRowsPerFile(ctx_.state.gDatabase)); }},
             OnFailure::EndRun);
    fields->addRow(QStringLiteral("&Returns per file:"), spnRowsPerFile);
}

QString IrisUploadDialog::form() const
{
    return cboForm->currentText();
}

QString IrisUploadDialog::payerScope() const
{
    return chkAllPayers->isChecked() ? QString() : chosenPayer_;
}

void IrisUploadDialog::loadTemplate()
{
    runSteps(ctx_, {[&] { txtTemplate->setText(efile::irisTemplatePath(ctx_.state.gDatabase, form(), year_)); }},
             OnFailure::EndRun);
}

void IrisUploadDialog::reload()
{
    Database &db = ctx_.state.gDatabase;
    runSteps(ctx_, {[&] { unsplit_ = efile::unsplitNames(db, form(), payerScope()); }}, OnFailure::EndRun);
    grdNames->setRowCount(int(unsplit_.size()));
    for (int r = 0; r < unsplit_.size(); ++r) {
        const efile::UnsplitName &u = unsplit_.at(r);
        const QStringList cells = {
            u.who,           u.nameLine,       u.proposal.type, u.proposal.first, u.proposal.middle,
            u.proposal.last, u.proposal.suffix};
        for (int c = 0; c < NameColumns; ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            if (c == Who || c == NameLine)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grdNames->setItem(r, c, item);
        }
    }
    const bool any = !unsplit_.isEmpty();
    lblNames_->setText(any ? QStringLiteral("IRIS takes an individual's name in parts and a business's name as its "
                                            "name lines. These %1 names are not split yet: check the proposed parts "
                                            "(I individual, B business), correct them, then Confirm Names.")
                                 .arg(unsplit_.size())
                           : QStringLiteral("Every name of these returns is split into its parts."));
    grdNames->setVisible(any);
    cmdConfirm->setVisible(any);
}

void IrisUploadDialog::cmdConfirm_Click()
{
    const auto cell = [this](int r, int c) { return grdNames->item(r, c)->text().trimmed(); };
    for (int r = 0; r < unsplit_.size(); ++r) {
        const QString kind = cell(r, Kind).toUpper();
        if (kind != QLatin1String("I") && kind != QLatin1String("B")) {
            ctx_.dialogs.message(QStringLiteral("%1: type I for an individual or B for a business.").arg(cell(r, Who)),
                                 ctx_.state.gAppTitle, Dialogs::Icon::Exclamation);
            return;
        }
    }
    Database &db = ctx_.state.gDatabase;
    runSteps(ctx_, {[&] {
                 Transaction transaction(db);
                 for (int r = 0; r < unsplit_.size(); ++r)
                     efile::storeNameParts(
                         db, unsplit_.at(r),
                         {cell(r, Kind).toUpper(), cell(r, First), cell(r, Middle), cell(r, Last), cell(r, Suffix)});
                 transaction.commit();
             }},
             OnFailure::EndRun);
    reload();
}

void IrisUploadDialog::cmdCreate_Click()
{
    Dialogs &dialogs = ctx_.dialogs;
    const QString &title = ctx_.state.gAppTitle;
    if (!unsplit_.isEmpty()) {
        dialogs.message(QStringLiteral("Confirm the names first: IRIS needs every name split into its parts."), title,
                        Dialogs::Icon::Exclamation);
        return;
    }
    Database &db = ctx_.state.gDatabase;
    const QString path = txtTemplate->text().trimmed();
    efile::IrisUpload up;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool built =
        runSteps(ctx_,
                 {[&] { efile::storeIrisRowsPerFile(db, spnRowsPerFile->value()); },
                  [&] { up = efile::buildIrisUpload(db, form(), efile::readIrisTemplate(path), payerScope()); }},
                 OnFailure::EndRun);
    QApplication::restoreOverrideCursor();
    if (!built)
        return;
    if (!up.ok()) {
        dialogs.message(
            QStringLiteral("The %1 upload was not written. Put these right and try again:\n\n").arg(form()) +
                bullets(up.problems),
            title, Dialogs::Icon::Exclamation);
        return;
    }
    if (!up.warnings.isEmpty() &&
        dialogs.message(QStringLiteral("These columns of the template stay empty:\n\n") + bullets(up.warnings) +
                            QStringLiteral("\n\nWrite the files anyway?"),
                        title, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const std::optional<QString> folder = dialogs.chooseFolder(QStringLiteral("Folder for the IRIS upload files"));
    if (!folder)
        return;
    if (!runSteps(ctx_,
                  {[&] { efile::writeIrisUpload(up, *folder); },
                   [&] { efile::rememberIrisTemplate(db, form(), year_, path); }},
                  OnFailure::EndRun))
        return;
    QStringList names;
    for (const efile::IrisFile &f : up.files)
        names << QStringLiteral("%1 (%2 returns)").arg(f.name).arg(f.returns());
    dialogs.message(QStringLiteral("The %1 upload for tax year %2 is written in %3:\n\n%4\n\nUpload each file in the "
                                   "IRIS Taxpayer Portal. Beside each, its \"-rows.txt\" file names the recipient "
                                   "of every row, for tracing the portal's messages about a row.")
                        .arg(form())
                        .arg(up.taxYear)
                        .arg(QDir::toNativeSeparators(*folder), bullets(names)),
                    title, Dialogs::Icon::Information);
    accept();
}

void CreateIrisUpload(AppContext &ctx, const QString &chosenPayer, QWidget *parent)
{
    auto *dialog = new IrisUploadDialog(ctx, chosenPayer, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace quillory
