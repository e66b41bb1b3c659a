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

std::ostream &operator<<(std::ostream &out, const TwipsRect &r)
{
    return out << "(" << r.left.value() << ", " << r.top.value() << ") " << r.width.value() << " x " << r.height.value()
               << " twips";
}

} // namespace quillory
