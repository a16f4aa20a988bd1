#include "controlmember.h"

#include <cstring>

namespace {

// Standard identifiers of the enabled property, the About box method and the font property.
constexpr qint32 dispIdEnabled = -514;
constexpr qint32 dispIdAboutBox = -552;
constexpr qint32 dispIdFont = -512;

constexpr ControlMember members[] = {
    {"BackColor", 0x68030014, 240,
     "Renvoie ou définit la couleur d'arrière-plan utilisée pour afficher le texte et les "
     "graphiques d'un objet.",
     "Apparence", false},
    {"ForeColor", 0x68030013, 450, "Renvoie ou définit la couleur du texte du ComboBox", nullptr,
     false},
    {"hWnd", 0x68030012, -1, nullptr, nullptr, false},
    {"ButtonWidth", 0x68030011, 270, "Renvoie ou définit la largeur du bouton du ComboBox.",
     nullptr, false},
    {"Value", 0x68030010, 470, "Renvoie ou définit la valeur du nombre affiché.", "Divers", false},
    {"CalcBackColor", 0x6803000F, 330,
     "Renvoie ou définit la couleur d'arriere plan de la calculatrice.", nullptr, false},
    {"CalcNumberColor", 0x6803000E, 410,
     "Renvoie ou définit la couleur du texte des boutons ( 0-9;,;+/-) de la calculatrice.", nullptr,
     false},
    {"CalcMemoryColor", 0x6803000D, 360,
     "Renvoie ou définit la couleur du texte des boutons (MC,MR,MS,M+).", nullptr, false},
    {"CalcOpsColor", 0x6803000C, 440,
     "Renvoie ou définit la couleur du texte des boutons (+,-,x,÷,=)", nullptr, false},
    {"CalcButtonColor", 0x6803000B, 340,
     "Renvoie ou définit la couleur de premier plan des boutons de la calculatrice.", nullptr,
     false},
    {"CalcCancelColor", 0x6803000A, 350,
     "Renvoie ou définit la couleur du texte des boutons (Back,CE,C).", nullptr, false},
    {"Enabled", dispIdEnabled, 0,
     " Renvoie ou définit une valeur qui détermine si un objet peut répondre à des événements "
     "générés par l'utilisateur.",
     "Comportement", false},
    {"Locked", 0x68030009, 0, "Détermine si un contrôle peut être modifié.", nullptr, false},
    {"CalcMousePointer", 0x68030008, 400,
     "Renvoie ou définit une valeur indiquant le type de pointeur de la souris qui est affiché "
     "lorsque celle-ci se trouve au-dessus de la calculatrice au moment de l'exécution.",
     nullptr, false},
    {"CalcMouseIcon", 0x68030007, 390,
     "Renvoie ou définit une icône de souris personnalisée,lorsque la propriété CalcMousePointer "
     "à la valeur 99 (Custom).",
     nullptr, false},
    {"ShowAboutFrm", dispIdAboutBox, 0, "Afiche la feuille A propos.", nullptr, true},
    {"CalcMemStatBackColor", 0x68030006, 370,
     "Renvoie ou définit la couleur d'arriere plan de la case indiquant l'état de la mémoire.",
     nullptr, false},
    {"CalcMemStatColor", 0x68030005, 380,
     "Renvoie ou définit la couleur du texte de la case indiquant si un nombre est en mémoire.",
     nullptr, false},
    {"CalcAdvOpsColor", 0x68030004, 300,
     "Renvoie ou définit la couleur du texte des boutons ( sqrt,%,1/x).", nullptr, false},
    {"Font", dispIdFont, 0, "Renvoie un objet Font.", "Police", false},
    {"Refresh", 0x60030029, -1, nullptr, nullptr, true},
    {"OutPutFormat", 0x68030003, 460,
     "Renvoie ou définit le format du nombre affiché après une opération ou lorsque le controle "
     "perd le focus.",
     nullptr, false},
    {"DisableButtonPicture", 0x68030002, 700,
     "Renvoie ou définit l'image du DropDown bouton lorsque la propriété Enable du contrôle est "
     "sur False.",
     nullptr, false},
    {"DownButtonPicture", 0x68030001, 710,
     "Renvoie ou définit l'image du DropDown bouton lorsque celui ci est enfoncé.", nullptr, false},
    {"ButtonPicture", 0x68030000, 690,
     "Renvoie ou définit un graphique à afficher dans un contrôle CommandButton, OptionButton ou "
     "CheckBox, si Style est à 1.",
     nullptr, false},
};

} // namespace

std::span<const ControlMember> ControlMember::all()
{
    return members;
}

const ControlMember *ControlMember::find(const char *name)
{
    for (const ControlMember &member : members) {
        if (std::strcmp(member.name, name) == 0)
            return &member;
    }
    return nullptr;
}
