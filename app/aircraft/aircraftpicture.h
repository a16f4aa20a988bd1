#pragma once

#include <QPixmap>

// The register's decoration: an aircraft seen from above, drawn at any size.
class AircraftPicture
{
public:
    static QPixmap pixmap(int side, const QColor &color);
};
