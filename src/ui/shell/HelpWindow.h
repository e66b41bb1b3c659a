#pragma once

#include "shell/HelpViewer.h"

#include <QPointer>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace quillory {

// A window with the list of help topics on the left and the chosen topic on the right.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *owner);
    void setTopics(const QMap<int, HelpTopic> &topics);
    // Shows the topic and marks it in the list; a topic it does not have changes nothing.
    void showTopic(int topic);
    int currentTopic() const { return current_; }
    QTextBrowser *browser() const { return browser_; }

private:
    QMap<int, HelpTopic> topics_;
    QListWidget *list_;
    QTextBrowser *browser_;
    int current_ = 0;
};

// The program's own help window, made on first use and owned by the given window.
class QtHelpViewer : public HelpViewer {
public:
    explicit QtHelpViewer(QWidget *owner = nullptr) : owner_(owner) {}
    ~QtHelpViewer() override;
    void setOwner(QWidget *owner) { owner_ = owner; }
    void showTopic(const QString &helpFile, int topic) override;
    HelpWindow *window() const { return window_; }

private:
    QWidget *owner_;
    QPointer<HelpWindow> window_;
};

} // namespace quillory
