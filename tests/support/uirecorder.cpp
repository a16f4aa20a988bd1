#include "uirecorder.h"

#include "soundcue.h"

UiRecorder::UiRecorder()
{
    MessageBox::setHook([this](const MessageRequest &request) {
        mBoxes << request;
        mEvents << QStringLiteral("box:") + request.prompt;
        if (request.buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        if (mAnswers.isEmpty()) {
            mEvents << QStringLiteral("unexpected question");
            return MsgAnswer::No;
        }
        return mAnswers.dequeue();
    });
    SoundCue::setHook(
        [this](const QString &fileName) { mEvents << QStringLiteral("sound:") + fileName; });
}

UiRecorder::~UiRecorder()
{
    MessageBox::setHook({});
    SoundCue::setHook({});
}

QStringList UiRecorder::sounds() const
{
    QStringList result;
    for (const QString &event : mEvents) {
        if (event.startsWith(QStringLiteral("sound:")))
            result << event.mid(6);
    }
    return result;
}

void UiRecorder::clear()
{
    mEvents.clear();
    mBoxes.clear();
    mAnswers.clear();
}
