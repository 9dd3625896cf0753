#include "help/AppHelp.h"

#include "help/HelpTopicModel.h"
#include "ui/Fonts.h"
#include "ui/TextFit.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

namespace qm {

namespace {

const QString kBannerIndent = QStringLiteral("     ");

int tabStopChars(qint32 tabWidth) { return tabWidth > 0 && tabWidth <= 64 ? tabWidth : 8; }

} // namespace

AppHelp::AppHelp(const QList<HelpTopic> &topics, const QString &title)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_topics(topics)
{
    setObjectName(QStringLiteral("appHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether help is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(title.isEmpty() ? tr("Application Help") : title);

    buildControls();
    buildMenus();
    addAccelerators();
    resize(640, 370);
    setMinimumSize(320, 160);
    buildTopicTree();
}

void AppHelp::buildControls()
{
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("TopicTree"));
    m_tree->setAccessibleName(tr("Topics"));
    m_tree->setAccessibleDescription(tr("Choose a topic to read it; right click or F1 for the menu"));
    m_tree->setGeometry(10, 5, 235, 325);
    m_tree->setFont(uiFont(10));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &AppHelp::showTreeMenu);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("Banner"));
    m_banner->setGeometry(250, 5, 355, 23);
    m_banner->setFont(uiFont(12));
    m_banner->setAutoFillBackground(true);
    QPalette bannerColours = m_banner->palette();
    bannerColours.setColor(QPalette::Window, QColor(211, 211, 211));
    bannerColours.setColor(QPalette::WindowText, Qt::black);
    m_banner->setPalette(bannerColours);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TopicText"));
    m_text->setAccessibleName(tr("Topic text"));
    m_text->setAccessibleDescription(tr("The text of the chosen topic; right click for the menu"));
    m_text->setGeometry(250, 30, 370, 300);
    m_text->setFont(uiFont(10));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Black on pale yellow, 12 pixels of yellow either side of the text, and a
    // found word that stays marked while the focus is elsewhere.
    const QPalette system = m_text->palette();
    m_text->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(255, 250, 205); color: black; "
                                         "padding-left: %1px; padding-right: %1px; "
                                         "selection-background-color: %2; selection-color: %3; }")
                              .arg(12 - int(m_text->document()->documentMargin()))
                              .arg(system.color(QPalette::Active, QPalette::Highlight).name(),
                                   system.color(QPalette::Active, QPalette::HighlightedText).name()));
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_textMenu->popup(m_text->viewport()->mapToGlobal(pos)); });
    m_textWrapMode = 1;
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_splitter = new QWidget(this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setGeometry(245, 5, 5, 325);
    m_splitter->setCursor(Qt::SplitHCursor);
    m_splitter->installEventFilter(this);

    m_status = new QStatusBar(this);
    QStatusBar *status = m_status;
    status->setObjectName(QStringLiteral("StatusBar"));
    m_statusPart1 = new QLabel(QStringLiteral("  ") + tr("Right click mouse (or F1) for menu options"), status);
    m_statusPart1->setObjectName(QStringLiteral("StatusPart1"));
    m_statusPart2 = new QLabel(status);
    m_statusPart2->setObjectName(QStringLiteral("StatusPart2"));
    // The second part takes the rest of the bar whatever its text, which is fitted into it.
    m_statusPart2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->addWidget(m_statusPart1);
    status->addWidget(m_statusPart2, 1);
    fitText(m_statusPart1);
    showCutTextsInToolTips(m_tree);

    for (QWidget *w : {static_cast<QWidget *>(m_tree), static_cast<QWidget *>(m_text)})
        w->installEventFilter(this);
}

void AppHelp::buildMenus()
{
    auto add = [this](QMenu *menu, const QString &text, void (AppHelp::*command)()) {
        menu->addAction(text, this, command);
    };
    m_treeMenu = new QMenu(this);
    m_treeMenu->setObjectName(QStringLiteral("TreeMenu"));
    add(m_treeMenu, tr("Find text\tCTRL+F"), &AppHelp::findText);
    add(m_treeMenu, tr("Next\tF3"), &AppHelp::findNext);
    add(m_treeMenu, tr("Prev\tSHFT+F3"), &AppHelp::findPrev);
    m_treeMenu->addSeparator();
    m_treeMenu->addAction(tr("Expand topic"), this,
                          [this] { m_tree->expand(m_model->indexOf(m_currentTopic)); });
    m_treeMenu->addAction(tr("Collapse topic"), this,
                          [this] { m_tree->collapse(m_model->indexOf(m_currentTopic)); });
    m_treeMenu->addAction(tr("Expand all\tCTRL+X"), this, [this] { expandAll(true); });
    m_treeMenu->addAction(tr("Collapse all\tCTRL+C"), this, [this] { expandAll(false); });
    m_treeMenu->addSeparator();
    add(m_treeMenu, tr("Print item\tCTRL+P"), &AppHelp::printTopic);

    m_textMenu = new QMenu(this);
    m_textMenu->setObjectName(QStringLiteral("TextMenu"));
    add(m_textMenu, tr("Find text\tCTRL+F"), &AppHelp::findText);
    add(m_textMenu, tr("Next\tF3"), &AppHelp::findNext);
    add(m_textMenu, tr("Prev\tSHFT+F3"), &AppHelp::findPrev);
    m_textMenu->addSeparator();
    add(m_textMenu, tr("Print item\tCTRL+P"), &AppHelp::printTopic);
}

