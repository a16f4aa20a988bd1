#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One open connection to the logbook file. Opening checks what the windows rely on (a
// database holding both tables with their fields, writable, not locked by another process)
// and raises EngineError with the engine's text otherwise; it never creates or changes a file.
class SqliteConnection
{
public:
    explicit SqliteConnection(const QString &path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    sqlite3 *handle() const { return mDb; }
    const QString &path() const { return mPath; }

    void exec(const char *sql);
    sqlite3_stmt *prepare(const QString &sql);

    // Raises the engine's text for the last failed call.
    [[noreturn]] void raise() const;

    // How long a statement waits for another process's lock before it fails.
    static constexpr int busyTimeoutMs = 2000;

private:
    void configure();
    void checkTables();
    void checkWritable();

    sqlite3 *mDb = nullptr;
    QString mPath;
};
