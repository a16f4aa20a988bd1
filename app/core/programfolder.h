#pragma once

#include <QString>

// The folder that holds the program and the files it finds beside itself: the logbook
// database and the sound cues. Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static void setPath(const QString &folder);

    // The folder, "/", then the file name; an existing entry whose name differs only in case
    // is taken instead, so "Zivada.mdb" and "Zivada.MDB" name the same file.
    static QString filePath(const QString &fileName);

    static QString databasePath() { return filePath(QStringLiteral("Zivada.mdb")); }
};
