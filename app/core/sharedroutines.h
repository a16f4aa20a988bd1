#pragma once

#include <QString>

// Keeps Backspace and the digits 0 to 9; any other key code becomes 0 (the key is dropped).
// The text of the field is not consulted.
void DigitKeyFilter(const QString &text, char16_t &keyAscii);

// The name of the user logged on.
QString UserName();
