#include "data/Twips.h"

#include <cmath>
#include <ostream>

namespace quillory {

Twips Twips::points(double points)
{
    return Twips(static_cast<int>(std::lround(points * kPerPoint)));
}

std::ostream &operator<<(std::ostream &out, Twips t)
{
    return out << t.value() << " twips";
}

} // namespace quillory
