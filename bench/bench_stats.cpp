// The hours statistics on a large logbook: "Calculer" over the whole period against the
// sqlite3 shell running the same period query, and the yearly chart workbook for 40 years.
#include "clock.h"
#include "datasource.h"
#include "desktopopener.h"
#include "heures.h"
#include "logbookgenerator.h"
#include "messagebox.h"
#include "programfolder.h"
#include "xlsxautomation.h"
#include "yearlyhours.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>

namespace {
constexpr int flights = 100000;
const QDate today(2026, 12, 11);
// The generator spreads the flights over the 40 years before December 2026.
const QDate careerStart(1986, 1, 1);
const QDate fortyYearsAgo(1987, 1, 1);

// The program folder holding the large logbook, made once for the whole run.
const QTemporaryDir &programFolder()
{
    static QTemporaryDir folder;
    static const bool made = [] {
        generateLogbook(folder.filePath(QStringLiteral("Zivada.mdb")), flights);
        ProgramFolder::setPath(folder.path());
        Clock::setToday(today);
        MessageBox::setHook([](const MessageRequest &) { return MsgAnswer::Ok; });
        DesktopOpener::setHook([](const QString &) { return true; });
        return true;
    }();
    Q_UNUSED(made);
    return folder;
}

QToolButton *button(const Heures &window, const char *name)
{
    return window.findChild<QToolButton *>(QString::fromLatin1(name));
}

void calculerWholePeriod(benchmark::State &state)
{
    programFolder();
    Heures window;
    window.findChild<DateCombo *>(QStringLiteral("QelCbDate1"))->setValue(careerStart);
    for (auto _ : state)
        button(window, "Command_1")->click();
    state.counters["flights"] = flights;
}
BENCHMARK(calculerWholePeriod)->Unit(benchmark::kMillisecond);

void sqliteShellPeriodQuery(benchmark::State &state)
{
    // The shell has no DateValue: the bounds are the ISO texts it yields.
    const QString query = QStringLiteral("SELECT Date,Type,\"Durée\",Vol from Tbl_Vols WHERE "
                                         "Date >= '%1' And Date <= '%2'")
                              .arg(careerStart.toString(Qt::ISODate), today.toString(Qt::ISODate));
    const QString command =
        QStringLiteral("sqlite3 '%1' \"%2\" > /dev/null")
            .arg(programFolder().filePath(QStringLiteral("Zivada.mdb")),
                 QString(query).replace(QLatin1Char('"'), QStringLiteral("\\\"")));
    for (auto _ : state) {
        if (std::system(command.toLocal8Bit().constData()) != 0)
            state.SkipWithError("the sqlite3 shell failed");
    }
}
BENCHMARK(sqliteShellPeriodQuery)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 40 per-year queries alone, without the workbook.
void yearlySums40Years(benchmark::State &state)
{
    DataSource dataCalc;
    dataCalc.setDatabaseName(programFolder().filePath(QStringLiteral("Zivada.mdb")));
    for (auto _ : state)
        benchmark::DoNotOptimize(YearlyHours::compute(dataCalc, fortyYearsAgo, today.year()));
}
BENCHMARK(yearlySums40Years)->Unit(benchmark::kMillisecond);

// "Graphique Excel" from the click to the workbook written whole, 40 rows and the chart.
void chartWorkbook40Years(benchmark::State &state)
{
    programFolder();
    QTemporaryDir documents;
    Heures window;
    window.setAutomationFactory(
        [&documents] { return std::make_unique<XlsxAutomation>(documents.path()); });
    window.findChild<DateCombo *>(QStringLiteral("QelCbDate1"))->setValue(fortyYearsAgo);
    for (auto _ : state) {
        button(window, "Graph")->click();
        state.PauseTiming();
        // A fresh folder each time, so the search for a free name stays the same.
        for (const QString &file : QDir(documents.path()).entryList(QDir::Files))
            QFile::remove(QDir(documents.path()).filePath(file));
        state.ResumeTiming();
    }
}
BENCHMARK(chartWorkbook40Years)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
