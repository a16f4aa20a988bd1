#include "singleinstance.h"

#include <fcntl.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString lockPath(const QString &programPath)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return folder + QStringLiteral("/tarvelin-") + QString::fromLatin1(key) +
           QStringLiteral(".lock");
}
} // namespace

SingleInstance::SingleInstance(const QString &programPath)
{
    mLockFile =
        ::open(lockPath(programPath).toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (mLockFile >= 0 && ::flock(mLockFile, LOCK_EX | LOCK_NB) != 0)
        mAnotherCopyRuns = errno == EWOULDBLOCK;
}

SingleInstance::~SingleInstance()
{
    if (mLockFile >= 0)
        ::close(mLockFile);
}
