#pragma once

#include "core/Messages.h"

#include <QList>

// Replaces the program's message boxes for as long as it lives: records every
// message asked and answers from a script (then with `fallback`).
class ScriptedMessages
{
public:
    explicit ScriptedMessages(qm::MessageAnswer fallback = qm::MessageAnswer::No) : m_fallback(fallback)
    {
        m_previous = qm::setMessageHandler([this](const qm::MessageRequest &request) {
            asked << request;
            if (!answers.isEmpty())
                return answers.takeFirst();
            return request.buttons == qm::MessageButtons::Ok ? qm::MessageAnswer::Ok : m_fallback;
        });
    }
    ~ScriptedMessages() { qm::setMessageHandler(m_previous); }
    ScriptedMessages(const ScriptedMessages &) = delete;
    ScriptedMessages &operator=(const ScriptedMessages &) = delete;

    QList<qm::MessageAnswer> answers;
    QList<qm::MessageRequest> asked;

private:
    qm::MessageAnswer m_fallback;
    qm::MessageHandler m_previous;
};
