#include "grid/GridEditors.h"

#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/rules/CellCommit.h"
#include "grid/GridDelegate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionViewItem>
#include <QSignalBlocker>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GridEditors)
};

} // namespace

GridEditors::GridEditors(LedgerDocument &document, const GridDelegate &delegate, ViewState &view,
                         QWidget *gridViewport, QWidget *window)
    : m_document(document), m_model(document.model()), m_delegate(delegate), m_view(view), m_parent(gridViewport)
{
    m_pickupList = new QListWidget(window);
    m_pickupList->setObjectName(QStringLiteral("PickupList"));
    m_pickupList->setAccessibleName(Text::tr("Pickup"));
    m_pickupList->setAccessibleDescription(Text::tr("The publication an ad is picked up from"));
    m_pickupList->setGeometry(620, 450, 70, 70);
    m_pickupList->addItems(pickupCodes());
    m_pickupList->setFrameShape(QFrame::Box);
    m_pickupList->hide();
}

QWidget *GridEditors::editorFor(int column) const
{
    switch (column) {
    case ColSalesPerson:
        return m_salesPulldown;
    case ColSize:
        return m_sizePulldown;
    case ColStatus:
        return m_statusPulldown;
    default:
        return m_cellEditor;
    }
}

bool GridEditors::isPulldown(const QObject *object) const
{
    return object && (object == m_salesPulldown || object == m_sizePulldown || object == m_statusPulldown);
}

void GridEditors::create()
{
    delete m_cellEditor;
    const int named = GridDelegate::kindOf(m_view.editColumn) == EditorKind::Pulldown ? ColNumber : m_view.editColumn;
    m_cellEditor = static_cast<QLineEdit *>(m_delegate.makeEditor(m_parent, named));
    m_cellEditor->setReadOnly(false);

    if (!m_salesPulldown) {
        m_salesPulldown = static_cast<QComboBox *>(m_delegate.makeEditor(m_parent, ColSalesPerson));
        m_sizePulldown = static_cast<QComboBox *>(m_delegate.makeEditor(m_parent, ColSize));
        m_statusPulldown = static_cast<QComboBox *>(m_delegate.makeEditor(m_parent, ColStatus));
    }
    // The pickup entry of another ledger read before does not carry over.
    {
        const QSignalBlocker blocker(m_statusPulldown);
        m_statusPulldown->setItemText(1, m_model.statusValues().at(1));
    }
    fillSalesChoices();
}

void GridEditors::fillSalesChoices()
{
    const QSignalBlocker blocker(m_salesPulldown);
    m_salesPulldown->clear();
    m_salesPulldown->addItems(m_model.salesChoices());
    m_salesPulldown->setCurrentIndex(-1);
}

void GridEditors::selectEntry(QComboBox *box, const QString &text) { GridDelegate::showText(box, text); }

void GridEditors::setEditorText(const QString &text) { GridDelegate::showText(m_cellEditor, text); }

void GridEditors::load(int column, const QString &text)
{
    switch (column) {
    case ColSalesPerson:
        selectEntry(m_salesPulldown, text);
        break;
    case ColSize:
        selectEntry(m_sizePulldown, text);
        break;
    case ColStatus:
        if (m_model.statusValues().contains(text) || text.isEmpty()) {
            selectEntry(m_statusPulldown, text);
        } else {
            const QSignalBlocker blocker(m_statusPulldown);
            m_statusPulldown->setCurrentIndex(1);
            m_view.pickupIndex = pickupIndexOf(text);
            const QSignalBlocker listBlocker(m_pickupList);
            m_pickupList->setCurrentRow(m_view.pickupIndex - 1);
        }
        break;
    default:
        setEditorText(text);
        break;
    }
}

void GridEditors::focusEditor(bool caret)
{
    m_parent->parentWidget()->setFocus(); // the grid list, then its text box
    m_cellEditor->setFocus();
    // A read-only box shows no caret; its keys still reach the colour toggle.
    m_cellEditor->setReadOnly(!caret);
    m_cellEditor->setCursorPosition(int(m_cellEditor->text().size()));
}

void GridEditors::hideAll()
{
    m_pickupList->hide();
    m_cellEditor->hide();
    m_salesPulldown->hide();
    m_sizePulldown->hide();
    m_statusPulldown->hide();
}

void GridEditors::place(int column, const QRect &rect)
{
    QWidget *editor = editorFor(column);
    for (int other : {ColNumber, ColSalesPerson, ColSize, ColStatus}) {
        if (editorFor(other) != editor)
            editorFor(other)->hide();
    }
    if (editor == m_cellEditor)
        GridDelegate::nameAfterColumn(m_cellEditor, column);
    QStyleOptionViewItem option;
    option.rect = rect;
    m_delegate.updateEditorGeometry(editor, option, QModelIndex());
    editor->show();
    editor->raise();
    editor->setFocus();
}

void GridEditors::setUpPickupStatus(const QString &text)
{
    if (text.startsWith(QStringLiteral("P/U"))) {
        m_document.setPickupStatus(text);
        const QSignalBlocker blocker(m_statusPulldown);
        m_statusPulldown->setItemText(1, text);
        m_statusPulldown->setCurrentIndex(1);
        m_view.pickupIndex = pickupIndexOf(text);
        const QSignalBlocker listBlocker(m_pickupList);
        m_pickupList->setCurrentRow(m_view.pickupIndex - 1);
        m_pickupList->show();
    } else {
        selectEntry(m_statusPulldown, text);
        m_pickupList->hide();
    }
}

QString GridEditors::choosePickup(int index)
{
    m_view.pickupIndex = index;
    const QString text = QStringLiteral("P/U ") + pickupCodes().at(index - 1);
    m_document.setPickupStatus(text);
    {
        const QSignalBlocker blocker(m_statusPulldown);
        m_statusPulldown->setItemText(1, text);
        m_statusPulldown->setCurrentIndex(1);
    }
    {
        const QSignalBlocker blocker(m_pickupList);
        m_pickupList->setCurrentRow(index - 1);
    }
    m_view.newCellText = text;
    return text;
}

} // namespace qm
