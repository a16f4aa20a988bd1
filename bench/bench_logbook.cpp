// Opening the logbook: the grid's data source re-read with the grid model reset, against the
// sqlite3 shell running the same ordered query.
#include "datasource.h"
#include "flighttablemodel.h"
#include "logbookgenerator.h"
#include "programfolder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {
const QString orderedQuery = QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC");

// One logbook per size, made once for the whole run.
QString logbookOf(int flights)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Zivada-%1.mdb").arg(flights));
    if (!QFile::exists(path))
        generateLogbook(path, flights);
    return path;
}

void refreshWithGrid(benchmark::State &state)
{
    DataSource source;
    source.setDatabaseName(logbookOf(int(state.range(0))));
    source.setRecordSource(orderedQuery);
    FlightTableModel model(source);
    for (auto _ : state) {
        source.refresh();
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["flights"] = model.rowCount();
}
BENCHMARK(refreshWithGrid)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void sqliteShellOrderedQuery(benchmark::State &state)
{
    const QString command = QStringLiteral("sqlite3 '%1' '%2' > /dev/null")
                                .arg(logbookOf(int(state.range(0))), orderedQuery);
    for (auto _ : state) {
        if (std::system(command.toLocal8Bit().constData()) != 0)
            state.SkipWithError("the sqlite3 shell failed");
    }
}
BENCHMARK(sqliteShellOrderedQuery)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
