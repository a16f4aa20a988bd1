#include "sampleflight.h"

SampleFlight SampleFlight::make(int round, int n)
{
    SampleFlight flight;
    flight.date = QDate(2001, 1, 1).addDays((round * 37 + n) % 9000);
    flight.avion = QStringLiteral("F-%1").arg(round % 1000, 3, 10, QLatin1Char('0'));
    flight.type = QStringLiteral("DR400-%1").arg(n % 7);
    flight.societe = QStringLiteral("Aéroclub n°%1").arg(round);
    flight.duree = 30 + (n % 200);
    flight.vol = n % 2 ? QStringLiteral("S") : QStringLiteral("D");
    // Long comments of varying size make a flight span pages, so a kill can land mid-page.
    flight.commentaires = QStringLiteral("r%1 n%2 ").arg(round).arg(n) +
                          QString(200 + (n * 131) % 3000, QChar(u'a' + n % 26));
    return flight;
}
