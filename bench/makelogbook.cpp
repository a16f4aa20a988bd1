// make-logbook <file> <flights>: writes a large logbook for trying the program by hand and
// for measuring its memory.
#include "logbookgenerator.h"

#include <cstdio>
#include <exception>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-logbook <file> <flights>\n");
        return 2;
    }
    try {
        generateLogbook(QString::fromLocal8Bit(argv[1]), std::atoi(argv[2]));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make-logbook: %s\n", error.what());
        return 1;
    }
    return 0;
}
