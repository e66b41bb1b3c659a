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
    // Values that topics show in place of their <span data-value="Name"> texts (the tax year
    // and limits of the database file); topics keep their own texts for values not given.
    virtual void setValues(const QMap<QString, QString> &values) { values_ = values; }

protected:
    QMap<QString, QString> values_;
};

struct HelpTopic {
    QString title;
    QString html;
};

// Reads the topics of a help file: HTML sections marked <section data-topic="N">, each
// with an <h1> title, with the given values put in. An unreadable file gives no topics.
QMap<int, HelpTopic> readHelpTopics(const QString &helpFile, const QMap<QString, QString> &values = {});

} // namespace quillory
