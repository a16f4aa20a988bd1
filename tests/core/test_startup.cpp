// The real program: one copy at a time, and a copy killed outright never blocks the next.
#include "tempprogramfolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {
// A program folder with the real program and an empty logbook, as the build lays it out.
class StartupTest : public testing::Test
{
protected:
    StartupTest()
    {
        program = folder.path() + "/tarvelin";
        QFile::copy(QStringLiteral(TARVELIN_PROGRAM), program);
        TempProgramFolder::createLogbook(folder.path() + "/Zivada.mdb");
    }

    std::unique_ptr<QProcess> start()
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(environment);
        process->start(program, {});
        process->waitForStarted();
        return process;
    }

    // Whether the program is still running after it had time to start up.
    static bool keepsRunning(QProcess &process) { return !process.waitForFinished(1500); }

    QTemporaryDir folder;
    QString program;
};

TEST_F(StartupTest, SecondCopyEndsAtOnceSilently)
{
    auto first = start();
    ASSERT_TRUE(keepsRunning(*first));
    auto second = start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished();
}

TEST_F(StartupTest, CopyKilledOutrightDoesNotBlockTheNextStart)
{
    auto first = start();
    ASSERT_TRUE(keepsRunning(*first));
    first->kill(); // SIGKILL: no chance to clean up
    first->waitForFinished();
    auto next = start();
    EXPECT_TRUE(keepsRunning(*next));
    next->kill();
    next->waitForFinished();
}
} // namespace
