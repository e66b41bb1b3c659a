#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace quillory {

struct AppState;

// The start-up window: logo, title, version and legal notice for one tick of its timer.
class Splash : public QWidget {
    Q_OBJECT
public:
    // Sets the program title in the state; onFirstTick loads the main window.
    Splash(AppState &state, std::function<void()> onFirstTick);

    // One tick of the two-second timer.
    void Timer1_Timer();

    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblCompany;
    QTimer *Timer1;

private:
    std::function<void()> onFirstTick_;
    short ticks_ = 0;
};

QString versionText();

} // namespace quillory
