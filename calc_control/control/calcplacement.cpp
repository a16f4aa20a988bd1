#include "calcplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QRect &injectedScreen()
{
    static QRect screen;
    return screen;
}

int toTwips(int pixels)
{
    return pixels * CalcPlacement::twipsPerPixel;
}

int toPixels(int twips)
{
    return qRound(double(twips) / CalcPlacement::twipsPerPixel);
}
} // namespace

QPoint CalcPlacement::place(const QRect &textBox, const QRect &screen)
{
    // Coordinates stay 32-bit: on screens wider than 2184 pixels a 16-bit twip value would
    // overflow and throw the calculator to the screen's edge.
    const int left = toTwips(textBox.left());
    const int top = toTwips(textBox.top());
    const int bottom = toTwips(textBox.top() + textBox.height());
    const int screenLeft = toTwips(screen.left());
    const int screenRight = toTwips(screen.left() + screen.width());
    const int screenBottom = toTwips(screen.top() + screen.height());

    int y = bottom;
    if (bottom + neededHeightTwips > screenBottom)
        y = top - neededHeightTwips;

    int x = qMax(left, screenLeft);
    if (left + neededWidthTwips > screenRight)
        x = screenRight - neededWidthTwips;
    return {toPixels(x), toPixels(y)};
}

QRect CalcPlacement::screenOf(const QWidget *widget)
{
    if (!injectedScreen().isEmpty())
        return injectedScreen();
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void CalcPlacement::setScreenForTesting(const QRect &screen)
{
    injectedScreen() = screen;
}
