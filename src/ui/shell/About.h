#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillory {

struct AppState;

// The About screen: title, version, description and legal notice.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(const AppState &state, QWidget *parent = nullptr);

    QLabel *picLogo;
    QLabel *Label1; // version
    QLabel *Label2; // legal notice
    QLabel *Label3; // description
    QLabel *Label4; // title
    QPushButton *Command1;
};

// "Welcome to <title>  <major>.<revision> Specifically designed ..." as the About screen shows it.
QString aboutDescription(const QString &appTitle, int major, int revision);

} // namespace quillory
