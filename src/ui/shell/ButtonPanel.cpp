#include "shell/ButtonPanel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

namespace {

const int kEntryButtonOrder[8] = {command::List,   command::Add,    command::Edit,  command::Save,
                                  command::Cancel, command::Delete, command::Print, command::Exit};

QString tr(const char *text)
{
    return QCoreApplication::translate("RecordScreen", text);
}

QString withoutAccessKey(const QString &caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

} // namespace

void ButtonPanel::setMode(ScreenMode mode)
{
    mode_ = mode;
    for (int i = 0; i < cmdEdit.size(); ++i)
        cmdEdit[i]->setEnabled(commandEnabled(mode, i));
}

QPushButton *ButtonPanel::makeCommandButton(const QString &caption, const QString &name, std::function<void()> action)
{
    auto *button = new QPushButton(caption, screen_);
    button->setObjectName(name);
    button->setAccessibleName(withoutAccessKey(caption));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, screen_, [this, action = std::move(action)] {
        if (leaveFocusedField())
            action();
    });
    return button;
}

void ButtonPanel::makeEditButtons(const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton *button =
            makeCommandButton(captions[i], QStringLiteral("cmdEdit_%1").arg(i), [this, i] { cmdEdit_Click(i); });
        button->setProperty("tag", QStringLiteral("Edit"));
        cmdEdit.append(button);
    }
    setMode(mode_);
}

void ButtonPanel::makeMoveButtons()
{
    const char *const captions[2] = {"<", ">"};
    const QString names[2] = {tr("Previous record"), tr("Next record")};
    for (int i = 0; i < 2; ++i) {
        cmdMove[i] = makeCommandButton(QString::fromLatin1(captions[i]), QStringLiteral("cmdMove_%1").arg(i),
                                       [this, i] { cmdMove_Click(i); });
        cmdMove[i]->setAccessibleName(names[i]);
        cmdMove[i]->setToolTip(names[i]);
    }
}

QLayout *ButtonPanel::makeEntryButtons(QFrame *panel)
{
    panel->setFrameShape(QFrame::StyledPanel);
    makeEditButtons(
        {tr("&Add"), tr("&Edit"), tr("&Save"), tr("&Cancel"), tr("&Delete"), tr("&List"), tr("&Print"), tr("E&xit")});
    auto *commands = new QVBoxLayout(panel);
    for (int i : kEntryButtonOrder) {
        cmdEdit[i]->setParent(panel);
        commands->addWidget(cmdEdit[i]);
    }
    makeMoveButtons();
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdMove[0]);
    moves->addWidget(cmdMove[1]);
    auto *side = new QVBoxLayout;
    side->addLayout(moves);
    side->addWidget(panel);
    side->addStretch();
    return side;
}

bool ButtonPanel::moveKey(int key, bool homeEnd)
{
    switch (key) {
    case Qt::Key_PageUp:
        cmdMove_Click(1);
        return true;
    case Qt::Key_PageDown:
        cmdMove_Click(0);
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!homeEnd)
            return false;
        cmdMove_Click(key == Qt::Key_Home ? 2 : 3);
        return true;
    default:
        return false;
    }
}

void ButtonPanel::setEntryTabOrder(QVector<QWidget *> order)
{
    order << cmdMove[0] << cmdMove[1];
    for (int i : kEntryButtonOrder)
        order << cmdEdit[i];
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace quillory
