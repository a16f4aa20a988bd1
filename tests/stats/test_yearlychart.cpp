#include "cellrange.h"
#include "desktopopener.h"
#include "recordingautomation.h"
#include "statsfixture.h"
#include "xlsxautomation.h"
#include "xlsxreader.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
const QString graph = QStringLiteral("Graph");

// Today is 10 September 2006. Flights from 2004 to 2007, some of which the chart must leave
// out: before the start date, after the current year, with a Null type or kind.
class YearlyChartTest : public StatsFixture
{
protected:
    QDate today() const override { return QDate(2006, 9, 10); }

    void SetUp() override
    {
        StatsFixture::SetUp();
        DesktopOpener::setHook([this](const QString &path) {
            opened << path;
            return opens;
        });
    }
    void TearDown() override
    {
        DesktopOpener::setHook({});
        StatsFixture::TearDown();
    }

    void addThreeYearsOfFlights() const
    {
        folder.addFlight(QDate(2004, 6, 14), "F-GAAA", "C172", "CLUB", 1000, "S");
        folder.addFlight(QDate(2004, 6, 15), "F-GAAA", "C172", "CLUB", 65, "S");
        folder.addFlight(QDate(2004, 12, 31), "F-GAAA", "PA28", "CLUB", 10, "X");
        folder.addFlight(QDate(2006, 1, 1), "F-GAAA", "C172", "CLUB", 600, "D");
        folder.addFlight(QDate(2006, 12, 31), "F-GAAA", "C172", "CLUB", 5, "S");
        folder.addFlight(QDate(2006, 3, 3), "F-GAAA", QVariant(), "CLUB", 300, "S");
        folder.addFlight(QDate(2006, 3, 4), "F-GAAA", "C172", "CLUB", 300, QVariant());
        folder.addFlight(QDate(2007, 1, 1), "F-GAAA", "C172", "CLUB", 999, "S");
    }

    // The window from 15 June 2004, with an end date, option and type that must change nothing.
    std::unique_ptr<Heures> windowFrom2004() const
    {
        folder.addAircraft("F-GAAA", "PA28", "CLUB");
        auto window = openWindow();
        startDate(*window)->setValue(QDate(2004, 6, 15));
        endDate(*window)->setValue(QDate(2004, 7, 1));
        chooseOption(*window, 1);
        pickType(*window, QStringLiteral("PA28"));
        return window;
    }

    void recordInto(Heures &window)
    {
        window.setAutomationFactory([this] {
            ++programsStarted;
            return std::make_unique<RecordingAutomation>(calls);
        });
    }

    QStringList calls;
    int programsStarted = 0;
    QStringList opened;
    bool opens = true;
};

TEST_F(YearlyChartTest, DrivesTheSpreadsheetInItsOrderAndCloses)
{
    addThreeYearsOfFlights();
    const auto window = windowFrom2004();
    recordInto(*window);
    window->show();

    click(*window, graph);

    const QStringList expected = {
        "CreateObject Excel.Application",
        "Visible = True",
        "Workbooks.Add",
        "Range(a1).Value = 2004",
        "Range(b1).NumberFormat = [h]:mm",
        "Range(b1).Value = \"1:15\"",
        "Range(a2).Value = 2005",
        "Range(b2).NumberFormat = [h]:mm",
        "Range(b2).Value = \"0:00\"",
        "Range(a3).Value = 2006",
        "Range(b3).NumberFormat = [h]:mm",
        "Range(b3).Value = \"10:05\"",
        "Range(b1:b3).Select",
        "Charts.Add",
        "ActiveChart.ChartType = 92",
        "ActiveChart.SetSourceData Sheets(Feuil1).Range(b1:b3), 2",
        "ActiveChart.SeriesCollection(1).XValues = Sheets(Feuil1).Range(a1:a3)",
        "ActiveChart.SeriesCollection(1).Name = =\"Heures\"",
        "ActiveChart.Location 1",
        "ActiveChart.HasLegend = False",
        "ActiveChart.RightAngleAxes = True",
        "ActiveChart.HasTitle = True",
        "ActiveChart.ChartTitle.Characters.Text = Mes Heures de vol par Année",
        "ActiveChart.ChartTitle.Font.Size = 24",
        "ActiveChart.Axes(1, 1).HasTitle = False",
        "ActiveChart.Axes(3, 1).HasTitle = False",
        "ActiveChart.Axes(2, 1).HasTitle = False",
        "(workbook handed over)",
    };
    EXPECT_EQ(calls, expected);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(recorder.events().isEmpty()) << recorder.events().join('|').toStdString();
}

