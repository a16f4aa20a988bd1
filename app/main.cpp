#include "accueil.h"
#include "singleinstance.h"
#include "tarvelinapplication.h"
#include "tarvelinwindows.h"
#include "zivada.h"

#include <memory>

int main(int argc, char *argv[])
{
    TarvelinApplication app(argc, argv);

    const SingleInstance instance(QCoreApplication::applicationFilePath());
    if (instance.anotherCopyRuns())
        return 0;

    TarvelinWindows windows;
    std::unique_ptr<Zivada> logbook;
    Accueil splash([&] {
        logbook = std::make_unique<Zivada>(windows);
        logbook->show();
    });
    splash.show();
    return app.exec();
}
