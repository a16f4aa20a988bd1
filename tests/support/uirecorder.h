#pragma once

#include "messagebox.h"

#include <QQueue>
#include <QStringList>
#include <QVector>

// Records, in order, every message box and sound cue of the logbook while it lives, and
// answers the questions from a queue. A question with no answer queued is answered No and
// recorded as unexpected, so a test that did not expect it fails on its event list.
class UiRecorder
{
public:
    UiRecorder();
    ~UiRecorder();
    UiRecorder(const UiRecorder &) = delete;
    UiRecorder &operator=(const UiRecorder &) = delete;

    void answerNext(MsgAnswer answer) { mAnswers.enqueue(answer); }

    // "sound:<file>" and "box:<prompt>" in the order they happened.
    const QStringList &events() const { return mEvents; }
    const QVector<MessageRequest> &boxes() const { return mBoxes; }
    QStringList sounds() const;
    void clear();

private:
    QStringList mEvents;
    QVector<MessageRequest> mBoxes;
    QQueue<MsgAnswer> mAnswers;
};
