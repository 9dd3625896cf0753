#pragma once

#include "core/help/HelpFile.h"
#include "core/help/HelpSearch.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

class QLabel;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QStatusBar;
class QTreeView;

namespace qm {

class HelpTopicModel;

// The help viewer: the topic tree on the left, the chosen topic's title in a
// banner and its text on the right, a splitter strip between them that the
// mouse drags, and a two-part status bar. Search (Ctrl+F, F3, Shift+F3) and
// printing (Ctrl+P) work on the topic shown.
class AppHelp : public QWidget
{
    Q_OBJECT

public:
    // A window of its own: no other window owns it.
    AppHelp(const QList<HelpTopic> &topics, const QString &title);

    const QList<HelpTopic> &topics() const { return m_topics; }
    // The topic shown (index into topics()), -1 when none.
    int currentTopic() const { return m_currentTopic; }
    // The wrap mode the topic text is shown with: 1 wrapped, -1 not wrapped.
    int textWrapMode() const { return m_textWrapMode; }

    void buildTopicTree();
    void expandAll(bool expand);
    void findText();
    void findNext();
    void findPrev();
    void printTopic();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    // The window's own keys: one action each, named, taken before any control sees them.
    void addAccelerators();
    void showTopic(const QModelIndex &current);
    void switchWrapMode();
    void showTreeMenu(const QPoint &pos);
    void dragSplitter(int d);
    void showMatch(const HelpMatch &match, int length);
    void noMoreFound();
    void selectTopic(int topic);
    // The bodies as shown, one "\n" between lines.
    QStringList shownTexts() const;

    QList<HelpTopic> m_topics;
    HelpTopicModel *m_model = nullptr;
    QTreeView *m_tree = nullptr;
    QLabel *m_banner = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QWidget *m_splitter = nullptr;
    QStatusBar *m_status = nullptr;
    QLabel *m_statusPart1 = nullptr;
    QLabel *m_statusPart2 = nullptr;
    QMenu *m_treeMenu = nullptr;
    QMenu *m_textMenu = nullptr;
    QList<QAction *> m_accelerators;

    int m_currentTopic = -1;
    int m_textWrapMode = 1;

    // Splitter drag: where it started and what the controls were then.
    bool m_dragging = false;
    int m_dragStartX = 0;
    QRect m_startTree;
    QRect m_startText;
    int m_startSplitX = 0;

    // Search state: the text asked for (in the search's letter case) and the
    // last occurrence found.
    QString m_searchText;
    int m_searchTopic = 0;
    HelpMatch m_lastMatch;
};

} // namespace qm
