#pragma once

#include <QString>

// Tells whether this program file already runs in another process. The lock is keyed by the
// program's path and held by the system for the life of the process, so a copy that crashed
// never blocks the next start.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &programPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    bool anotherCopyRuns() const { return mAnotherCopyRuns; }

private:
    int mLockFile = -1;
    bool mAnotherCopyRuns = false;
};
