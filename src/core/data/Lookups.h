#pragma once

namespace quillory {

class Database;

// Whether any W-2 has an employee last name, so that there is something to print.
bool hasPrintableW2(Database &db);
// Whether any 1099-MISC has been stored.
bool hasPrintable1099(Database &db);

} // namespace quillory
