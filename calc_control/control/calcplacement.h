#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where the calculator drops: just below the text box, above it when it would leave the
// bottom of the screen, pushed left when it would leave the right edge. Computed in twips
// like the window's own layout, at 15 twips per pixel.
class CalcPlacement
{
public:
    static constexpr int twipsPerPixel = 15;
    // The room the calculator needs (a little more than its outer size).
    static constexpr int neededHeightTwips = 1875;
    static constexpr int neededWidthTwips = 2535;

    // The calculator's top-left corner in screen pixels, for a text box at `textBox` (screen
    // pixels) on a screen of `screen` (screen pixels).
    static QPoint place(const QRect &textBox, const QRect &screen);

    // The screen the calculator of `widget` drops on: the injected one when set, otherwise
    // the widget's own screen.
    static QRect screenOf(const QWidget *widget);
    // Tests place the calculator on a screen of their choice; an empty rectangle restores the
    // real screen.
    static void setScreenForTesting(const QRect &screen);
};
