#include "soundcue.h"

#include "programfolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {
SoundCue::Hook &installedHook()
{
    static SoundCue::Hook hook;
    return hook;
}

// One effect per file, kept for the life of the program so playback outlives the caller.
QSoundEffect *effectFor(const QString &path)
{
    static QHash<QString, QSoundEffect *> effects;
    QSoundEffect *&effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}
} // namespace

void SoundCue::play(const QString &fileName)
{
    if (installedHook()) {
        installedHook()(fileName);
        return;
    }
    const QString path = ProgramFolder::filePath(fileName);
    if (!QFileInfo::exists(path)) {
        QApplication::beep();
        return;
    }
    QSoundEffect *effect = effectFor(path);
    effect->stop();
    effect->play();
}

void SoundCue::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}
