#include "keyasciifilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

KeyAsciiFilter::KeyAsciiFilter(QObject *watched, Handler handler)
    : QObject(watched)
    , mHandler(std::move(handler))
{
    watched->installEventFilter(this);
}

bool KeyAsciiFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || mReplacing)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->text().size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // Tab moves the focus between controls; it never reaches a text box's key handler.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;

    const char16_t typed = key->text().at(0).unicode();
    char16_t keyAscii = typed;
    mHandler(keyAscii);
    if (keyAscii == typed)
        return false;
    if (keyAscii != 0) {
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(),
                           QString(QChar(keyAscii)));
        mReplacing = true;
        QCoreApplication::sendEvent(watched, &replaced);
        mReplacing = false;
    }
    return true;
}
