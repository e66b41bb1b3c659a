#include "shell/Splash.h"

#include "Version.h"
#include "shell/AppState.h"
#include "shell/Logo.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quillory {

QString versionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

Splash::Splash(AppState &state, std::function<void()> onFirstTick)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), onFirstTick_(std::move(onFirstTick))
{
    setObjectName(QStringLiteral("Splash"));
    state.gAppTitle = QStringLiteral("Quillory");

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(quilloryLogo(128));
    lblTitle = new QLabel(state.gAppTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.4);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(versionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCompany = new QLabel(QString::fromUtf8(kLegalNotice), this);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblCompany->setWordWrap(true);
    auto *subtitle = new QLabel(tr("W-2, W-3, 1099-MISC and 1096 forms, entered and printed"), this);

    auto *texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(lblTitle);
    texts->addWidget(subtitle);
    texts->addSpacing(12);
    texts->addWidget(lblVersion);
    texts->addWidget(lblCompany);
    texts->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addWidget(picture);
    layout->addLayout(texts, 1);
    setStyleSheet(QStringLiteral("#Splash { background: white; border: 2px solid #1e3c6e; }"));
    setAttribute(Qt::WA_StyledBackground);
    // At least what the layout needs, before it is placed: it would widen the window to the
    // right once shown.
    resize(QSize(520, 220).expandedTo(minimumSizeHint()));

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(static_cast<int>(area.width() / 2.0 - width() / 2.0),
             static_cast<int>(area.height() / 2.0 - height() / 2.0));
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &Splash::Timer1_Timer);
    Timer1->start();
}

void Splash::Timer1_Timer()
{
    // A failure here must not stop the program; there is nothing to report.
    try {
        ++ticks_;
        if (ticks_ > 0) {
            Timer1->stop();
            if (onFirstTick_)
                onFirstTick_();
        }
    } catch (...) {
    }
}

} // namespace quillory
