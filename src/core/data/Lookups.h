#pragma once

namespace quillory {

class Database;

// Whether any 1099-MISC or 1099-NEC has been stored.
bool hasPrintable1099(Database &db);

} // namespace quillory
