#include "shell/Disclaimer.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quillory {

namespace {

const char *const kDisclaimer =
    "<h3>Please read before you go on</h3>"
    "<p>Quillory helps you enter W-2 and 1099-MISC information and print it onto the official "
    "pre-printed paper forms, with the W-3 and 1096 summaries. It does not give tax, legal or "
    "accounting advice.</p>"
    "<p>You are responsible for the correctness of every amount and every identification number "
    "you enter, for checking each printed form before you file it, and for meeting the filing "
    "rules and deadlines of the tax authorities. The checks the program makes against the year's "
    "limits are an aid, not a guarantee.</p>"
    "<p>Printed positions depend on your printer and paper. Print a test sheet on plain paper "
    "first and adjust the alignment before you print on the forms.</p>"
    "<p>The program is provided \"as is\", without warranty of any kind. In no event shall its "
    "authors be liable for any penalty, interest, loss or damage arising from its use.</p>"
    "<p>Choose <b>I Agree</b> to accept these terms and start the program, or <b>I Do Not "
    "Agree</b> to leave it.</p>";

const char *const kDataNote =
    "Your information is kept in the database file %1. Keep a copy of that file in a safe place: it "
    "holds social security numbers.";

} // namespace

Disclaimer::Disclaimer(QWidget *owner, const QString &databaseFile) : QDialog(owner)
{
    setObjectName(QStringLiteral("Disclaimer"));
    setWindowTitle(tr("Quillory - Disclaimer"));
    setModal(true);

    const QString texts[2] = {QString::fromUtf8(kDisclaimer),
                              QString::fromUtf8(kDataNote).arg(QDir::toNativeSeparators(databaseFile).toHtmlEscaped())};
    const char *const pictures[2] = {"Picture1", "Picture2"};
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        Frame1[i] = new QFrame(this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        Frame1[i]->setFrameShape(QFrame::StyledPanel);
        auto *label = new QLabel(texts[i], Frame1[i]);
        label->setObjectName(QString::fromLatin1(pictures[i]));
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        auto *frameLayout = new QVBoxLayout(Frame1[i]);
        frameLayout->addWidget(label);
        layout->addWidget(Frame1[i]);
    }
    Frame1[1]->setVisible(false);

    Command1[0] = new QPushButton(tr("I &Agree"), this);
    Command1[1] = new QPushButton(tr("I &Do Not Agree"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setAutoDefault(false);
        buttons->addWidget(Command1[i]);
        Command1[i]->raise();
    }
    layout->addLayout(buttons);
    connect(Command1[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(Command1[1], &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 420);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(static_cast<int>(area.width() / 2.0 - width() / 2.0),
             static_cast<int>(area.height() / 2.0 - height() / 2.0));
    }
}

} // namespace quillory
