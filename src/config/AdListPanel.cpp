#include "config/AdListPanel.h"

#include "config/AdTable.h"
#include "config/ConfigControls.h"
#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/rules/AdRules.h"
#include "ui/QuoteFreeValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace qm {

AdListPanel::AdListPanel(LedgerModel &model, QWidget *dialog) : QObject(dialog), m_model(model)
{
    createControls(dialog);
}

void AdListPanel::createControls(QWidget *dialog)
{
    m_adList = new AdTable(dialog);
    m_adList->setGeometry(10, 50, 435, 230);

    m_adScrollBar = new QScrollBar(Qt::Vertical, dialog);
    m_adScrollBar->setObjectName(QStringLiteral("AdScrollBar"));
    m_adScrollBar->setAccessibleName(tr("Scroll the ads"));
    m_adScrollBar->setGeometry(445, 50, 20, 230);
    m_adScrollBar->setFocusPolicy(Qt::StrongFocus);
    connect(m_adScrollBar, &QScrollBar::actionTriggered, this, &AdListPanel::scrollBarAction);

    // Lies over the current cell; until the first ad there is no cell and it stays empty.
    m_adEditor = new QLineEdit(m_adList->viewport());
    m_adEditor->setObjectName(QStringLiteral("AdEditor"));
    m_adEditor->setAccessibleName(tr("Ad name"));
    m_adEditor->setGeometry(0, 0, 0, 0);
    m_adEditor->setValidator(new QuoteFreeValidator(m_adEditor));
    m_adList->setFocusProxy(m_adEditor);

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

    // Tab goes through the controls in the order they were made. The editor
    // stands in for the list, but was made after the scroll bar: put it back.
    QWidget::setTabOrder(m_adEditor, m_adScrollBar);
    QWidget::setTabOrder(m_adScrollBar, m_addButton);

    m_adEditor->installEventFilter(this);
    m_adList->installEventFilter(this);
    m_adList->viewport()->installEventFilter(this);
}

void AdListPanel::open()
{
    const int nAds = m_model.adCount();
    m_list.open(nAds, m_adList->wholeRowsPerPage());
    if (nAds > 0) {
        m_adList->setRows(m_list.shownAds);
        refreshAdRows();
        goToAdCell(false);
    }
    setAdScrollRange();
}

void AdListPanel::refreshAdRows()
{
    const int rows = std::min({m_model.adCount() - m_list.topAd + 1, m_list.rowsPerPage, m_adList->rowCount()});
    for (int row = 1; row <= rows; ++row) {
        const AdRecord &ad = m_model.ads.at(m_list.topAd + row - 2);
        for (int field = 1; field <= kAdFieldCount; ++field)
            m_adList->setCellText(row, field, adFieldText(ad, field));
    }
}

// The held cell's value reaches its row and, where it differs, the ad.
void AdListPanel::storeHeldCell()
{
    const int ad = m_list.editAd;
    const int field = m_list.editField;
    if (ad < 1 || ad > m_model.adCount() || field < 1 || field > kAdFieldCount)
        return;
    if (adFieldText(m_model.ads.at(ad - 1), field) != m_list.pendingText)
        setAdField(m_model, ad, field, m_list.pendingText);
    if (const int row = m_list.rowOf(ad); row > 0)
        m_adList->setCellText(row, field, m_list.pendingText);
}

void AdListPanel::goToAdCell(bool refresh)
{
    const int nAds = m_model.adCount();
    if (nAds == 0)
        return;
    if (!m_list.holdsCursorCell())
        storeHeldCell();
    if (m_list.keepCursorShown(nAds)) {
        if (refresh)
            refreshAdRows();
        m_adScrollBar->setValue(m_list.topAd);
    }
    openEditorOnCursor();
}