TEST_F(YearlyChartTest, AStartInTheCurrentYearGivesOneRow)
{
    folder.addFlight(QDate(2006, 9, 1), "F-GAAA", "C172", "CLUB", 45, "S");
    const auto window = openWindow();
    recordInto(*window);
    startDate(*window)->setValue(QDate(2006, 9, 1));

    click(*window, graph);

    EXPECT_TRUE(calls.contains("Range(b1).Value = \"0:45\""));
    EXPECT_TRUE(calls.contains("Range(b1:b1).Select"));
    EXPECT_FALSE(calls.contains("Range(a2).Value = 2007"));
}

TEST_F(YearlyChartTest, AYearBeyondSixteenBitsKeepsEveryHourDigit)
{
    // 40,000 minutes in one year: 666 hours 40, more than a 16-bit sum holds.
    for (int month = 1; month <= 8; ++month)
        folder.addFlight(QDate(2006, month, 1), "F-GAAA", "C172", "CLUB", 5000, "S");
    const auto window = openWindow();
    recordInto(*window);
    startDate(*window)->setValue(QDate(2006, 1, 1));

    click(*window, graph);

    EXPECT_TRUE(calls.contains("Range(b1).Value = \"666:40\"")) << calls.join('\n').toStdString();
}

TEST_F(YearlyChartTest, AStartAfterTheCurrentYearChartsNothing)
{
    const auto window = openWindow();
    recordInto(*window);
    window->show();
    startDate(*window)->setValue(QDate(2007, 1, 1));

    click(*window, graph);

    EXPECT_EQ(recorder.events(),
              QStringList{"box:Il n'y a aucune année à représenter : la date de début est "
                          "postérieure à l'année en cours."});
    EXPECT_EQ(programsStarted, 0);
    EXPECT_TRUE(window->isVisible());
}

