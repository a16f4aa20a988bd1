#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBox::Hook &installedHook()
{
    static MessageBox::Hook hook;
    return hook;
}

QMessageBox::Icon platformIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer showPlatformBox(const MessageRequest &request)
{
    QMessageBox box(platformIcon(request.icon), request.title, request.prompt,
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (request.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}
} // namespace

MsgAnswer MessageBox::show(const QString &prompt, MsgButtons buttons, MsgIcon icon,
                           const QString &title)
{
    MessageRequest request{prompt, buttons, icon, title.isEmpty() ? applicationTitle() : title};
    if (installedHook())
        return installedHook()(request);
    return showPlatformBox(request);
}

void MessageBox::setHook(Hook hook)
{
    installedHook() = std::move(hook);
}
