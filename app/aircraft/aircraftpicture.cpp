#include "aircraftpicture.h"

#include <QPainter>
#include <QPainterPath>

QPixmap AircraftPicture::pixmap(int side, const QColor &color)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.scale(side / 32.0, side / 32.0);

    // Drawn on a 32 x 32 grid, nose up.
    QPainterPath plane;
    plane.addRoundedRect(QRectF(14.5, 2, 3, 27), 1.5, 1.5); // fuselage
    plane.addRoundedRect(QRectF(2, 10, 28, 4), 1.5, 1.5);   // wings
    plane.addRoundedRect(QRectF(10, 25, 12, 2.5), 1, 1);    // tailplane
    plane.setFillRule(Qt::WindingFill);
    painter.drawPath(plane);
    return pixmap;
}
