#include "aircraftcheck.h"

namespace {
// A box counts as empty when it holds nothing or a single space.
bool isBlank(const QString &text)
{
    return text.isEmpty() || text == QStringLiteral(" ");
}

AircraftCheck::Result refused(const AircraftEntry &entry, const QString &sound,
                              const QString &message)
{
    return {entry, true, sound, message};
}
} // namespace

QString AircraftCheck::trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

AircraftCheck::Result AircraftCheck::check(const AircraftEntry &typed, const QLocale &locale)
{
    AircraftEntry entry = typed;

    if (trimSpaces(entry.avion).size() > maxRegistrationLength)
        return refused(entry, QStringLiteral("caosetout.wav"),
                       QStringLiteral("L'immatriculation n'est pas correct."));
    if (isBlank(entry.avion))
        return refused(entry, QString(), QStringLiteral("Il faut mettre une immatriculation."));
    // The registration keeps its surrounding spaces: only its length is taken trimmed.
    entry.avion = locale.toUpper(entry.avion);

    if (isBlank(entry.typeAvion))
        return refused(entry, QString(), QStringLiteral("Il faut mettre un type d'avion."));
    entry.typeAvion = locale.toUpper(trimSpaces(entry.typeAvion));

    if (isBlank(entry.societe))
        return refused(entry, QStringLiteral("orbite.wav"),
                       QStringLiteral("A qui appartient l'avion ?"));
    entry.societe = locale.toUpper(trimSpaces(entry.societe));

    return {entry, false, QString(), QString()};
}
