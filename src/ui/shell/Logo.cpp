#include "shell/Logo.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quillory {

QPixmap quilloryLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer artwork(QStringLiteral(":/images/Quillory.svg"));
    QPainter p(&pixmap);
    artwork.render(&p);
    return pixmap;
}

} // namespace quillory
