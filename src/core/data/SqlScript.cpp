#include "data/SqlScript.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QFile>

namespace quillory {

QStringList sqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    bool meaningful = false; // the piece holds more than blanks and comments
    auto finish = [&] {
        if (meaningful)
            statements << current.trimmed();
        current.clear();
        meaningful = false;
    };
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('-') && i + 1 < script.size() && script.at(i + 1) == QLatin1Char('-')) {
            const int end = script.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? script.size() : end;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A doubled quote inside stays part of the text.
            int end = i + 1;
            while (end < script.size()) {
                if (script.at(end) == c) {
                    if (end + 1 < script.size() && script.at(end + 1) == c)
                        end += 2;
                    else
                        break;
                } else {
                    ++end;
                }
            }
            current += script.mid(i, end - i + 1);
            meaningful = true;
            i = end;
            continue;
        }
        if (c == QLatin1Char(';')) {
            finish();
            continue;
        }
        current += c;
        if (!c.isSpace())
            meaningful = true;
    }
    finish();
    return statements;
}

void runSqlScript(Database &db, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("The program's script %1 cannot be read.").arg(path));
    for (const QString &statement : sqlStatements(QString::fromUtf8(file.readAll()))) {
        try {
            db.exec(statement);
        } catch (const DbError &e) {
            throw DbError(QStringLiteral("%1: %2").arg(path, QString::fromStdString(e.what())));
        }
    }
}

} // namespace quillory
