#include "data/SchemaUpgrades.h"

#include "data/Database.h"
#include "data/SqlScript.h"

namespace quillory {

namespace {

// What was added after the first database files were shipped: when the table, its column or its
// row is missing, the statements run, or the script from resources/db when they name one
// (":/db/"). Every script of resources/db is built into the program; adding one here is one line.
// They run in this order, each after what the ones before it added.
struct Upgrade {
    const char *table;
    const char *column; // nullptr: the table itself
    const char *sql;
    const char *row = nullptr; // a condition on the table's rows: due while no row meets it
};
const Upgrade kUpgrades[] = {
    {"EfileSubmitter", nullptr,
     "CREATE TABLE EfileSubmitter (EIN TEXT(10) COLLATE NOCASE, SSAUserID TEXT(8) COLLATE NOCASE, "
     "TCC TEXT(5) COLLATE NOCASE, Name TEXT(40) COLLATE NOCASE, Address TEXT(22) COLLATE NOCASE, "
     "City TEXT(22) COLLATE NOCASE, State TEXT(2) COLLATE NOCASE, ZIP TEXT(10) COLLATE NOCASE, "
     "Contact TEXT(27) COLLATE NOCASE, Phone TEXT(15) COLLATE NOCASE, Email TEXT(40) COLLATE NOCASE, "
     "Preparer TEXT(1) COLLATE NOCASE, TestFile YESNO NOT NULL DEFAULT 0)"},
    {"TaxYears", nullptr, ":/db/06_tax_years.sql"},
    {"W2", "Box14b_L1", "ALTER TABLE W2 ADD COLUMN Box14b_L1 TEXT(3) COLLATE NOCASE"},
    {"W2", "Box14b_L2", "ALTER TABLE W2 ADD COLUMN Box14b_L2 TEXT(3) COLLATE NOCASE"},
    {"FormEditions", nullptr, ":/db/07_forms_2026.sql"},
    {"1099Nec", nullptr, ":/db/08_1099_2026.sql"},
    {"1096", "FormType", ":/db/09_forms_1099_2026.sql"},
    {"CopyDrawings", nullptr, ":/db/10_copies.sql"},
    {"IrisColumns", nullptr, ":/db/11_iris.sql"},
    {"CopyDrawings", nullptr, ":/db/12_copies_1099.sql", "Drawing = '1099NEC-2026'"},
    // A 1099Nec table made by its own script after the IRIS one had run gets the name parts here.
    {"1099Nec", "RecTinType", "ALTER TABLE \"1099Nec\" ADD COLUMN RecTinType TEXT(3) COLLATE NOCASE"},
    {"1099Nec", "RecNameType", "ALTER TABLE \"1099Nec\" ADD COLUMN RecNameType TEXT(1) COLLATE NOCASE"},
    {"1099Nec", "RecFirstName", "ALTER TABLE \"1099Nec\" ADD COLUMN RecFirstName TEXT(40) COLLATE NOCASE"},
    {"1099Nec", "RecMiddleName", "ALTER TABLE \"1099Nec\" ADD COLUMN RecMiddleName TEXT(40) COLLATE NOCASE"},
    {"1099Nec", "RecLastName", "ALTER TABLE \"1099Nec\" ADD COLUMN RecLastName TEXT(40) COLLATE NOCASE"},
    {"1099Nec", "RecSuffix", "ALTER TABLE \"1099Nec\" ADD COLUMN RecSuffix TEXT(10) COLLATE NOCASE"},
};

bool hasTable(Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? "
                                    "COLLATE NOCASE"),
                     {table})
               .toLongLong() > 0;
}

// A column is only added to a table that is there; a file without the table is reported as
// lacking it when its schema is checked.
bool due(Database &db, const Upgrade &upgrade)
{
    const QString table = QString::fromLatin1(upgrade.table);
    if (upgrade.row)
        return !hasTable(db, table) || db.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE %2")
                                                     .arg(Database::quoted(table), QString::fromLatin1(upgrade.row)))
                                               .toLongLong() == 0;
    if (!upgrade.column)
        return !hasTable(db, table);
    return hasTable(db, table) &&
           db.scalar(QStringLiteral("SELECT count(*) FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
                     {table, QString::fromLatin1(upgrade.column)})
                   .toLongLong() == 0;
}

} // namespace

void upgradeSchema(Database &db)
{
    bool any = false;
    for (const Upgrade &upgrade : kUpgrades)
        any = any || due(db, upgrade);
    if (!any)
        return;
    Transaction transaction(db);
    for (const Upgrade &upgrade : kUpgrades) {
        if (!due(db, upgrade))
            continue;
        const QString sql = QString::fromLatin1(upgrade.sql);
        if (sql.startsWith(QStringLiteral(":/")))
            runSqlScript(db, sql);
        else
            db.exec(sql);
    }
    transaction.commit();
}

} // namespace quillory
