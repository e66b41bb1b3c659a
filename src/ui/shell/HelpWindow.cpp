#include "shell/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>

namespace quillory {

QMap<int, HelpTopic> readHelpTopics(const QString &helpFile, const QMap<QString, QString> &values)
{
    QMap<int, HelpTopic> topics;
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly))
        return topics;
    QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression value(QStringLiteral("(<span\\s+data-value=\"(\\w+)\"\\s*>)[^<]*(</span>)"));
    for (auto it = value.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (values.contains(m.captured(2)) && !values[m.captured(2)].isEmpty())
            text.replace(m.captured(0), m.captured(1) + values[m.captured(2)].toHtmlEscaped() + m.captured(3));
    }
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression section(QStringLiteral("<section\\s+data-topic=\"(\\d+)\"\\s*>(.*?)</section>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (auto it = section.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        HelpTopic topic;
        topic.html = m.captured(2);
        topic.title = heading.match(topic.html).captured(1).remove(tag).trimmed();
        topics.insert(m.captured(1).toInt(), topic);
    }
    return topics;
}

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quillory Help"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstTopics"));
    list_->setAccessibleName(tr("Help topics"));
    list_->setMaximumWidth(220);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtTopic"));
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenLinks(false);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(browser_, 1);
    resize(760, 520);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showTopic(list_->item(row)->data(Qt::UserRole).toInt());
    });
    // Links between topics are written href="topic:1032".
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("topic"))
            showTopic(url.path().toInt());
    });
}

void HelpWindow::setTopics(const QMap<int, HelpTopic> &topics)
{
    topics_ = topics;
    const QSignalBlocker block(list_);
    list_->clear();
    for (auto it = topics_.cbegin(); it != topics_.cend(); ++it) {
        auto *item = new QListWidgetItem(it->title, list_);
        item->setData(Qt::UserRole, it.key());
    }
}

void HelpWindow::showTopic(int topic)
{
    const auto it = topics_.constFind(topic);
    if (it == topics_.constEnd())
        return;
    current_ = topic;
    browser_->setHtml(it->html);
    const QSignalBlocker block(list_);
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->data(Qt::UserRole).toInt() == topic)
            list_->setCurrentRow(i);
    }
}

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::showTopic(const QString &helpFile, int topic)
{
    const auto topics = readHelpTopics(helpFile, values_);
    if (!topics.contains(topic))
        return;
    if (!window_)
        window_ = new HelpWindow(owner_);
    window_->setTopics(topics);
    window_->showTopic(topic);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace quillory
