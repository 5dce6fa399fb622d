#include "app/AppIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace morvik {

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    // A touch mark: two arcs over a dot.
    painter.setPen(QPen(Qt::white, size / 12.0));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(size / 2.0, size * 0.62);
    for (double r : {size * 0.22, size * 0.36}) {
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, size / 14.0, size / 14.0);
    painter.end();
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(AppIconPixmap(size));
    }
    return icon;
}

}  // namespace morvik
