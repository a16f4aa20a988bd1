// An engine error that reaches the event loop: its text in one box, then the end, code 1.
#include "engineerror.h"
#include "programend.h"
#include "tarvelinapplication.h"
#include "uirecorder.h"

#include <gtest/gtest.h>
#include <QTimer>

namespace {
TEST(FatalErrorTest, EngineErrorInAHandlerIsShownWithItsTextAndEndsWithCodeOne)
{
    UiRecorder recorder;
    QList<int> endCodes;
    ProgramEnd::setHook([&](int code) { endCodes << code; });

    QTimer::singleShot(0, [] { throw EngineError(QStringLiteral("no such table: Tbl_Vols")); });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    EXPECT_EQ(recorder.events(), QStringList({"box:no such table: Tbl_Vols"}));
    ASSERT_EQ(recorder.boxes().size(), 1);
    EXPECT_EQ(recorder.boxes()[0].title, QString("Tarvelin"));
    EXPECT_EQ(endCodes, QList<int>({1}));
    ProgramEnd::setHook({});
}
} // namespace

int main(int argc, char **argv)
{
    TarvelinApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
