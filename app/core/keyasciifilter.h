#pragma once

#include <functional>
#include <QObject>

// Gives a text box a key-press handler in the classic form: the character code of the typed
// key, by reference. The handler may replace the code, or set it to 0 to drop the key.
// Keys that type no character (arrows, Delete, function keys) pass untouched; a text of several
// characters, or one composed by an input method, goes through character by character.
class KeyAsciiFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(char16_t &keyAscii)>;

    KeyAsciiFilter(QObject *watched, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString filtered(const QString &text);
    bool filterKey(QObject *watched, class QKeyEvent *key);
    bool filterInputMethod(QObject *watched, class QInputMethodEvent *input);
    void sendReplacement(QObject *watched, QEvent *replaced);

    Handler mHandler;
    bool mReplacing = false;
};
