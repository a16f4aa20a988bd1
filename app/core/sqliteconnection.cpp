#include "sqliteconnection.h"

#include "datevalue.h"
#include "engineerror.h"

#include <sqlite3.h>

namespace {
// DateValue("dd/mm/yyyy") as the statements of the windows write it: the stored ISO form.
void dateValueFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const QDate date = parseDateValue(QString::fromUtf8(text ? text : ""));
    if (!date.isValid()) {
        sqlite3_result_error(context, "DateValue: type incompatible", -1);
        return;
    }
    const QByteArray iso = date.toString(Qt::ISODate).toUtf8();
    sqlite3_result_text(context, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
}

// Every field the windows read or write; a file lacking one is not a logbook.
constexpr const char *tableCheck[] = {
    "SELECT Num, Date, Avion, Type, \"Société\", \"Durée\", Vol, Commentaires FROM Tbl_Vols "
    "LIMIT 0",
    "SELECT Avion, Type_Avion, \"Société\" FROM Tbl_Avions LIMIT 0",
};
} // namespace

SqliteConnection::SqliteConnection(const QString &path)
    : mPath(path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.toUtf8().constData(), &mDb, flags, nullptr) != SQLITE_OK) {
        const QString text =
            mDb ? QString::fromUtf8(sqlite3_errmsg(mDb)) : QStringLiteral("out of memory");
        sqlite3_close(mDb);
        mDb = nullptr;
        throw EngineError(text);
    }
    try {
        configure();
        checkTables();
        checkWritable();
    } catch (...) {
        sqlite3_close(mDb);
        mDb = nullptr;
        throw;
    }
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close(mDb);
}

void SqliteConnection::configure()
{
    // The statements of the windows quote their date texts with double quotes.
    sqlite3_db_config(mDb, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_busy_timeout(mDb, busyTimeoutMs);
    // Rollback journal with full sync: a committed flight survives a crash or a power cut,
    // and the closed logbook stays one file the user can copy.
    exec("PRAGMA synchronous = FULL");
    sqlite3_create_function(mDb, "DateValue", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            dateValueFunction, nullptr, nullptr);
}

void SqliteConnection::checkTables()
{
    for (const char *sql : tableCheck)
        sqlite3_finalize(prepare(QString::fromUtf8(sql)));
}

void SqliteConnection::checkWritable()
{
    if (sqlite3_db_readonly(mDb, "main") == 1)
        throw EngineError(QString::fromUtf8(sqlite3_errstr(SQLITE_READONLY)));
    // Taking the write lock once tells at open whether another process holds the file.
    exec("BEGIN IMMEDIATE");
    exec("ROLLBACK");
}

void SqliteConnection::exec(const char *sql)
{
    if (sqlite3_exec(mDb, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        raise();
}

sqlite3_stmt *SqliteConnection::prepare(const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(mDb, utf8.constData(), int(utf8.size()), &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        raise();
    }
    return statement;
}

void SqliteConnection::raise() const
{
    throw EngineError(QString::fromUtf8(sqlite3_errmsg(mDb)));
}
