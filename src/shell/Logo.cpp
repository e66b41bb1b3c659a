#include "shell/Logo.h"

#include <QPainter>
#include <QPainterPath>

namespace quillory {

QPixmap quilloryLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A sheet of paper with two form lines and a quill across it.
    p.setPen(QPen(QColor(30, 60, 110), s * 0.03));
    p.setBrush(QColor(245, 248, 252));
    p.drawRoundedRect(QRectF(s * 0.14, s * 0.08, s * 0.62, s * 0.84), s * 0.05, s * 0.05);
    p.setPen(QPen(QColor(120, 140, 170), s * 0.025));
    for (qreal y : {0.30, 0.42, 0.54, 0.66})
        p.drawLine(QPointF(s * 0.24, s * y), QPointF(s * 0.60, s * y));
    QPainterPath quill;
    quill.moveTo(s * 0.30, s * 0.86);
    quill.cubicTo(s * 0.45, s * 0.55, s * 0.70, s * 0.25, s * 0.92, s * 0.10);
    quill.cubicTo(s * 0.80, s * 0.40, s * 0.60, s * 0.62, s * 0.30, s * 0.86);
    p.setPen(QPen(QColor(20, 40, 80), s * 0.02));
    p.setBrush(QColor(200, 120, 40));
    p.drawPath(quill);
    return pixmap;
}

} // namespace quillory
