#pragma once

#include <QDialog>

class QFrame;
class QPushButton;

namespace quillory {

// The disclaimer the user must agree to before the program opens its data.
class Disclaimer : public QDialog {
    Q_OBJECT
public:
    // databaseFile: where the user's information is kept, named in the data note.
    Disclaimer(QWidget *owner, const QString &databaseFile);
    // True when the user chose "I Agree".
    bool agreed() const { return result() == QDialog::Accepted; }

    QFrame *Frame1[2];
    QPushButton *Command1[2];
};

} // namespace quillory
