#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QtGlobal>

// Colours as controls store them: blue, green and red bytes from high to low, or, with the top
// bit set, the index of a system colour, which follows the platform palette.
namespace OleColor {

inline constexpr quint32 systemFlag = 0x80000000u;

inline bool isSystemColor(quint32 ole)
{
    return (ole & systemFlag) != 0;
}

inline QColor fromRgbBytes(quint32 ole)
{
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}

// The palette colour of a system colour index; invalid for an index without one.
inline QColor systemColor(quint32 index, const QPalette &palette)
{
    const QPalette::ColorGroup active = QPalette::Active;
    const QPalette::ColorGroup inactive = QPalette::Inactive;
    switch (index) {
    case 0: // scroll bar
        return palette.color(active, QPalette::Mid);
    case 1:  // desktop
    case 12: // application workspace
        return palette.color(active, QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
        return palette.color(active, QPalette::Highlight);
    case 3: // inactive caption
        return palette.color(inactive, QPalette::Highlight);
    case 4: // menu
        return palette.color(active, QPalette::Window);
    case 5: // window
        return palette.color(active, QPalette::Base);
    case 6:  // window frame
    case 21: // dark 3-D shadow
        return palette.color(active, QPalette::Shadow);
    case 7: // menu text
        return palette.color(active, QPalette::WindowText);
    case 8: // window text
        return palette.color(active, QPalette::Text);
    case 9:  // caption text
    case 14: // highlight text
        return palette.color(active, QPalette::HighlightedText);
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
        return palette.color(active, QPalette::Button);
    case 16: // button shadow
        return palette.color(active, QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(active, QPalette::ButtonText);
    case 19: // inactive caption text
        return palette.color(inactive, QPalette::HighlightedText);
    case 20: // button highlight
        return palette.color(active, QPalette::Light);
    case 22: // 3-D light
        return palette.color(active, QPalette::Midlight);
    case 23: // tool tip text
        return palette.color(active, QPalette::ToolTipText);
    case 24: // tool tip back
        return palette.color(active, QPalette::ToolTipBase);
    default:
        return {};
    }
}

// The colour to paint with; invalid for a system index the platform has no colour for.
inline QColor toColor(quint32 ole, const QPalette &palette = QGuiApplication::palette())
{
    if (isSystemColor(ole))
        return systemColor(ole & 0xFFFFu, palette);
    return fromRgbBytes(ole);
}

inline quint32 fromColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace OleColor
