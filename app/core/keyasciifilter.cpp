#include "keyasciifilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

KeyAsciiFilter::KeyAsciiFilter(QObject *watched, Handler handler)
    : QObject(watched)
    , mHandler(std::move(handler))
{
    watched->installEventFilter(this);
}

// Each character of a typed text through the handler, in order; what it zeroes is dropped.
QString KeyAsciiFilter::filtered(const QString &text)
{
    QString kept;
    for (const QChar typed : text) {
        char16_t keyAscii = typed.unicode();
        mHandler(keyAscii);
        if (keyAscii != 0)
            kept += QChar(keyAscii);
    }
    return kept;
}

bool KeyAsciiFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (mReplacing)
        return false;
    if (event->type() == QEvent::KeyPress)
        return filterKey(watched, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::InputMethod)
        return filterInputMethod(watched, static_cast<QInputMethodEvent *>(event));
    return false;
}

bool KeyAsciiFilter::filterKey(QObject *watched, QKeyEvent *key)
{
    if (key->text().isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // Tab moves the focus between controls; it never reaches a text box's key handler.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;

    const QString kept = filtered(key->text());
    if (kept == key->text())
        return false;
    if (!kept.isEmpty()) {
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), kept);
        sendReplacement(watched, &replaced);
    }
    return true;
}

// Text composed by an input method skips the key events: it goes through the handler too.
bool KeyAsciiFilter::filterInputMethod(QObject *watched, QInputMethodEvent *input)
{
    if (input->commitString().isEmpty() && input->preeditString().isEmpty())
        return false;
    const QString kept = filtered(input->commitString());
    if (kept == input->commitString() && input->preeditString().isEmpty())
        return false;
    if (!kept.isEmpty()) {
        QInputMethodEvent replaced;
        replaced.setCommitString(kept);
        sendReplacement(watched, &replaced);
    }
    return true;
}

void KeyAsciiFilter::sendReplacement(QObject *watched, QEvent *replaced)
{
    mReplacing = true;
    QCoreApplication::sendEvent(watched, replaced);
    mReplacing = false;
}
