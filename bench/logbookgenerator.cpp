#include "logbookgenerator.h"

#include <QDate>
#include <QFile>
#include <QStringList>
#include <random>
#include <sqlite3.h>
#include <stdexcept>

namespace {
void check(sqlite3 *db, int result)
{
    if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

struct Aircraft
{
    QString registration;
    QString type;
    QString owner;
};

QList<Aircraft> makeFleet(std::mt19937 &random)
{
    static const char *const types[] = {"DR400", "C152",        "C172", "PA28",
                                        "TB10",  "ROBIN R2160", "DA40", "PIPER J3"};
    static const char *const owners[] = {"AÉROCLUB DE L'ESSONNE", "AÉROCLUB DU POITOU",
                                         "CLUB DES AILES", "ÉCOLE DE PILOTAGE", "PRIVÉ"};
    QList<Aircraft> fleet;
    for (int i = 0; i < 50; ++i) {
        QString registration = QStringLiteral("F-");
        for (int letter = 0; letter < 4; ++letter)
            registration += QChar(u'A' + int(random() % 26));
        fleet.append({registration, QString::fromUtf8(types[random() % std::size(types)]),
                      QString::fromUtf8(owners[random() % std::size(owners)])});
    }
    return fleet;
}

void bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}
} // namespace

void generateLogbook(const QString &path, int flights, unsigned seed)
{
    QFile::remove(path);
    QFile schema(QStringLiteral(TARVELIN_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the logbook schema");

    sqlite3 *db = nullptr;
    check(db, sqlite3_open(path.toUtf8().constData(), &db));
    check(db, sqlite3_exec(db, schema.readAll().constData(), nullptr, nullptr, nullptr));
    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));

    std::mt19937 random(seed);
    const QList<Aircraft> fleet = makeFleet(random);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Tbl_Avions VALUES (?, ?, ?)", -1, &statement, nullptr);
    for (const Aircraft &aircraft : fleet) {
        bindText(statement, 1, aircraft.registration);
        bindText(statement, 2, aircraft.type);
        bindText(statement, 3, aircraft.owner);
        check(db, sqlite3_step(statement));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);

    static const char *const comments[] = {
        "",        "Tours de piste", "Navigation",  "Vol local",
        "Voltige", "Lâcher solo",    "Vol de nuit", "Baptême de l'air"};
    const QDate first(1986, 12, 1);
    const qint64 days = first.daysTo(QDate(2026, 11, 30));
    sqlite3_prepare_v2(db,
                       "INSERT INTO Tbl_Vols (Date, Avion, Type, \"Société\", \"Durée\", Vol, "
                       "Commentaires) VALUES (?, ?, ?, ?, ?, ?, ?)",
                       -1, &statement, nullptr);
    for (int i = 0; i < flights; ++i) {
        const Aircraft &aircraft = fleet[int(random() % fleet.size())];
        bindText(statement, 1, first.addDays(qint64(random() % (days + 1))).toString(Qt::ISODate));
        bindText(statement, 2, aircraft.registration);
        bindText(statement, 3, aircraft.type);
        bindText(statement, 4, aircraft.owner);
        sqlite3_bind_int(statement, 5, 20 + int(random() % 160));
        bindText(statement, 6, random() % 3 == 0 ? QStringLiteral("D") : QStringLiteral("S"));
        bindText(statement, 7, QString::fromUtf8(comments[random() % std::size(comments)]));
        check(db, sqlite3_step(statement));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    sqlite3_close(db);
}
