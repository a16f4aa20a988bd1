// The logbook's control host with the real library Orvane.so: found through the per-user
// registry or in the program folder, created by its program identifier, used by name; and the
// logbook's "Calculatrice" button with and without it.

#include "childwindows.h"
#include "controlhost.h"
#include "programfolder.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"
#include "zivada.h"

#include <controllibrary.h>
#include <controlregistry.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString progId = QStringLiteral("Orvane.QelCbCalc");

class NoWindows : public ChildWindows
{
public:
    void showAircraftRegister(Zivada &) override {}
    void showAddFlight(Zivada &) override {}
    void showEditFlight(Zivada &) override {}
    void showHoursCalculator(Zivada &) override {}
    void showHoursStatistics(Zivada &) override {}
};

// Each test has its own registry (XDG data folder) and its own program folder.
class ControlHostTest : public testing::Test
{
protected:
    ControlHostTest()
        : mOldDataHome(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", mDataHome.path().toLocal8Bit());
    }
    ~ControlHostTest() override
    {
        if (mOldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", mOldDataHome);
    }

    // The library as built, loaded the way a setup program would to call its exports.
    static QLibrary &builtLibrary()
    {
        static QLibrary library(QStringLiteral(ORVANE_LIBRARY));
        return library;
    }
    template <typename Function> static Function builtExport(const char *name)
    {
        return reinterpret_cast<Function>(builtLibrary().resolve(name));
    }

    void copyLibraryToProgramFolder()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_LIBRARY), folder.path() + "/Orvane.so"));
    }

    QTemporaryDir mDataHome;
    QByteArray mOldDataHome;
    TempProgramFolder folder;
    UiRecorder recorder;
};

TEST_F(ControlHostTest, RegisteredLibraryIsCreatedByProgIdAndUsedByName)
{
    const auto registerServer =
        builtExport<ControlRegisterServerFunction>(ControlLibrary::registerServerName);
    const auto unregisterServer =
        builtExport<ControlUnregisterServerFunction>(ControlLibrary::unregisterServerName);
    const auto canUnloadNow =
        builtExport<ControlCanUnloadNowFunction>(ControlLibrary::canUnloadNowName);
    ASSERT_TRUE(registerServer && unregisterServer && canUnloadNow);

    ASSERT_EQ(registerServer(), ControlOk);
    const auto entry = ControlRegistry::find(progId);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->libraryPath, QFileInfo(QStringLiteral(ORVANE_LIBRARY)).absoluteFilePath());
    EXPECT_EQ(entry->classId, QStringLiteral("{BECE2E55-B609-47A8-B745-3983DD3C819D}"));

    // The program folder holds no library: the registry alone finds it.
    QWidget host;
    QString reason;
    QPointer<QWidget> control = ControlHost::createControl(progId, &host, &reason);
    ASSERT_TRUE(control) << reason.toStdString();
    EXPECT_EQ(control->parent(), &host);
    EXPECT_STREQ(control->metaObject()->className(), "QelCbCalc");
    EXPECT_EQ(canUnloadNow(), ControlFalse);

    EXPECT_TRUE(control->setProperty("OutPutFormat", 2));
    EXPECT_TRUE(control->setProperty("Value", 2.71828));
    EXPECT_DOUBLE_EQ(control->property("Value").toDouble(), 2.72);
    EXPECT_EQ(control->findChild<QLineEdit *>("txtCalc")->text(), QStringLiteral("2,72"));
    EXPECT_TRUE(control->setProperty("CalcBackColor", 0x8000000Fu));
    EXPECT_EQ(control->property("CalcBackColor").toUInt(), 0x8000000Fu);
    // The About box is modal: close it once it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(10);
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "ShowAboutFrm"));
    closer.stop();
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "Refresh"));

    delete control;
    EXPECT_EQ(canUnloadNow(), ControlOk);

    EXPECT_EQ(unregisterServer(), ControlOk);
    EXPECT_FALSE(ControlRegistry::find(progId).has_value());
}

