#include "shell/RecordMoves.h"

#include "data/RecordSet.h"

namespace quillory {

int countedPosition(int position, int count, int step)
{
    if (step == caption::First)
        return 1;
    if (step == caption::Last)
        return count;
    return position + step;
}

std::optional<caption::Step> moveRow(RecordSet &rows, int index)
{
    switch (index) {
    case 0:
        rows.movePrevious();
        if (!rows.bof())
            return caption::Back;
        rows.moveNext();
        return std::nullopt;
    case 1:
        rows.moveNext();
        if (!rows.eof())
            return caption::On;
        rows.movePrevious();
        return std::nullopt;
    case 2:
        rows.moveFirst();
        return caption::First;
    default:
        rows.moveLast();
        return caption::Last;
    }
}

} // namespace quillory
