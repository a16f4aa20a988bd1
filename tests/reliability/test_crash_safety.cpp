// A writer killed outright at random moments, over and over, on one logbook: after each kill
// the file is sound and holds every flight the writer saw committed, field for field.
#include "sampleflight.h"
#include "tempprogramfolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

namespace {
constexpr int rounds = 60;
constexpr int longestRunMs = 500;

struct Committed
{
    int round = 0;
    int n = 0;
};

class CrashSafetyTest : public testing::Test
{
protected:
    // Runs the writer on the logbook; kills it after the given time, or lets it end when it
    // writes a fixed count. Returns the flights it reported as committed.
    QHash<qint64, Committed> runWriter(int round, int killAfterMs, int count = -1)
    {
        QProcess writer;
        QStringList arguments{folder.databasePath(), QString::number(round)};
        if (count >= 0)
            arguments << QString::number(count);
        writer.start(QStringLiteral(TARVELIN_FLIGHTWRITER), arguments);
        EXPECT_TRUE(writer.waitForStarted());
        if (count < 0) {
            QThread::msleep(killAfterMs);
            writer.kill();
        }
        writer.waitForFinished(-1);
        if (count >= 0) {
            EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
        }
        return parseReport(writer.readAllStandardOutput());
    }

    // Only whole lines count: a line cut by the kill was never reported.
    static QHash<qint64, Committed> parseReport(const QByteArray &output)
    {
        QHash<qint64, Committed> committed;
        const QList<QByteArray> lines = output.split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QList<QByteArray> parts = lines[i].split(' ');
            if (parts.size() == 3)
                committed.insert(parts[0].toLongLong(), {parts[1].toInt(), parts[2].toInt()});
        }
        return committed;
    }

    // Every row of the file is a whole sample flight; returns them by Num.
    QHash<qint64, Committed> checkFile() const
    {
        const auto integrity = folder.rows(QStringLiteral("PRAGMA integrity_check"));
        EXPECT_EQ(integrity.size(), 1);
        if (!integrity.isEmpty()) {
            EXPECT_EQ(integrity[0][0].toString(), QString("ok"));
        }

        static const QRegularExpression origin(QStringLiteral(R"(^r(\d+) n(\d+) )"));
        QHash<qint64, Committed> found;
        const auto rows = folder.rows(QStringLiteral(
            "SELECT Num, Date, Avion, Type, \"Société\", \"Durée\", Vol, Commentaires "
            "FROM Tbl_Vols"));
        for (const QVariantList &row : rows) {
            const auto match = origin.match(row[7].toString());
            EXPECT_TRUE(match.hasMatch()) << "flight " << row[0].toLongLong();
            if (!match.hasMatch())
                continue;
            const Committed origin{match.captured(1).toInt(), match.captured(2).toInt()};
            const SampleFlight expected = SampleFlight::make(origin.round, origin.n);
            const QVariantList wanted{row[0],           expected.date.toString(Qt::ISODate),
                                      expected.avion,   expected.type,
                                      expected.societe, qlonglong(expected.duree),
                                      expected.vol,     expected.commentaires};
            EXPECT_EQ(row, wanted) << "flight " << row[0].toLongLong();
            found.insert(row[0].toLongLong(), origin);
        }
        return found;
    }

    static void expectAllPresent(const QHash<qint64, Committed> &reported,
                                 const QHash<qint64, Committed> &found)
    {
        for (auto it = reported.cbegin(); it != reported.cend(); ++it) {
            const auto row = found.constFind(it.key());
            ASSERT_NE(row, found.cend()) << "committed flight " << it.key() << " is lost";
            EXPECT_EQ(row->round, it->round);
            EXPECT_EQ(row->n, it->n);
        }
    }

    TempProgramFolder folder;
};

TEST_F(CrashSafetyTest, FlightsReportedCommittedSurviveKillsAtRandomMoments)
{
    const quint32 seed = qEnvironmentVariableIsSet("TARVELIN_CRASH_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TARVELIN_CRASH_SEED"))
                             : QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "TARVELIN_CRASH_SEED=" << seed);
    QRandomGenerator random(seed);

    QHash<qint64, Committed> reported;
    int rowsChecked = 0;
    for (int round = 0; round < rounds; ++round) {
        const int killAfterMs = random.bounded(longestRunMs);
        reported.insert(runWriter(round, killAfterMs));
        const QHash<qint64, Committed> found = checkFile();
        rowsChecked += int(found.size());
        expectAllPresent(reported, found);
        if (HasFailure())
            FAIL() << "after round " << round << ", killed at " << killAfterMs << " ms";
    }
    std::printf("%d rounds killed, %lld flights reported committed, %d rows checked\n", rounds,
                static_cast<long long>(reported.size()), rowsChecked);
    EXPECT_GT(reported.size(), rounds); // the kills did land while flights were being written

    // A clean run after all those kills: every flight is there, and the closed logbook is
    // again one single file the user can copy.
    reported.insert(runWriter(rounds, 0, 20));
    expectAllPresent(reported, checkFile());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Zivada.mdb"});
}
} // namespace