TEST_F(ControlHostTest, LibraryInTheProgramFolderNeedsNoRegistration)
{
    copyLibraryToProgramFolder();
    QWidget host;
    QString reason;
    QWidget *control = ControlHost::createControl(progId, &host, &reason);
    ASSERT_TRUE(control) << reason.toStdString();
    EXPECT_EQ(control->property("Value").toDouble(), 0.0);
    EXPECT_FALSE(QFile::exists(ControlRegistry::filePath()));
}

TEST_F(ControlHostTest, StaleRegistryEntryFallsBackToTheProgramFolder)
{
    ASSERT_TRUE(ControlRegistry::add(
        {progId, "{BECE2E55-B609-47A8-B745-3983DD3C819D}", mDataHome.path() + "/gone/Orvane.so"}));
    copyLibraryToProgramFolder();
    QWidget host;
    QString reason;
    EXPECT_TRUE(ControlHost::createControl(progId, &host, &reason)) << reason.toStdString();
}

TEST_F(ControlHostTest, MissingOrBrokenLibraryGivesTheReason)
{
    QWidget host;
    QString reason;
    EXPECT_EQ(ControlHost::createControl(progId, &host, &reason), nullptr);
    EXPECT_TRUE(reason.contains("Orvane.so")) << reason.toStdString();
    EXPECT_TRUE(reason.contains("introuvable")) << reason.toStdString();

    QFile fake(folder.path() + "/Orvane.so");
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    EXPECT_EQ(ControlHost::createControl(progId, &host, &reason), nullptr);
    EXPECT_TRUE(reason.contains("ne peut pas être chargée")) << reason.toStdString();

    EXPECT_EQ(ControlHost::createControl("Orvane.Inconnu", &host, &reason), nullptr);
    EXPECT_TRUE(reason.contains("ne peut pas être chargée")) << reason.toStdString();
}

TEST_F(ControlHostTest, UnknownClassOfARealLibraryIsRefused)
{
    copyLibraryToProgramFolder();
    QWidget host;
    QString reason;
    EXPECT_EQ(ControlHost::createControl("Orvane.Inconnu", &host, &reason), nullptr);
    EXPECT_EQ(reason,
              QStringLiteral(
                  "La bibliothèque « Orvane.so » ne fournit pas le contrôle « Orvane.Inconnu »."));
}

TEST_F(ControlHostTest, CalculatriceShowsZeroFocusedThenHides)
{
    copyLibraryToProgramFolder();
    NoWindows windows;
    Zivada logbook(windows);
    logbook.show();
    logbook.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&logbook));
    QWidget *control = logbook.calculatorControl();
    ASSERT_TRUE(control);
    EXPECT_FALSE(logbook.calculatorControlVisible());

    control->setProperty("Value", 12);
    logbook.toolbarClicked(8);
    EXPECT_TRUE(logbook.calculatorControlVisible());
    EXPECT_EQ(control->findChild<QLineEdit *>("txtCalc")->text(), QStringLiteral("0,"));
    EXPECT_TRUE(control->isAncestorOf(QApplication::focusWidget()));

    logbook.toolbarClicked(8);
    EXPECT_FALSE(logbook.calculatorControlVisible());
    EXPECT_TRUE(recorder.events().isEmpty());
}

TEST_F(ControlHostTest, CalculatriceWithoutTheLibrarySaysWhy)
{
    NoWindows windows;
    Zivada logbook(windows);
    EXPECT_EQ(logbook.calculatorControl(), nullptr);
    logbook.toolbarClicked(8);
    ASSERT_EQ(recorder.boxes().size(), 1);
    const QString prompt = recorder.events().first();
    EXPECT_TRUE(prompt.startsWith("box:La calculatrice n'est pas disponible."))
        << prompt.toStdString();
    EXPECT_TRUE(prompt.contains("Orvane.so")) << prompt.toStdString();
}

} // namespace
