// The data-source layer against real logbook files.
#include "datasource.h"
#include "engineerror.h"
#include "programfolder.h"
#include "tempprogramfolder.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QFile>
#include <sqlite3.h>
#include <unistd.h>

namespace {
class DatabaseTest : public testing::Test
{
protected:
    void open(DataSource &source, const QString &statement)
    {
        source.setConnect(QStringLiteral("Access 2000;"));
        source.setDatabaseName(ProgramFolder::databasePath());
        source.setRecordSource(statement);
        source.refresh();
    }

    QList<qlonglong> nums(DataSource &source)
    {
        QList<qlonglong> result;
        Recordset &set = source.recordset();
        for (set.moveFirst(); !set.eof(); set.moveNext())
            result << set.field(QStringLiteral("Num")).toLongLong();
        return result;
    }

    TempProgramFolder folder;
    DataSource source;
};

TEST_F(DatabaseTest, EmptyLogbookOpensAtEndOfFile)
{
    open(source, QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC"));
    EXPECT_TRUE(source.recordset().eof());
    EXPECT_EQ(source.recordset().recordCount(), 0);
    EXPECT_EQ(source.recordset().fieldCount(), 8);
}

TEST_F(DatabaseTest, OrderedQueryListsNewestFirstWithFieldsInTableOrder)
{
    folder.addFlight(QDate(2020, 5, 1), "F-A", "DR400", "Club", 60, "S");
    folder.addFlight(QDate(2024, 1, 9), "F-B", "C152", "Club", 45, "D");
    folder.addFlight(QDate(1999, 12, 31), "F-C", "PA28", "Club", 30, "S");
    open(source, QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC"));

    EXPECT_EQ(nums(source), (QList<qlonglong>{2, 1, 3}));
    QStringList names;
    for (int column = 0; column < source.recordset().fieldCount(); ++column)
        names << source.recordset().fieldName(column);
    EXPECT_EQ(names, QStringList({"Num", "Date", "Avion", "Type", "Société", "Durée", "Vol",
                                  "Commentaires"}));
    source.recordset().moveFirst();
    EXPECT_EQ(source.recordset().field("Date").toDate(), QDate(2024, 1, 9));
    EXPECT_EQ(source.recordset().field("durée").toLongLong(), 45) << "names are case-insensitive";
}

TEST_F(DatabaseTest, AddEditDeleteShowOnReReadAndLeaveGapsInNum)
{
    for (int day = 1; day <= 3; ++day)
        folder.addFlight(QDate(2025, 3, day), "F-A", "DR400", "Club", 60, "S");
    open(source, QStringLiteral("SELECT * FROM Tbl_Vols"));
    Recordset &set = source.recordset();

    while (!set.eof() && set.field("Num").toLongLong() != 2)
        set.moveNext();
    set.remove();
    set.moveFirst();
    set.edit();
    set.setField("Commentaires", "modifié");
    set.update();
    EXPECT_EQ(set.lastModified(), 1);
    set.addNew();
    set.setField("Date", QDate(2025, 4, 1));
    set.setField("Durée", "90"); // the forms write the box's text
    set.update();
    EXPECT_EQ(set.lastModified(), 4) << "a deleted number is never given again";

    source.refresh();
    EXPECT_EQ(nums(source), (QList<qlonglong>{1, 3, 4}));
    const auto rows = folder.rows("SELECT Num, Commentaires, \"Durée\", typeof(\"Durée\"), Date "
                                  "FROM Tbl_Vols ORDER BY Num");
    EXPECT_EQ(rows[0][1].toString(), QString("modifié"));
    EXPECT_EQ(rows[2][2].toLongLong(), 90);
    EXPECT_EQ(rows[2][3].toString(), QString("integer"));
    EXPECT_EQ(rows[2][4].toString(), QString("2025-04-01"));
}

TEST_F(DatabaseTest, BookmarkOfLastModifiedReturnsToTheSavedRow)
{
    folder.addAircraft("F-AAAA", "DR400", "CLUB");
    folder.addAircraft("F-ZZZZ", "C152", "CLUB");
    open(source, QStringLiteral("Select * from Tbl_Avions order by Avion desc"));
    Recordset &set = source.recordset();
    set.moveLast();
    set.edit();
    set.setField("Type_Avion", "DR401");
    set.update();
    set.moveFirst();
    set.setBookmark(set.lastModified());
    EXPECT_EQ(set.field("Avion").toString(), QString("F-AAAA"));
    EXPECT_EQ(set.field("Type_Avion").toString(), QString("DR401"));
}

TEST_F(DatabaseTest, CancelUpdateAndMovingDropTheEdit)
{
    folder.addAircraft("F-AAAA", "DR400", "CLUB");
    open(source, QStringLiteral("SELECT * FROM Tbl_Avions"));
    Recordset &set = source.recordset();
    set.edit();
    set.setField("Avion", "CHANGED");
    set.cancelUpdate();
    set.addNew();
    set.setField("Avion", "NEW");
    set.moveFirst();
    EXPECT_THROW(set.update(), EngineError);
    EXPECT_EQ(folder.rows("SELECT Avion FROM Tbl_Avions").size(), 1);
    EXPECT_EQ(folder.rows("SELECT Avion FROM Tbl_Avions")[0][0].toString(), QString("F-AAAA"));
}

TEST_F(DatabaseTest, BoundControlsShowTheCurrentRowAndUpdateRecordWritesThem)
{
    folder.addAircraft("F-AAAA", "DR400", "CLUB");
    QString shown;
    QString typed = QStringLiteral("ROBIN");
    source.bind(
        "Société", [&] { return QVariant(typed); },
        [&](const QVariant &value) { shown = value.toString(); });
    open(source, QStringLiteral("SELECT * FROM Tbl_Avions"));
    EXPECT_EQ(shown, QString("CLUB"));
    source.updateRecord();
    EXPECT_EQ(folder.rows("SELECT \"Société\" FROM Tbl_Avions")[0][0].toString(), typed);
}

TEST_F(DatabaseTest, DateValueBoundsAreInclusive)
{
    for (int day : {1, 2, 3, 4, 5})
        folder.addFlight(QDate(2021, 2, day), "F-A", "DR400", "Club", day, "S");
    open(source, QStringLiteral("SELECT Date,Type,Durée,Vol from Tbl_Vols WHERE Date >= "
                                "DateValue(\"02/02/2021\") And Date <= DateValue(\"04/02/2021\")"));
    QList<int> durations;
    for (Recordset &set = source.recordset(); !set.eof(); set.moveNext())
        durations << set.field("Durée").toInt();
    EXPECT_EQ(durations, (QList<int>{2, 3, 4}));
}

TEST_F(DatabaseTest, TextValuesAreKeptExactly)
{
    const QVariant cases[] = {
        QString("Aéroclub de l'Essonne « Étampes »"),
        QString("\"quoted\" and 'single'"),
        QString("'; DROP TABLE Tbl_Vols; --"),
        QString(10000, QChar('x')),
        QString(""),
        QVariant(),
        QString::fromUtf8("✈️ مرحبا"),
    };
    open(source, QStringLiteral("SELECT * FROM Tbl_Vols"));
    for (const QVariant &text : cases) {
        source.recordset().addNew();
        source.recordset().setField("Date", QDate(2022, 1, 1));
        source.recordset().setField("Commentaires", text);
        source.recordset().update();
    }
    const auto stored = folder.rows("SELECT Commentaires FROM Tbl_Vols ORDER BY Num");
    ASSERT_EQ(stored.size(), int(std::size(cases)));
    for (int i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i][0].isNull(), cases[i].isNull()) << i;
        EXPECT_EQ(stored[i][0].toString(), cases[i].toString()) << i;
    }
    source.refresh();
    EXPECT_EQ(source.recordset().field("Commentaires").toString(), cases[0].toString());
}

TEST_F(DatabaseTest, FileNameIsFoundWhateverItsCase)
{
    folder.addFlight(QDate(2020, 1, 1), "F-A", "DR400", "Club", 60, "S");
    ASSERT_TRUE(QFile::rename(folder.databasePath(), folder.path() + "/ZIVADA.MDB"));
    EXPECT_EQ(ProgramFolder::databasePath(), folder.path() + "/ZIVADA.MDB");
    open(source, QStringLiteral("SELECT * FROM Tbl_Vols"));
    EXPECT_EQ(source.recordset().recordCount(), 1);
}

QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("missing");
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

struct BadFile
{
    const char *name;
    std::function<void(TempProgramFolder &)> make;
    const char *engineText;
};

class BadDatabaseTest : public testing::TestWithParam<BadFile>
{
};

TEST_P(BadDatabaseTest, FailsWithTheEngineTextAndLeavesTheFileAlone)
{
    if (std::string(GetParam().name) == "ReadOnly" && getuid() == 0)
        GTEST_SKIP() << "root writes to read-only files";
    TempProgramFolder folder;
    GetParam().make(folder);
    const QByteArray before = checksum(folder.databasePath());
    DataSource source;
    source.setDatabaseName(ProgramFolder::databasePath());
    source.setRecordSource(QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC"));
    try {
        source.refresh();
        ADD_FAILURE() << "opened a bad file";
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), QString::fromUtf8(GetParam().engineText));
    }
    EXPECT_EQ(checksum(folder.databasePath()), before);
}

