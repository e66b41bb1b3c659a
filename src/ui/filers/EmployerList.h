#pragma once

#include "shell/AppContext.h"
#include "shell/MainWindow.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace quillory {

class RecordGrid;

// The list from which the user picks one filer when several are stored; the pick opens the
// W-2 screen (target "W2") or the 1099-MISC screen (any other target) for it.
class frmEmployerList : public QWidget {
    Q_OBJECT
public:
    explicit frmEmployerList(AppContext &ctx, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the list in the main window; an open list only takes the new target.
    static void open(MDIForm1 &mainWindow, const QString &target);

    void setTarget(const QString &target);
    QString target() const;
    // Reads every filer into the grid.
    void load();
    // Opens the target's screen for the clicked filer, which becomes the last one chosen.
    void grdEmployers_Click(int row);

    QSize sizeHint() const override;

    QLabel *Label1;
    RecordGrid *grdEmployers;

private:
    AppContext &ctx_;
    OpenScreen openScreen_;
};

} // namespace quillory
