#include "config/AdListPanel.h"

#include "config/AdListModel.h"
#include "config/AdTable.h"
#include "config/ConfigControls.h"
#include "core/LedgerDocument.h"
#include "core/Messages.h"
#include "core/rules/AdRules.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace qm {

AdListPanel::AdListPanel(LedgerDocument &document, QWidget *dialog)
    : QObject(dialog), m_document(document), m_model(document.model())
{
    createControls(dialog);
}

void AdListPanel::createControls(QWidget *dialog)
{
    m_ads = new AdListModel(m_document, this);
    m_adList = new AdTable(m_ads, dialog);
    // The frame round the rows, then the scroll bar beside it.
    m_adList->setGeometry(10, 50, 435 + 20, 230);
    m_adScrollBar = m_adList->verticalScrollBar();
    connect(m_adScrollBar, &QScrollBar::valueChanged, this, &AdListPanel::listScrolled);
    connect(m_adList, &AdTable::cellPressed, this, &AdListPanel::cellPressed);
    connect(m_adList, &AdTable::wheelTurned, this, &AdListPanel::wheelTurned);

    m_addButton = addButton(dialog, QStringLiteral("AddAd"), tr("&Add Ad"), 20, 285, 80, 35);
    m_addButton->setAccessibleDescription(tr("Adds an ad at the end of the list"));
    connect(m_addButton, &QPushButton::clicked, this, [this] {
        addAd();
        emit controlUsed();
    });
    m_deleteButton = addButton(dialog, QStringLiteral("DeleteAd"), tr("&Del Ad"), 105, 285, 80, 35);
    m_deleteButton->setAccessibleDescription(tr("Deletes the ad under the cursor"));
    connect(m_deleteButton, &QPushButton::clicked, this, [this] {
        deleteAd();
        emit controlUsed();
    });

    // Tab goes through the controls in the order they were made: the list
    // (its editor stands in for it), its scroll bar, then the buttons.
    QWidget::setTabOrder(m_adScrollBar, m_addButton);
}

void AdListPanel::takeFocus()
{
    if (m_adEditor)
        m_adEditor->setFocus();
    else
        m_adList->setFocus();
}

void AdListPanel::open()
{
    const int nAds = m_model.adCount();
    m_list.open(nAds, m_adList->wholeRowsPerPage());
    showTopAd();
    if (nAds > 0)
        goToAdCell();
}

// The table follows the list's top, with the scroll bar's range for the ads there are.
void AdListPanel::showTopAd()
{
    m_movingList = true;
    m_adList->relayout();
    m_adList->setTopAd(m_list.topAd);
    m_movingList = false;
}

// The held cell's value reaches its ad where it differs; the table shows the ad.
void AdListPanel::storeHeldCell()
{
    const int ad = m_list.editAd;
    const int field = m_list.editField;
    if (ad < 1 || ad > m_model.adCount() || field < 1 || field > kAdFieldCount)
        return;
    if (adFieldText(m_model.ads.at(ad - 1), field) != m_list.pendingText)
        m_ads->setData(m_ads->index(ad - 1, field - 1), m_list.pendingText);
}

void AdListPanel::goToAdCell()
{
    const int nAds = m_model.adCount();
    if (nAds == 0)
        return;
    if (!m_list.holdsCursorCell())
        storeHeldCell();
    if (m_list.keepCursorShown(nAds))
        showTopAd();
    openEditorOnCursor();
}

void AdListPanel::openEditorOnCursor()
{
    emit hintChanged(m_list.curField == 1 ? ConfigHint::AdName : ConfigHint::Checkmark);
    const QModelIndex cell = m_ads->index(m_list.curAd - 1, m_list.curField - 1);
    if (m_editedCell != cell || !m_adEditor) {
        // A fresh editor on the cell; the one on the cell before goes once the
        // focus has left it.
        const QPersistentModelIndex before = m_editedCell;
        m_adList->openPersistentEditor(cell);
        m_adEditor = qobject_cast<QLineEdit *>(m_adList->indexWidget(cell));
        m_editedCell = cell;
        m_adEditor->installEventFilter(this);
        m_adList->setFocusProxy(m_adEditor);
        // Tab leads from the editor to the list's scroll bar, as from the list.
        QWidget::setTabOrder(m_adEditor, m_adScrollBar);
        m_adEditor->setFocus();
        if (before.isValid() && before != cell)
            m_adList->closePersistentEditor(before);
    } else {
        m_adList->itemDelegate()->setEditorData(m_adEditor, cell);
    }
    // The cursor arrives with the caret at the end of the text, nothing selected.
    m_adEditor->deselect();
    m_list.entryText = m_adEditor->text();
    m_list.pendingText = m_list.entryText;
    m_list.holdCursorCell();
    m_adEditor->setFocus();
}

// No ad, no cell: the list itself takes the keys.
void AdListPanel::closeEditor()
{
    if (m_editedCell.isValid())
        m_adList->closePersistentEditor(m_editedCell);
    m_editedCell = QPersistentModelIndex();
    m_adEditor = nullptr;
    m_adList->setFocusProxy(nullptr);
}

// One line up or down, from a key or the wheel; the cursor keeps its screen row.
void AdListPanel::scrollAdList(AdScroll step)
{
    const int top = m_list.scrollTarget(step, m_model.adCount(), m_adScrollBar->pageStep());
    if (top == 0)
        return;
    storeHeldCell();
    m_list.scrollTo(top);
    showTopAd();
    openEditorOnCursor();
}

