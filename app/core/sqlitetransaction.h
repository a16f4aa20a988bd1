#pragma once

class SqliteConnection;

// A write transaction that rolls back unless committed.
class SqliteTransaction
{
public:
    explicit SqliteTransaction(SqliteConnection &connection);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction &) = delete;
    SqliteTransaction &operator=(const SqliteTransaction &) = delete;

    void commit();

private:
    SqliteConnection &mConnection;
    bool mOpen = true;
};
