#pragma once

#include <QtGlobal>

#include <span>

// What containers show about one member of the control's default interface: its dispatch
// identifier, help context and help string, and its browser category.
struct ControlMember
{
    const char *name;
    qint32 dispId;
    int helpContext;        // -1: none
    const char *helpString; // UTF-8; nullptr: none
    const char *category;   // nullptr: none
    bool isMethod;

    // The members of _QelCbCalc, in type-library order.
    static std::span<const ControlMember> all();
    static const ControlMember *find(const char *name);
};
