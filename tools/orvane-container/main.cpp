#include "containerwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    ContainerWindow window;
    const QStringList arguments = app.arguments();
    // A form file named on the command line opens at start.
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    window.show();
    return app.exec();
}
