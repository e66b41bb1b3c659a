#pragma once

#include <QMap>
#include <QString>

class QWidget;

namespace quillory {

// Shows numbered topics of the help file. Nothing is reported when the file or the topic
// is missing.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const QString &helpFile, int topic) = 0;
};

struct HelpTopic {
    QString title;
    QString html;
};

// Reads the topics of a help file: HTML sections marked <section data-topic="N">, each
// with an <h1> title. An unreadable file gives no topics.
QMap<int, HelpTopic> readHelpTopics(const QString &helpFile);

} // namespace quillory