// The real spreadsheet back end, writing into a documents folder that does not exist yet.
class WorkbookTest : public YearlyChartTest
{
protected:
    QString documents() const { return scratch.filePath(QStringLiteral("Documents")); }
    QString workbook(const QString &name) const { return QDir(documents()).filePath(name); }
    QStringList filesInDocuments() const
    {
        return QDir(documents()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    void chartFrom2004()
    {
        const auto window = windowFrom2004();
        window->setAutomationFactory(
            [this] { return std::make_unique<XlsxAutomation>(documents()); });
        click(*window, graph);
    }

    QTemporaryDir scratch;
};

TEST_F(WorkbookTest, WritesTheYearsAsTimesAndTheirChart)
{
    addThreeYearsOfFlights();
    chartFrom2004();

    const QString saved = workbook(QStringLiteral("Heures de vol 2006-09-10.xlsx"));
    EXPECT_EQ(filesInDocuments(), QStringList{"Heures de vol 2006-09-10.xlsx"});
    EXPECT_EQ(opened, QStringList{saved});
    EXPECT_TRUE(recorder.events().isEmpty()) << recorder.events().join('|').toStdString();

    const XlsxReader book(saved);
    ASSERT_TRUE(book.isOpen()) << book.error().toStdString();
    EXPECT_EQ(book.sheetNames(), (QStringList{"Feuil1", "Graph1"}));

    const auto cells = book.cells(QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(cells.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
    const struct
    {
        const char *reference;
        double value;
        const char *format;
    } expected[] = {
        {"A1", 2004, "General"},       {"A2", 2005, "General"}, {"A3", 2006, "General"},
        {"B1", 75 / 1440.0, "[h]:mm"}, {"B2", 0, "[h]:mm"},     {"B3", 605 / 1440.0, "[h]:mm"},
    };
    for (const auto &cell : expected) {
        const XlsxReader::Cell found = cells.value(QString::fromLatin1(cell.reference));
        EXPECT_EQ(found.type, QStringLiteral("n")) << cell.reference;
        EXPECT_DOUBLE_EQ(found.value.toDouble(), cell.value) << cell.reference;
        EXPECT_EQ(found.numberFormat, QString::fromLatin1(cell.format)) << cell.reference;
    }

    QStringList series, values, categories, names, title, titleSizes, valueAxisFormats;
    bool legend = false, axisTitle = false, columns = false;
    for (const XlsxReader::Element &element : book.elements("xl/charts/chart1.xml")) {
        const QString &path = element.path;
        if (path.endsWith("c:barChart/c:barDir"))
            columns = element.attributes.value("val") == QLatin1String("col");
        if (path.endsWith("c:barChart/c:ser"))
            series << path;
        if (path.endsWith("c:ser/c:val/c:numRef/c:f"))
            values << element.text;
        if (path.endsWith("c:ser/c:cat/c:numRef/c:f"))
            categories << element.text;
        if (path.endsWith("c:ser/c:tx/c:v"))
            names << element.text;
        if (path.contains("c:chart/c:title/") && path.endsWith("/a:t"))
            title << element.text;
        if (path.contains("c:chart/c:title/") && element.attributes.hasAttribute("sz"))
            titleSizes << element.attributes.value("sz").toString();
        if (path.endsWith("c:valAx/c:numFmt"))
            valueAxisFormats << element.attributes.value("formatCode").toString();
        legend = legend || path.endsWith("c:legend");
        axisTitle = axisTitle || ((path.contains("Ax/c:title")));
    }
    EXPECT_TRUE(columns);
    EXPECT_EQ(series.size(), 1);
    EXPECT_EQ(values, QStringList{"Feuil1!$B$1:$B$3"});
    EXPECT_EQ(categories, QStringList{"Feuil1!$A$1:$A$3"});
    EXPECT_EQ(names, QStringList{"Heures"});
    EXPECT_EQ(title, QStringList{"Mes Heures de vol par Année"});
    EXPECT_FALSE(titleSizes.isEmpty());
    EXPECT_EQ(titleSizes.filter("2400").size(), titleSizes.size())
        << titleSizes.join(' ').toStdString();
    EXPECT_EQ(valueAxisFormats, QStringList{"[h]:mm"});
    EXPECT_FALSE(legend);
    EXPECT_FALSE(axisTitle);
}

TEST_F(WorkbookTest, NeverWritesOverAnExistingWorkbook)
{
    ASSERT_TRUE(QDir().mkpath(documents()));
    QFile mine(workbook(QStringLiteral("Heures de vol 2006-09-10.xlsx")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own file");
    mine.close();

    chartFrom2004();
    chartFrom2004();

    EXPECT_EQ(filesInDocuments(),
              (QStringList{"Heures de vol 2006-09-10 (2).xlsx", "Heures de vol 2006-09-10 (3).xlsx",
                           "Heures de vol 2006-09-10.xlsx"}));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("the user's own file"));
    EXPECT_EQ(opened, (QStringList{workbook("Heures de vol 2006-09-10 (2).xlsx"),
                                   workbook("Heures de vol 2006-09-10 (3).xlsx")}));
}

TEST_F(WorkbookTest, AWorkbookNothingOpensIsNamedByItsPath)
{
    opens = false;
    chartFrom2004();

    const QString saved = workbook(QStringLiteral("Heures de vol 2006-09-10.xlsx"));
    EXPECT_TRUE(XlsxReader(saved).isOpen());
    ASSERT_EQ(recorder.boxes().size(), 1);
    EXPECT_EQ(recorder.boxes().first().prompt,
              "Aucun programme n'a pu ouvrir le classeur. Il est enregistré sous :\n" + saved);
    EXPECT_EQ(recorder.boxes().first().icon, MsgIcon::Information);
}

TEST_F(WorkbookTest, AFolderThatCannotBeMadeLeavesNoFile)
{
    // A file stands where the documents folder should be.
    QFile blocker(documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    chartFrom2004();

    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(recorder.boxes().size(), 1);
    EXPECT_TRUE(recorder.boxes().first().prompt.startsWith(
        "Le classeur n'a pas pu être enregistré dans le dossier " + documents()));
    EXPECT_EQ(recorder.boxes().first().icon, MsgIcon::Critical);
    EXPECT_EQ(
        QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{"Documents"});
}

TEST(CellRange, ReadsAddressesTheSpreadsheetWay)
{
    const struct
    {
        const char *address;
        const char *reference; // on Feuil1; empty when the address is refused
    } cases[] = {
        {"a1", "=Feuil1!$A$1:$A$1"},
        {"b1:b40", "=Feuil1!$B$1:$B$40"},
        {"B10:a2", "=Feuil1!$A$2:$B$10"},
        {"$AA$7", "=Feuil1!$AA$7:$AA$7"},
        {"XFD1048576", "=Feuil1!$XFD$1048576:$XFD$1048576"},
        {"a0", ""},
        {"1a", ""},
        {"XFE1", ""},
        {"a1:b2:c3", ""},
        {"", ""},
    };
    for (const auto &check : cases) {
        const CellRange range = CellRange::parse(QString::fromLatin1(check.address));
        EXPECT_EQ(range.isValid() ? range.reference("Feuil1") : QString(),
                  QString::fromLatin1(check.reference))
            << check.address;
    }
    EXPECT_EQ(CellRange::parse("a1").reference("Mes heures"), "='Mes heures'!$A$1:$A$1");
}
} // namespace