// The user moved the table with its scroll bar; the cursor keeps its screen row.
void AdListPanel::listScrolled()
{
    const int top = m_adList->topAd();
    if (m_movingList || m_stopped || m_model.adCount() == 0 || top == m_list.topAd)
        return;
    storeHeldCell();
    m_list.scrollTo(top);
    openEditorOnCursor();
}

void AdListPanel::addAd()
{
    const int nAds = m_ads->addAd();
    m_list.afterAdd(nAds);
    showTopAd();
    goToAdCell();
}

void AdListPanel::deleteAd()
{
    if (m_model.adCount() == 0)
        return;
    const QString name = m_model.ads.at(m_list.curAd - 1).name;
    if (!adMayBeDeleted(m_model, m_list.curAd, m_list.adsAtOpen)) {
        showMessage(adInUseMessage(), name, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (showMessage(deleteAdQuestion(), name, MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes)
        return;

    m_movingList = true; // the table's own clamping of its top is not a scroll of the user's
    m_ads->deleteAd(m_list.curAd);
    m_movingList = false;
    const int nAds = m_model.adCount();
    m_list.afterDelete(nAds);
    showTopAd();
    if (nAds == 0) {
        const bool hadFocus = m_adList->hasFocus();
        closeEditor();
        if (hadFocus)
            m_adList->setFocus();
        emit hintChanged(ConfigHint::None);
    }
    goToAdCell();
}

// A checkmark takes its new value at once; the cell stays held, so that Esc
// can still bring back the value it had when the cursor came.
void AdListPanel::toggleCheckmark()
{
    m_list.pendingText = toggledCheckmark(m_list.pendingText);
    m_adEditor->setText(m_list.pendingText);
    m_adList->itemDelegate()->setModelData(m_adEditor, m_ads, m_editedCell);
}

void AdListPanel::enterCommand(bool fromAdEditor)
{
    const int nAds = m_model.adCount();
    if (nAds == 0)
        return;
    if (m_list.curField == 1 && fromAdEditor) {
        const QString name = m_adEditor->text();
        if (name.isEmpty())
            return;
        m_adList->itemDelegate()->setModelData(m_adEditor, m_ads, m_editedCell);
        m_list.pendingText = name;
        m_list.afterNameEntered(nAds);
        goToAdCell();
        return;
    }
    if (m_list.enterStep(nAds))
        scrollAdList(AdScroll::LineDown);
    goToAdCell();
}

void AdListPanel::escapeCommand()
{
    if (!m_adEditor)
        return;
    m_list.pendingText = m_list.entryText;
    m_adEditor->setText(m_list.entryText);
    if (m_list.holdsCursorCell())
        storeHeldCell();
}

void AdListPanel::leaveCheckmark()
{
    if (m_inFocusRule || m_stopped || m_list.curField <= 1 || m_model.adCount() == 0)
        return;
    m_inFocusRule = true;
    const QPointer<QWidget> had = QApplication::focusWidget();
    m_list.curField = 1;
    goToAdCell();
    if (had && !m_adList->isAncestorOf(had))
        had->setFocus(Qt::OtherFocusReason);
    m_inFocusRule = false;
}

bool AdListPanel::editorKey(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnterKey(key)) {
        enterCommand(true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        escapeCommand();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;

    const int nAds = m_model.adCount();
    if (nAds == 0)
        return true; // no ad, no cell to type into
    const QLineEdit *pressedIn = m_adEditor;
    const AdKeyEffect effect = m_list.keyPressed(key, event->modifiers() & Qt::ShiftModifier, nAds);
    if (effect.scroll != 0)
        scrollAdList(effect.scroll < 0 ? AdScroll::LineUp : AdScroll::LineDown);
    if (effect.toggle)
        toggleCheckmark();
    if (effect.moved)
        goToAdCell();
    if (!effect.handled && m_adEditor != pressedIn) {
        // Home in a name, which also puts the caret at the start: of the name
        // the cursor came to, whose editor is not the one the key was pressed in.
        m_adEditor->home(false);
        return true;
    }
    return effect.handled;
}

void AdListPanel::cellPressed(const QModelIndex &index)
{
    const int ad = index.row() + 1;
    if (m_stopped || m_list.rowOf(ad) == 0)
        return; // the row below the last whole one is not shown
    m_list.curAd = ad;
    m_list.curField = index.column() + 1;
    goToAdCell();
}

void AdListPanel::wheelTurned(int angleDelta)
{
    if (m_stopped)
        return;
    const int nAds = m_model.adCount();
    m_wheelDelta += angleDelta;
    while (m_wheelDelta >= QWheelEvent::DefaultDeltasPerStep) {
        m_wheelDelta -= QWheelEvent::DefaultDeltasPerStep;
        if (m_list.topAd > 1 && m_list.curAd > 1)
            scrollAdList(AdScroll::LineUp);
    }
    while (m_wheelDelta <= -QWheelEvent::DefaultDeltasPerStep) {
        m_wheelDelta += QWheelEvent::DefaultDeltasPerStep;
        if (m_list.topAd < m_list.lastTop(nAds) && m_list.curAd < nAds)
            scrollAdList(AdScroll::LineDown);
    }
}

bool AdListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (m_stopped)
        return false;
    if (watched != m_adEditor)
        return false;
    if (event->type() == QEvent::KeyPress)
        return editorKey(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::Wheel) {
        // The editor covers a cell of the list: the wheel scrolls the list.
        wheelTurned(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return false;
}

} // namespace qm
