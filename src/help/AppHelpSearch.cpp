// The help viewer's search (Find: Ctrl+F, Next: F3, Prev: Shift+F3) and printing (Ctrl+P).
#include "help/AppHelp.h"

#include "core/Messages.h"
#include "help/HelpPrinting.h"
#include "help/HelpTopicModel.h"
#include "help/InputTextBox.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeView>

namespace qm {

void AppHelp::findText()
{
    m_searchTopic = std::max(m_currentTopic, 0);
    const InputTextResult input =
        inputText(m_text, tr("Enter text:"), tr("Text to Find"), QString());
    if (input.fromTop)
        m_searchTopic = 0;
    m_searchText = foldHelpCase(input.text);
    if (m_model->indexOf(m_searchTopic).isValid()) {
        selectTopic(m_searchTopic);
        m_model->setBoldTopic(m_searchTopic);
    }
    if (m_searchText.isEmpty()) {
        m_tree->setFocus();
        return;
    }
    const HelpMatch match = qm::findText(shownTexts(), m_searchText, m_searchTopic);
    if (!match.found()) {
        showMessage(tr("None found"), m_searchText);
        return;
    }
    showMatch(match, int(m_searchText.size()));
}

void AppHelp::findNext()
{
    if (m_currentTopic < 0)
        return;
    const HelpMatch match =
        qm::findNext(shownTexts(), m_searchText, m_currentTopic, m_text->textCursor().selectionEnd());
    if (match.found())
        showMatch(match, int(m_searchText.size()));
    else
        noMoreFound();
}

void AppHelp::findPrev()
{
    if (m_currentTopic < 0)
        return;
    const HelpMatch match =
        qm::findPrev(shownTexts(), m_searchText, m_currentTopic, m_text->textCursor().selectionStart());
    if (match.found())
        showMatch(match, int(m_searchText.size()));
    else
        noMoreFound();
}

void AppHelp::showMatch(const HelpMatch &match, int length)
{
    selectTopic(match.topic);
    m_model->setBoldTopic(match.topic);
    QTextCursor cursor(m_text->document());
    cursor.setPosition(match.position);
    cursor.setPosition(match.position + length, QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
    m_text->setFocus();
    m_lastMatch = match;
    m_searchTopic = match.topic;
}

void AppHelp::noMoreFound()
{
    showMessage(tr("No more found"), m_searchText);
    // The last occurrence found stays marked, where it is still on screen.
    if (m_lastMatch.found() && m_lastMatch.topic == m_currentTopic) {
        QTextCursor cursor(m_text->document());
        cursor.setPosition(m_lastMatch.position);
        cursor.setPosition(m_lastMatch.position + int(m_searchText.size()), QTextCursor::KeepAnchor);
        m_text->setTextCursor(cursor);
    }
}

void AppHelp::printTopic()
{
    if (m_currentTopic < 0)
        return;
    const HelpTopic &topic = m_topics.at(m_currentTopic);
    printHelpTopic(topic.title, topic.body, this);
}

} // namespace qm
