#pragma once

#include "data/Twips.h"

#include <QComboBox>
#include <QPair>
#include <QVector>
#include <functional>

class QStandardItemModel;

namespace quillory {

// The state box of an entry screen: the state's code is typed (in capitals) or picked from a
// drop-down that lists the filer's states with their numbers. The list is read afresh each
// time it drops down, so that it always shows the filer's states of the moment.
class StateBox : public QComboBox {
    Q_OBJECT
public:
    // Each entry: the state's code and the filer's number there.
    using Entries = QVector<QPair<QString, QString>>;

    explicit StateBox(QWidget *parent = nullptr);
    void setEntrySource(std::function<Entries()> source) { source_ = std::move(source); }

    // Column widths of the drop-down, in twips.
    static constexpr Twips kCodeWidth{400};
    static constexpr Twips kNumberWidth{1400};

    void showPopup() override;

signals:
    // A row was picked from the list, which has closed; the box shows its code.
    void picked(const QString &code, const QString &number);
    // Delete pressed in the box; what it empties is the screen's business.
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();

    QStandardItemModel *entries_;
    std::function<Entries()> source_;
};

} // namespace quillory
