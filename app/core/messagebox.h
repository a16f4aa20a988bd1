#pragma once

#include <functional>
#include <QString>

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Yes, No };

struct MessageRequest
{
    QString prompt;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title;
};

// Every message box of the logbook goes through here. A box without a title bears the
// application title. Tests install a hook that records the request and gives the answer.
class MessageBox
{
public:
    using Hook = std::function<MsgAnswer(const MessageRequest &)>;

    static MsgAnswer show(const QString &prompt, MsgButtons buttons = MsgButtons::Ok,
                          MsgIcon icon = MsgIcon::None, const QString &title = QString());
    static void setHook(Hook hook);

    static QString applicationTitle() { return QStringLiteral("Tarvelin"); }
};
