#pragma once

#include "calcengine.h"

#include <QtGlobal>

#include <span>

// One key of the calculator's keypad: where it sits, how it looks, what it does and which
// keyboard key presses it. The window is built from the table of all 27.
struct CalcKeySpec
{
    // Whose colour the key's caption takes from the control.
    enum class ColorRole { Number, Memory, Operator, Cancel, AdvancedOperator };

    const char *objectName;
    const char *caption; // UTF-8; the decimal key takes the locale's separator at load
    CalcEngine::Key key;
    int index; // element of a key array, 0 otherwise
    // Design layout in twips.
    int left;
    int top;
    int width;
    int height;
    bool bold;
    ColorRole role;
    quint32 designColor; // OLE colour of the caption before the control's colours apply
    const char *accessibleName;
    // Characters that press the key when typed; empty for none.
    const char *characters;
    // The key code that presses it (a Qt::Key), 0 for none; some need Ctrl held.
    int keyCode;
    bool withControl;

    static std::span<const CalcKeySpec> keypad();
    // The key a typed character names, or nullptr.
    static const CalcKeySpec *forCharacter(QChar character);
    // The key a key code presses (Enter counts as Return), or nullptr.
    static const CalcKeySpec *forKeyCode(int keyCode, bool controlHeld);
};
