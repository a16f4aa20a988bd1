// DateValue on arbitrary text, as the C++ reader and as the SQL function of a real connection.
// Invariants: a text reads as a date or as nothing; a date read writes back to the same date in
// both forms the windows use; the SQL function agrees with the reader, or fails with its error.
#include "datevalue.h"
#include "fuzzcheck.h"
#include "sqliteconnection.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {
SqliteConnection &connection()
{
    static QTemporaryDir folder;
    static std::unique_ptr<SqliteConnection> open = [] {
        const QString path = folder.filePath(QStringLiteral("Zivada.mdb"));
        QFile schema(QStringLiteral(TARVELIN_SCHEMA));
        if (!schema.open(QIODevice::ReadOnly))
            std::abort();
        sqlite3 *db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        if (sqlite3_exec(db, schema.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        sqlite3_close(db);
        return std::make_unique<SqliteConnection>(path);
    }();
    return *open;
}

// What DateValue(text) gives through SQL: the ISO text, or nothing when the function failed.
std::optional<QByteArray> throughSql(const QByteArray &utf8)
{
    sqlite3_stmt *statement = connection().prepare(QStringLiteral("SELECT DateValue(?)"));
    sqlite3_bind_text(statement, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    std::optional<QByteArray> result;
    if (sqlite3_step(statement) == SQLITE_ROW)
        result = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return result;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    const QDate date = parseDateValue(text);
    if (date.isValid()) {
        CHECK(parseDateValue(date.toString(QStringLiteral("dd/MM/yyyy"))) == date);
        CHECK(parseDateValue(date.toString(Qt::ISODate)) == date);
    }

    // SQLite takes the text up to its first NUL, as any C string; compare on the same text.
    const QByteArray utf8 = text.toUtf8();
    const QByteArray sqlText = utf8.left(utf8.indexOf('\0') < 0 ? utf8.size() : utf8.indexOf('\0'));
    const QDate sqlDate = parseDateValue(QString::fromUtf8(sqlText));
    const std::optional<QByteArray> iso = throughSql(sqlText);
    CHECK(iso.has_value() == sqlDate.isValid());
    if (iso)
        CHECK(*iso == sqlDate.toString(Qt::ISODate).toUtf8());
    return 0;
}