void AdListPanel::openEditorOnCursor()
{
    const bool nameField = m_list.curField == 1;
    emit hintChanged(nameField ? ConfigHint::AdName : ConfigHint::Checkmark);
    // The editor stands for the cell it lies on.
    m_adEditor->setAccessibleName(
        nameField ? tr("Ad name") : tr("Runs in %1").arg(m_adList->fieldHeading(m_list.curField)));
    m_adEditor->setAccessibleDescription(configHint(nameField ? ConfigHint::AdName : ConfigHint::Checkmark));

    const EditorKind kind = nameField ? EditorKind::Name : EditorKind::Checkmark;
    if (kind != m_editorKind) {
        // Names are typed; a checkmark only toggles with Space, so its cell shows
        // no caret and takes no characters.
        m_adEditor->setReadOnly(!nameField);
        m_adEditor->setAlignment(nameField ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_editorKind = kind;
    }

    m_adEditor->setGeometry(m_adList->cellRect(m_list.curAd - m_list.topAd + 1, m_list.curField));
    const QString text = adFieldText(m_model.ads.at(m_list.curAd - 1), m_list.curField);
    m_adEditor->setText(text);
    m_list.entryText = text;
    m_list.pendingText = text;
    m_list.holdCursorCell();
    m_adEditor->show();
    m_adEditor->setFocus();
}

void AdListPanel::scrollAdList(AdScroll step, int thumb)
{
    const int top = m_list.scrollTarget(step, m_model.adCount(), m_adScrollBar->pageStep(), thumb);
    if (top == 0)
        return;
    storeHeldCell();
    m_list.scrollTo(top);
    m_adScrollBar->setValue(m_list.topAd);
    refreshAdRows();
    openEditorOnCursor();
}

void AdListPanel::setAdScrollRange()
{
    const AdScrollRange range = m_list.scrollRange(m_model.adCount());
    m_adScrollBar->setRange(range.minimum, range.maximum);
    m_adScrollBar->setSingleStep(1);
    m_adScrollBar->setPageStep(range.page);
    m_adScrollBar->setValue(m_list.topAd);
    // Nothing to scroll: shown disabled, never hidden.
    m_adScrollBar->setEnabled(range.scrolls());
}

void AdListPanel::scrollBarAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scrollAdList(AdScroll::LineUp);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scrollAdList(AdScroll::LineDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollAdList(AdScroll::PageUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollAdList(AdScroll::PageDown);
        break;
    case QAbstractSlider::SliderMove:
        scrollAdList(AdScroll::Thumb, m_adScrollBar->sliderPosition());
        break;
    default:
        break;
    }
    // The bar shows where the list is, whatever it would have done by itself.
    m_adScrollBar->setSliderPosition(m_list.topAd);
}

void AdListPanel::addAd()
{
    const int nAds = m_model.addAd();
    m_list.afterAdd(nAds);
    if (m_adList->rowCount() < m_list.shownAds)
        m_adList->setRows(m_list.shownAds);
    refreshAdRows();
    goToAdCell(true);
    setAdScrollRange();
}

void AdListPanel::deleteAd()
{
    if (m_model.adCount() == 0)
        return;
    const int row = m_list.rowOf(m_list.curAd);
    const QString name = row > 0 ? m_adList->cellText(row, 1) : m_model.ads.at(m_list.curAd - 1).name;
    if (!adMayBeDeleted(m_model, m_list.curAd, m_list.adsAtOpen)) {
        showMessage(adInUseMessage(), name, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (showMessage(deleteAdQuestion(), name, MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes)
        return;

    m_model.deleteAd(m_list.curAd);
    const int nAds = m_model.adCount();
    m_list.afterDelete(nAds);
    m_adList->setRows(m_list.shownAds);
    refreshAdRows();
    if (nAds == 0) {
        m_adEditor->setGeometry(0, 0, 0, 0);
        m_adEditor->clear();
        m_editorKind = EditorKind::None;
        emit hintChanged(ConfigHint::None);
    }
    // The top may have moved with the deletion, so the rows are refreshed here too.
    goToAdCell(true);
    setAdScrollRange();
}

// A checkmark takes its new value at once; the cell stays held, so that Esc
// can still bring back the value it had when the cursor came.
void AdListPanel::toggleCheckmark()
{
    m_list.pendingText = toggledCheckmark(m_list.pendingText);
    m_adEditor->setText(m_list.pendingText);
    storeHeldCell();
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
        m_model.renameAd(m_list.curAd, name);
        if (const int row = m_list.rowOf(m_list.curAd); row > 0)
            m_adList->setCellText(row, 1, name);
        m_list.pendingText = name;
        m_list.afterNameEntered(nAds);
        goToAdCell(true);
        return;
    }
    if (m_list.enterStep(nAds))
        scrollAdList(AdScroll::LineDown);
    goToAdCell(true);
}

void AdListPanel::escapeCommand()
{
    m_list.pendingText = m_list.entryText;
    m_adEditor->setText(m_list.entryText);
    if (m_model.adCount() > 0 && m_list.holdsCursorCell())
        storeHeldCell();
}

void AdListPanel::leaveCheckmark()
{
    if (m_inFocusRule || m_stopped || m_list.curField <= 1 || m_model.adCount() == 0)
        return;
    m_inFocusRule = true;
    const QPointer<QWidget> had = QApplication::focusWidget();
    m_list.curField = 1;
    goToAdCell(false);
    if (had && had != m_adEditor)
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
    const AdKeyEffect effect = m_list.keyPressed(key, event->modifiers() & Qt::ShiftModifier, nAds);
    if (effect.scroll != 0)
        scrollAdList(effect.scroll < 0 ? AdScroll::LineUp : AdScroll::LineDown);
    if (effect.toggle)
        toggleCheckmark();
    if (effect.moved)
        goToAdCell(effect.refresh);
    return effect.handled;
}

// Keys the editor leaves alone must not reach the list, which would move its
// own selection or search its rows.
bool AdListPanel::listKey(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnterKey(key)) {
        enterCommand(false);
        return true;
    }
    if (key == Qt::Key_Escape) {
        escapeCommand();
        return true;
    }
    return key != Qt::Key_Tab && key != Qt::Key_Backtab;
}

bool AdListPanel::mouseOnList(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() != QEvent::MouseButtonPress)
        return true;
    if (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton)
        return true;
    const QModelIndex cell = m_adList->indexAt(mouse->position().toPoint());
    if (!cell.isValid() || cell.row() >= m_list.shownAds || m_model.adCount() == 0)
        return true;
    m_list.curAd = m_list.topAd + cell.row();
    m_list.curField = cell.column() + 1;
    goToAdCell(false);
    return true;
}

void AdListPanel::wheelOnList(QWheelEvent *event)
{
    const int nAds = m_model.adCount();
    m_wheelDelta += event->angleDelta().y();
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
    const QEvent::Type type = event->type();
    if (watched == m_adEditor) {
        if (type == QEvent::KeyPress)
            return editorKey(static_cast<QKeyEvent *>(event));
        if (type == QEvent::Wheel) {
            // The editor covers a cell of the list: the wheel scrolls the list.
            wheelOnList(static_cast<QWheelEvent *>(event));
            return true;
        }
        return false;
    }
    if (watched == m_adList)
        return type == QEvent::KeyPress && listKey(static_cast<QKeyEvent *>(event));
    if (watched == m_adList->viewport()) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return mouseOnList(event);
        case QEvent::Wheel:
            wheelOnList(static_cast<QWheelEvent *>(event));
            return true;
        default:
            return false;
        }
    }
    return false;
}

} // namespace qm
