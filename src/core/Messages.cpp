#include "core/Messages.h"

#include <QDebug>

namespace qm {

namespace {
MessageHandler &installedHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

MessageAnswer showMessage(const QString &text, const QString &caption, MessageButtons buttons,
                          MessageIcon icon, std::optional<MessageAnswer> defaultAnswer)
{
    if (installedHandler())
        return installedHandler()({text, caption, buttons, icon, defaultAnswer});
    // Nobody to ask: take the answer that changes nothing.
    qWarning().noquote() << caption << ":" << text;
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

} // namespace qm
