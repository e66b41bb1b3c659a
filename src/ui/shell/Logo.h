#pragma once

#include <QPixmap>

namespace quillory {

// The program's logo, drawn at the given size so that it is sharp on any screen.
QPixmap quilloryLogo(int size);

} // namespace quillory
