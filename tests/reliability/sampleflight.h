#pragma once

#include <QDate>
#include <QString>

// The flight the crash-safety writer adds as its n-th flight of a round. Both the writer and
// the test derive it from (round, n), so every row found in the file can be checked in full.
struct SampleFlight
{
    QDate date;
    QString avion;
    QString type;
    QString societe;
    qint64 duree = 0;
    QString vol;
    QString commentaires;

    static SampleFlight make(int round, int n);
};
