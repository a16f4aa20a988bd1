#include "tempprogramfolder.h"

#include "programfolder.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {
struct Database
{
    explicit Database(const QString &path)
    {
        if (sqlite3_open(path.toUtf8().constData(), &handle) != SQLITE_OK)
            fail();
    }
    ~Database() { sqlite3_close(handle); }
    [[noreturn]] void fail() const { throw std::runtime_error(sqlite3_errmsg(handle)); }

    sqlite3_stmt *prepare(const QString &sql, const QVariantList &values) const
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr) !=
            SQLITE_OK)
            fail();
        for (int i = 0; i < values.size(); ++i)
            bind(statement, i + 1, values[i]);
        return statement;
    }

    static void bind(sqlite3_stmt *statement, int index, const QVariant &value)
    {
        if (value.isNull()) {
            sqlite3_bind_null(statement, index);
        } else if (value.typeId() == QMetaType::QDate) {
            const QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(statement, index, iso.constData(), -1, SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(statement, index, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            sqlite3_bind_double(statement, index, value.toDouble());
        } else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(statement, index, text.constData(), int(text.size()),
                              SQLITE_TRANSIENT);
        }
    }

    sqlite3 *handle = nullptr;
};

QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
            sqlite3_column_bytes(statement, column)));
    }
}
} // namespace

TempProgramFolder::TempProgramFolder()
{
    createLogbook(databasePath());
    ProgramFolder::setPath(mDir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::setPath(QString());
}

void TempProgramFolder::createLogbook(const QString &path)
{
    QFile schema(QStringLiteral(TARVELIN_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the logbook schema");
    Database database(path);
    if (sqlite3_exec(database.handle, schema.readAll().constData(), nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        database.fail();
}

qint64 TempProgramFolder::exec(const QString &sql, const QVariantList &values) const
{
    Database database(databasePath());
    sqlite3_stmt *statement = database.prepare(sql, values);
    const int result = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE && result != SQLITE_ROW)
        database.fail();
    return sqlite3_last_insert_rowid(database.handle);
}

QVector<QVariantList> TempProgramFolder::rows(const QString &sql, const QVariantList &values) const
{
    Database database(databasePath());
    sqlite3_stmt *statement = database.prepare(sql, values);
    QVector<QVariantList> result;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            row << columnValue(statement, column);
        result << row;
    }
    sqlite3_finalize(statement);
    return result;
}

qint64 TempProgramFolder::addFlight(const QDate &date, const QVariant &avion, const QVariant &type,
                                    const QVariant &societe, const QVariant &duree,
                                    const QVariant &vol, const QVariant &commentaires) const
{
    return exec(QStringLiteral("INSERT INTO Tbl_Vols (Date, Avion, Type, \"Société\", \"Durée\", "
                               "Vol, Commentaires) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {date, avion, type, societe, duree, vol, commentaires});
}

void TempProgramFolder::addAircraft(const QVariant &avion, const QVariant &type,
                                    const QVariant &societe) const
{
    exec(QStringLiteral("INSERT INTO Tbl_Avions (Avion, Type_Avion, \"Société\") VALUES (?, ?, ?)"),
         {avion, type, societe});
}
