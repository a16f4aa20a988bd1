#pragma once

#include <QLocale>
#include <QString>

// The three texts of one aircraft as typed in the register.
struct AircraftEntry
{
    QString avion;
    QString typeAvion;
    QString societe;

    bool operator==(const AircraftEntry &) const = default;
};

// The check run before every save of the register: refuses a missing or too long
// registration, a missing type or owner, and upper-cases what it has passed. The steps run in
// order and stop at the first refusal; the texts already upper-cased by earlier steps stay so.
class AircraftCheck
{
public:
    struct Result
    {
        AircraftEntry entry; // the texts to put back in the boxes
        bool invalid = false;
        QString sound;   // the cue to play before the message, if any
        QString message; // empty when the entry passed
    };

    static Result check(const AircraftEntry &typed, const QLocale &locale = QLocale());

    // Leading and trailing spaces only: tabs and other blanks are kept as typed.
    static QString trimSpaces(const QString &text);

    static constexpr int maxRegistrationLength = 6;
};
