#pragma once

#include <optional>

namespace quillory {

class RecordSet;

// What a record screen's caption counts the shown row by (SetCaption's argument).
namespace caption {
enum Step : int { Back = -1, Stay = 0, On = 1, First = 2, Last = 3 };
}

// The number of the shown row after a step, from `position` in a set of `count` rows.
int countedPosition(int position, int count, int step);

// Moves to another row: 0 the previous, 1 the next, 2 the first, 3 the last. A move past
// either end stays on the row and counts nothing; otherwise gives the caption's step.
std::optional<caption::Step> moveRow(RecordSet &rows, int index);

} // namespace quillory
