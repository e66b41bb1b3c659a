#pragma once

#include <QString>
#include <QStringList>

namespace quillory {

class Database;

// The statements of an SQL script, each without its closing semicolon. Semicolons inside
// quoted text or names and inside -- comments do not end a statement; a piece that holds
// only blanks and comments is left out.
QStringList sqlStatements(const QString &script);

// Runs the statements of a script file (a Qt resource such as ":/db/06_tax_years.sql") one by
// one on the open database; throws DbError naming the script when it cannot be read or a
// statement fails. The caller holds the transaction.
void runSqlScript(Database &db, const QString &path);

} // namespace quillory
