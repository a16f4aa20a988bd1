// Adds flights to a logbook the way the add-flight form does (AddNew, the seven fields,
// Update, then Refresh of the ordered set) and prints "Num round n" once each Update returned.
// Usage: flightwriter <database> <round> [count]; without a count it writes until killed.
#include "datasource.h"
#include "sampleflight.h"

#include <cstdio>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: flightwriter <database> <round> [count]\n");
        return 2;
    }
    const int round = QString::fromLocal8Bit(argv[2]).toInt();
    const int count = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : -1;

    DataSource data1;
    data1.setConnect(QStringLiteral("Access 2000;"));
    data1.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    data1.setRecordSource(QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC"));
    data1.refresh();

    for (int n = 0; count < 0 || n < count; ++n) {
        const SampleFlight flight = SampleFlight::make(round, n);
        Recordset &flights = data1.recordset();
        flights.addNew();
        flights.setField(QStringLiteral("Date"), flight.date);
        flights.setField(QStringLiteral("Avion"), flight.avion);
        flights.setField(QStringLiteral("Type"), flight.type);
        flights.setField(QStringLiteral("Société"), flight.societe);
        flights.setField(QStringLiteral("Durée"), QString::number(flight.duree));
        flights.setField(QStringLiteral("Vol"), flight.vol);
        flights.setField(QStringLiteral("Commentaires"), flight.commentaires);
        flights.update();
        std::printf("%lld %d %d\n", static_cast<long long>(flights.lastModified()), round, n);
        std::fflush(stdout);
        data1.refresh();
    }
    return 0;
}
