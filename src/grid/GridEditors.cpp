#include "grid/GridEditors.h"

#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/rules/CellCommit.h"
#include "grid/CellTextValidator.h"
#include "grid/Hints.h"
#include "ui/Fonts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GridEditors)
};

// An editor is named after the column it edits, and described by its hint.
void nameAfterColumn(QWidget *editor, int column)
{
    editor->setAccessibleName(columnHeader(column).trimmed());
    editor->setAccessibleDescription(hintText(column, false));
}

QComboBox *makePulldown(QWidget *parent, const QString &name, int column)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    nameAfterColumn(box, column);
    box->setFont(uiFont(8));
    box->setFocusPolicy(Qt::StrongFocus);
    box->hide();
    return box;
}

} // namespace

GridEditors::GridEditors(LedgerDocument &document, ViewState &view, QWidget *gridViewport, QWidget *window)
    : m_document(document), m_model(document.model()), m_view(view), m_parent(gridViewport)
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

void GridEditors::create(QObject *filter)
{
    delete m_cellEditor;
    m_cellEditor = new QLineEdit(m_parent);
    m_cellEditor->setObjectName(QStringLiteral("CellEditor"));
    nameAfterColumn(m_cellEditor, editorFor(m_view.editColumn) == m_cellEditor ? m_view.editColumn : ColNumber);
    m_cellEditor->setFont(uiFont(10));
    m_cellEditor->setContextMenuPolicy(Qt::NoContextMenu);
    m_cellEditor->setDragEnabled(false);
    m_cellEditor->setAcceptDrops(false);
    m_cellEditor->setGeometry(0, 0, 0, 0);
    // Pasted or dropped text, whatever way it comes, obeys the typed-character rule.
    m_cellEditor->setValidator(new CellTextValidator([this] { return m_view.editColumn; }, m_cellEditor));
    m_cellEditor->hide();
    m_cellEditor->installEventFilter(filter);

    if (!m_salesPulldown) {
        m_salesPulldown = makePulldown(m_parent, QStringLiteral("SalesPulldown"), ColSalesPerson);
        m_sizePulldown = makePulldown(m_parent, QStringLiteral("SizePulldown"), ColSize);
        m_statusPulldown = makePulldown(m_parent, QStringLiteral("StatusPulldown"), ColStatus);
        for (int size = 1; size <= kSizeCount; ++size)
            m_sizePulldown->addItem(sizeName(size));
        m_statusPulldown->addItems(m_model.statusValues());
        for (QComboBox *box : {m_salesPulldown, m_sizePulldown, m_statusPulldown})
            box->installEventFilter(filter);
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

void GridEditors::selectEntry(QComboBox *box, const QString &text)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void GridEditors::setEditorText(const QString &text)
{
    const QSignalBlocker blocker(m_cellEditor);
    if (auto *validator = qobject_cast<const CellTextValidator *>(m_cellEditor->validator()))
        validator->startFrom(text);
    m_cellEditor->setText(text);
}

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
        nameAfterColumn(m_cellEditor, column);
    editor->setGeometry(rect);
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
