#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace qm {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageRequest
{
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::optional<MessageAnswer> defaultAnswer = std::nullopt; // the button Enter presses; none: the box's own
};

using MessageHandler = std::function<MessageAnswer(const MessageRequest &)>;

// Every message box of the program goes through here. The program installs
// real message boxes at start-up; tests install scripted answers.
MessageAnswer showMessage(const QString &text, const QString &caption,
                          MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None,
                          std::optional<MessageAnswer> defaultAnswer = std::nullopt);
// Returns the handler that was installed before.
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace qm
