#pragma once

#include <QString>
#include <QVariant>

// Which flights a total counts: every kind, solo ("S") or instruction ("D") flights, of one
// aircraft type or of all (an empty type). Comparisons are exact and case-sensitive, and a
// flight whose type or kind is Null is never counted.
class FlightSelection
{
public:
    enum class Kind { All, Solo, Instruction };

    FlightSelection() = default;
    FlightSelection(Kind kind, const QString &type)
        : mKind(kind)
        , mType(type)
    {}

    bool counts(const QVariant &type, const QVariant &vol) const;

private:
    Kind mKind = Kind::All;
    QString mType;
};
