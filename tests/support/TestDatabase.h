#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillory::test {

// A program folder of its own: a fresh copy of the shipped database file and help file.
class TestFolder {
public:
    TestFolder();
    const QString &folder() const { return folder_; }
    QString databasePath() const { return folder_ + QStringLiteral("/Quillory.mdb"); }
    QString helpPath() const { return folder_ + QStringLiteral("/Quillory.HLP"); }
    // Runs SQL on the copy through a connection of its own (for setting up a case).
    void exec(const QString &sql) const;

private:
    QTemporaryDir dir_;
    QString folder_;
};

} // namespace quillory::test
