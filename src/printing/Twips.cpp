#include "printing/Twips.h"

#include <cmath>
#include <ostream>

namespace quillory {

Twips Twips::points(double points)
{
    return Twips(static_cast<int>(std::lround(points * kPerPoint)));
}

Twips Twips::pixels(double pixels, double dpi)
{
    return Twips(static_cast<int>(std::lround(pixels / pixelsPerTwip(dpi))));
}

std::ostream &operator<<(std::ostream &out, Twips t)
{
    return out << t.value() << " twips";
}

} // namespace quillory
