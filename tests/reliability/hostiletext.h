#pragma once

#include <QList>
#include <QString>

class QWidget;

// Texts that break programs which paste values into SQL, cut strings by bytes or assume one
// direction of writing; every text field of the windows must store them unchanged.
struct HostileText
{
    const char *name;
    QString text;

    static QList<HostileText> all();
    // The same kinds of text cut to at most `length` characters (for a field with a limit).
    static QList<HostileText> shortOnes(int length);
};

// Types the text into the widget key by key, as a user would: one key event per character
// (a character outside the BMP is one event carrying its surrogate pair); the invisible
// joiners and direction marks, which no key types, come as input-method text.
void typeText(QWidget *target, const QString &text);

// The hex of the text's UTF-8 bytes, upper case: what SQLite's hex() gives for the stored text.
QString utf8Hex(const QString &text);
