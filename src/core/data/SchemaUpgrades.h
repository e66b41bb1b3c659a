#pragma once

namespace quillory {

class Database;

// Brings a database file made by an earlier version up to date: adds each table or column it
// lacks, with its shipped rows, in one transaction; nothing else in the file changes.
void upgradeSchema(Database &db);

} // namespace quillory
