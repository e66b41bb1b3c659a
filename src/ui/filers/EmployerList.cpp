#include "filers/EmployerList.h"

#include "data/FilerTable.h"

#include "shell/RecordGrid.h"
#include "shell/StepRunner.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <cmath>

namespace quillory {

frmEmployerList::frmEmployerList(AppContext &ctx, OpenScreen openScreen, QWidget *parent)
    : QWidget(parent), ctx_(ctx), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("frmEmployerList"));
    setWindowTitle(QStringLiteral("Employers"));

    Label1 = new QLabel(QStringLiteral("Since you have created more than one tax filer record, please select the "
                                       "desired employer you wish to view information for by clicking on the "
                                       "pertinent row."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    grdEmployers = new RecordGrid(this);
    grdEmployers->setObjectName(QStringLiteral("grdEmployers"));
    grdEmployers->setAccessibleName(QStringLiteral("Employers"));
    // The first seven columns named; the six after them (Tfid the last of those) hidden; any
    // further column keeps its own name.
    QVector<GridColumn> columns = {
        {QStringLiteral("Federal ID"), Twips(1100)}, {QStringLiteral("Establishment"), Twips(1500)},
        {QStringLiteral("Filer Type"), Twips(1200)}, {QStringLiteral("Name"), Twips(2900)},
        {QStringLiteral("Address1"), Twips(2900)},   {QStringLiteral("Address2"), Twips(2900)},
        {QStringLiteral("Address3"), Twips(2900)},
    };
    for (int i = 7; i <= 12; ++i)
        columns.append({QString(), Twips(), true});
    grdEmployers->setColumns(columns);
    connect(grdEmployers, &RecordGrid::rowChosen, this, &frmEmployerList::grdEmployers_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(grdEmployers, 1);
}

QSize frmEmployerList::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 22};
}

void frmEmployerList::open(MDIForm1 &mainWindow, const QString &target)
{
    if (auto *open = mainWindow.raiseChild<frmEmployerList>()) {
        open->setTarget(target);
        return;
    }
    auto *list = new frmEmployerList(mainWindow.context(), mainWindow.screenOpener());
    list->setTarget(target);
    list->load();
    mainWindow.showChild(list);
}

void frmEmployerList::setTarget(const QString &target)
{
    setProperty("tag", target);
}

QString frmEmployerList::target() const
{
    return property("tag").toString();
}

void frmEmployerList::load()
{
    Database &db = ctx_.state.gDatabase;
    runSteps(ctx_,
             {[&] { grdEmployers->setRecords(filerTable::everyColumn(db), &db.table(QStringLiteral("FilerInfo"))); }});
}

void frmEmployerList::grdEmployers_Click(int row)
{
    // By name, so that the values do not depend on where the columns stand.
    FilerKey &filer = ctx_.state.chosenFiler;
    filer.fedIdNo = grdEmployers->value(row, QStringLiteral("FedIDNo")).toString();
    filer.estNo = grdEmployers->value(row, QStringLiteral("EstNo")).toString();
    filer.filerType = grdEmployers->value(row, QStringLiteral("FilerType")).toString();
    filer.tfid = static_cast<int>(std::lround(grdEmployers->value(row, QStringLiteral("Tfid")).toDouble()));
    if (openScreen_) {
        const ScreenId which = target() == QLatin1String("W2")        ? ScreenId::W2
                               : target() == QLatin1String("1099NEC") ? ScreenId::Nec1099
                                                                      : ScreenId::Misc1099;
        openScreen_(which, filer);
    }
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace quillory