void AppHelp::addAccelerators()
{
    const struct
    {
        const char *name;
        QKeySequence key;
        std::function<void()> command;
    } table[] = {
        {"FindTextAction", QKeySequence(Qt::CTRL | Qt::Key_F), [this] { findText(); }},
        {"FindNextAction", QKeySequence(Qt::Key_F3), [this] { findNext(); }},
        {"FindPrevAction", QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findPrev(); }},
        {"PrintTopicAction", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printTopic(); }},
        {"ExpandAllAction", QKeySequence(Qt::CTRL | Qt::Key_X), [this] { expandAll(true); }},
        {"CollapseAllAction", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { expandAll(false); }},
        {"TreeMenuAction", QKeySequence(Qt::Key_F1),
         [this] { m_treeMenu->popup(frameGeometry().topLeft() + QPoint(40, 50)); }},
        {"CloseAction", QKeySequence(Qt::Key_Escape), [this] { close(); }},
    };
    for (const auto &entry : table) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.key);
        addAction(action);
        connect(action, &QAction::triggered, this, entry.command);
        m_accelerators << action;
    }
}

void AppHelp::buildTopicTree()
{
    m_currentTopic = -1;
    HelpTopicModel *previous = m_model;
    m_model = new HelpTopicModel(m_topics, this);
    m_tree->setModel(m_model);
    delete previous;
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { showTopic(current); });
    m_tree->expandAll();
    selectTopic(firstShownHelpTopic(m_topics));
}

void AppHelp::selectTopic(int topic)
{
    const QModelIndex index = m_model->indexOf(topic);
    if (index.isValid())
        m_tree->setCurrentIndex(index);
}

void AppHelp::expandAll(bool expand)
{
    if (expand)
        m_tree->expandAll();
    else
        m_tree->collapseAll();
}

void AppHelp::showTopic(const QModelIndex &current)
{
    m_model->setBoldTopic(-1);
    m_currentTopic = HelpTopicModel::topicOf(current);
    if (m_currentTopic < 0)
        return;
    const HelpTopic &topic = m_topics.at(m_currentTopic);
    m_text->setPlainText(helpDisplayText(topic.body));
    m_banner->setText(kBannerIndent + topic.title);
    fitText(m_banner);
    if ((topic.wrapMode == -1 ? -1 : 1) != m_textWrapMode)
        switchWrapMode();
    m_text->setTabStopDistance(tabStopChars(topic.tabWidth) * QFontMetrics(m_text->font()).averageCharWidth());
    const QModelIndex parent = current.parent();
    m_statusPart2->setText(parent.isValid() ? parent.data().toString() + QStringLiteral(" : ") + topic.title
                                            : topic.title);
    fitText(m_statusPart2);
}

void AppHelp::switchWrapMode()
{
    m_textWrapMode = -m_textWrapMode;
    const bool wrapped = m_textWrapMode == 1;
    m_text->setLineWrapMode(wrapped ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(wrapped ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void AppHelp::showTreeMenu(const QPoint &pos)
{
    const QModelIndex index = m_tree->indexAt(pos);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_treeMenu->popup(m_tree->viewport()->mapToGlobal(pos));
}

QStringList AppHelp::shownTexts() const
{
    QStringList texts;
    texts.reserve(m_topics.size());
    for (const HelpTopic &topic : m_topics)
        texts << helpDisplayText(topic.body);
    return texts;
}

void AppHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int statusHeight = m_status->sizeHint().height();
    m_status->setGeometry(0, height() - statusHeight, width(), statusHeight);
    m_statusPart1->setFixedWidth(width() * 65 / 100);
    // The first size is the one the controls were laid out for.
    if (!event->oldSize().isValid())
        return;
    const int w = width();
    const int h = height();
    const QPoint split = m_splitter->pos();
    m_banner->resize(std::max(0, w - split.x() - 35), 18 + split.y());
    m_text->resize(std::max(0, w - split.x() - 20), std::max(0, h - 65));
    m_tree->resize(m_tree->width(), std::max(0, h - 40));
    m_splitter->resize(5, std::max(0, h - 40));
}

void AppHelp::dragSplitter(int d)
{
    // Both sides keep some room.
    d = std::clamp(d, 30 - m_startTree.width(), m_startText.width() - 60);
    if (d == 0 && m_splitter->x() == m_startSplitX)
        return;
    const int y = m_startTree.y();
    m_tree->resize(m_startTree.width() + d, m_tree->height());
    m_banner->setGeometry(m_startText.x() + d, y, m_startText.width() - d - 15, 23);
    m_text->setGeometry(m_startText.x() + d, y + 23, m_startText.width() - d, m_startTree.height() - 23);
    m_splitter->move(m_startSplitX + d, y);
}

bool AppHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_splitter) {
        auto *mouse = dynamic_cast<QMouseEvent *>(event);
        if (!mouse)
            return QWidget::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                m_dragging = true;
                m_dragStartX = int(mouse->globalPosition().x());
                m_startTree = m_tree->geometry();
                m_startText = m_text->geometry();
                m_startSplitX = m_splitter->x();
            }
            return true;
        case QEvent::MouseMove:
            if (m_dragging)
                dragSplitter(int(mouse->globalPosition().x()) - m_dragStartX);
            return true;
        case QEvent::MouseButtonRelease:
            m_dragging = false;
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+C and the like are the window's commands here, not the controls'.
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : std::as_const(m_accelerators)) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qm
