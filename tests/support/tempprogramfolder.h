#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVector>

// A program folder of its own for one test, holding an empty logbook made from the schema.
// It becomes the program folder while it lives. Rows are written and read back directly
// through SQLite, beside the program's own database layer.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return mDir.path(); }
    QString databasePath() const { return mDir.filePath(QStringLiteral("Zivada.mdb")); }

    // Runs one statement with its values bound in order; returns the new rowid.
    qint64 exec(const QString &sql, const QVariantList &values = {}) const;
    // All rows of a query, each a list of values (NULL as an invalid QVariant).
    QVector<QVariantList> rows(const QString &sql, const QVariantList &values = {}) const;

    qint64 addFlight(const QDate &date, const QVariant &avion, const QVariant &type,
                     const QVariant &societe, const QVariant &duree, const QVariant &vol,
                     const QVariant &commentaires = QString()) const;
    void addAircraft(const QVariant &avion, const QVariant &type, const QVariant &societe) const;

    // Creates the schema in a database file of any path.
    static void createLogbook(const QString &path);

private:
    QTemporaryDir mDir;
};
