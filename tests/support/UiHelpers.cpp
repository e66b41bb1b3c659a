#include "support/UiHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace quillory::test {

void clickInNextModal(const QString &buttonName)
{
    QTimer::singleShot(0, [buttonName] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window to click " << buttonName.toStdString();
            return;
        }
        auto *button = modal->findChild<QAbstractButton *>(buttonName);
        if (!button) {
            ADD_FAILURE() << "no button " << buttonName.toStdString();
            return;
        }
        button->click();
    });
}

} // namespace quillory::test
