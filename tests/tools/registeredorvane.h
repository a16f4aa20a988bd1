#pragma once

#include <QString>
#include <QTemporaryDir>

// The library Orvane registered by its own register export in a per-user control registry
// of its own (a temporary data folder), so that the container finds it by program identifier.
class RegisteredOrvane
{
public:
    // False, with the reason, when the library cannot be loaded or registered.
    bool setUp(QString *reason);

private:
    QTemporaryDir mDataHome;
};