void writeFile(TempProgramFolder &folder, const QByteArray &bytes)
{
    QFile file(folder.databasePath());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDatabaseTest,
    testing::Values(
        BadFile{"Missing", [](TempProgramFolder &f) { QFile::remove(f.databasePath()); },
                "unable to open database file"},
        BadFile{"ZeroBytes", [](TempProgramFolder &f) { writeFile(f, {}); },
                "no such table: Tbl_Vols"},
        BadFile{"RandomBytes",
                [](TempProgramFolder &f) {
                    QByteArray bytes;
                    for (int i = 0; i < 8192; ++i)
                        bytes.append(char((i * 7919 + 13) % 251));
                    writeFile(f, bytes);
                },
                "file is not a database"},
        BadFile{"NoAircraftTable", [](TempProgramFolder &f) { f.exec("DROP TABLE Tbl_Avions"); },
                "no such table: Tbl_Avions"},
        BadFile{
            "FlightTableLacksAField",
            [](TempProgramFolder &f) { f.exec("ALTER TABLE Tbl_Vols DROP COLUMN Commentaires"); },
            "no such column: Commentaires"},
        BadFile{"ReadOnly",
                [](TempProgramFolder &f) {
                    QFile::setPermissions(f.databasePath(), QFile::ReadOwner | QFile::ReadUser);
                },
                "attempt to write a readonly database"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LockedDatabaseTest, WriteLockOfAnotherConnectionBeyondTheTimeoutFails)
{
    TempProgramFolder folder;
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(folder.databasePath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    DataSource source;
    source.setDatabaseName(ProgramFolder::databasePath());
    source.setRecordSource(QStringLiteral("SELECT * FROM Tbl_Vols"));
    try {
        source.refresh();
        ADD_FAILURE() << "opened a locked file";
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), QString("database is locked"));
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}
} // namespace
