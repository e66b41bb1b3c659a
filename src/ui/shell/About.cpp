#include "shell/About.h"

#include "Version.h"
#include "shell/AppState.h"
#include "shell/Logo.h"
#include "shell/Splash.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quillory {

QString aboutDescription(const QString &appTitle, int major, int revision)
{
    return QStringLiteral("Welcome to %1  %2.%3").arg(appTitle).arg(major).arg(revision) +
           QStringLiteral(" Specifically designed to help you with entry and printing of W-2 and 1099 Misc tax forms.");
}

frmAbout::frmAbout(const AppState &state, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + state.gAppTitle);

    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(quilloryLogo(72));
    Label4 = new QLabel(state.gAppTitle, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont title = Label4->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    Label4->setFont(title);
    Label1 = new QLabel(versionText(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(aboutDescription(state.gAppTitle, kVersionMajor, kVersionRevision), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label2 = new QLabel(QString::fromUtf8(kLegalNotice), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (parentWidget())
            parentWidget()->close(); // the sub-window frame
        else
            close();
    });

    auto *grid = new QGridLayout(this);
    grid->addWidget(picLogo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(Label4, 0, 1);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(Label2, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(420);
}

} // namespace quillory
