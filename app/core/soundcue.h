#pragma once

#include <functional>
#include <QString>

// Plays a wave file of the program folder without waiting for it to end, so the message that
// usually follows shows while it plays. A missing file beeps instead.
class SoundCue
{
public:
    using Hook = std::function<void(const QString &fileName)>;

    static void play(const QString &fileName);
    static void setHook(Hook hook);
};
