#include "calckeyspec.h"

#include <Qt>

#include <cstring>

namespace {

using Key = CalcEngine::Key;
using Role = CalcKeySpec::ColorRole;

constexpr quint32 red = 0xFF;
constexpr quint32 darkRed = 0xC0;
constexpr quint32 blue = 0xFF0000;
constexpr quint32 darkBlue = 0x800000;

// clang-format off
constexpr CalcKeySpec keys[] = {
    {"chkMemory_0", "MC", Key::Memory, 0, 15, 360, 400, 315, false, Role::Memory, red, "Effacer la mémoire", "", Qt::Key_L, true},
    {"chkMemory_1", "MR", Key::Memory, 1, 15, 720, 400, 315, false, Role::Memory, red, "Rappeler la mémoire", "", Qt::Key_R, true},
    {"chkMemory_2", "MS", Key::Memory, 2, 15, 1095, 400, 315, false, Role::Memory, red, "Mettre en mémoire", "", Qt::Key_M, true},
    {"chkMemory_3", "M+", Key::Memory, 3, 15, 1455, 400, 315, false, Role::Memory, red, "Ajouter à la mémoire", "", Qt::Key_P, true},
    {"chkBack", "Back", Key::Back, 0, 510, 15, 600, 315, false, Role::Cancel, darkRed, "Effacer le dernier chiffre", "", Qt::Key_Backspace, false},
    {"chkCancelEntry", "CE", Key::CancelEntry, 0, 1215, 15, 555, 315, false, Role::Cancel, darkRed, "Effacer l'entrée", "", Qt::Key_Delete, false},
    {"chkCancel", "C", Key::Cancel, 0, 1860, 15, 555, 315, false, Role::Cancel, darkRed, "Effacer tout", "", Qt::Key_Escape, false},
    {"chkNumber_7", "7", Key::Number, 7, 510, 360, 315, 315, false, Role::Number, blue, "7", "7", 0, false},
    {"chkNumber_8", "8", Key::Number, 8, 870, 360, 315, 315, false, Role::Number, blue, "8", "8", 0, false},
    {"chkNumber_9", "9", Key::Number, 9, 1230, 360, 315, 315, false, Role::Number, blue, "9", "9", 0, false},
    {"chkNumber_4", "4", Key::Number, 4, 510, 720, 315, 315, false, Role::Number, blue, "4", "4", 0, false},
    {"chkNumber_5", "5", Key::Number, 5, 870, 720, 315, 315, false, Role::Number, blue, "5", "5", 0, false},
    {"chkNumber_6", "6", Key::Number, 6, 1230, 720, 315, 315, false, Role::Number, blue, "6", "6", 0, false},
    {"chkNumber_1", "1", Key::Number, 1, 510, 1095, 315, 315, false, Role::Number, blue, "1", "1", 0, false},
    {"chkNumber_2", "2", Key::Number, 2, 870, 1095, 315, 315, false, Role::Number, blue, "2", "2", 0, false},
    {"chkNumber_3", "3", Key::Number, 3, 1230, 1095, 315, 315, false, Role::Number, blue, "3", "3", 0, false},
    {"chkNumber_0", "0", Key::Number, 0, 510, 1455, 315, 315, false, Role::Number, blue, "0", "0", 0, false},
    {"chkSign", "+/-", Key::Sign, 0, 870, 1455, 315, 315, false, Role::Number, blue, "Changer le signe", "", Qt::Key_F9, false},
    {"chkDecimal", ".", Key::Decimal, 0, 1230, 1455, 315, 315, true, Role::Number, blue, "Séparateur décimal", ".,", 0, false},
    {"chkOperator_3", "÷", Key::Operator, 3, 1635, 360, 360, 315, true, Role::Operator, red, "Diviser", "/", 0, false},
    {"chkOperator_2", "x", Key::Operator, 2, 1635, 720, 360, 315, false, Role::Operator, red, "Multiplier", "*", 0, false},
    {"chkOperator_1", "-", Key::Operator, 1, 1635, 1095, 360, 315, true, Role::Operator, red, "Soustraire", "-", 0, false},
    {"chkOperator_0", "+", Key::Operator, 0, 1635, 1455, 360, 315, true, Role::Operator, red, "Additionner", "+", 0, false},
    {"chksqrt", "sqrt", Key::Sqrt, 0, 2055, 360, 360, 315, false, Role::AdvancedOperator, darkBlue, "Racine carrée", "@", 0, false},
    {"chkPercent", "%", Key::Percent, 0, 2055, 720, 360, 315, true, Role::AdvancedOperator, darkBlue, "Pourcentage", "%", 0, false},
    {"chkFraction", "1/x", Key::Fraction, 0, 2055, 1095, 360, 315, false, Role::AdvancedOperator, darkBlue, "Inverse", "rR", 0, false},
    {"chkOperator_4", "=", Key::Operator, 4, 2055, 1455, 360, 315, false, Role::Operator, red, "Égal", "", Qt::Key_Return, false},
};
// clang-format on

} // namespace

std::span<const CalcKeySpec> CalcKeySpec::keypad()
{
    return keys;
}

const CalcKeySpec *CalcKeySpec::forCharacter(QChar character)
{
    if (character.isNull() || character.unicode() > 0x7F)
        return nullptr;
    const char wanted = char(character.unicode());
    for (const CalcKeySpec &entry : keys) {
        if (std::strchr(entry.characters, wanted) && wanted != '\0')
            return &entry;
    }
    return nullptr;
}

const CalcKeySpec *CalcKeySpec::forKeyCode(int keyCode, bool controlHeld)
{
    if (keyCode == Qt::Key_Enter)
        keyCode = Qt::Key_Return;
    for (const CalcKeySpec &entry : keys) {
        if (entry.keyCode != 0 && entry.keyCode == keyCode && (!entry.withControl || controlHeld))
            return &entry;
    }
    return nullptr;
}
