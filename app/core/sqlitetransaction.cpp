#include "sqlitetransaction.h"

#include "sqliteconnection.h"

SqliteTransaction::SqliteTransaction(SqliteConnection &connection)
    : mConnection(connection)
{
    mConnection.exec("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction()
{
    if (mOpen) {
        try {
            mConnection.exec("ROLLBACK");
        } catch (...) {
            // The engine already rolled back on the error that brought us here.
        }
    }
}

void SqliteTransaction::commit()
{
    mConnection.exec("COMMIT");
    mOpen = false;
}
