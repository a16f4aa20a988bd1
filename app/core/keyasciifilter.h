#pragma once

#include <functional>
#include <QObject>

// Gives a text box a key-press handler in the classic form: the character code of the typed
// key, by reference. The handler may replace the code, or set it to 0 to drop the key.
// Keys that type no character (arrows, Delete, function keys) pass untouched.
class KeyAsciiFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(char16_t &keyAscii)>;

    KeyAsciiFilter(QObject *watched, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler mHandler;
    bool mReplacing = false;
};
