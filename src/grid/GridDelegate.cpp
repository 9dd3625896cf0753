#include "grid/GridDelegate.h"

#include "core/LedgerModel.h"
#include "core/rules/CellInput.h"
#include "grid/CellTextValidator.h"
#include "grid/EditorKeyHandler.h"
#include "grid/Hints.h"
#include "grid/ViewState.h"
#include "ui/Fonts.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QSignalBlocker>

namespace qm {

namespace {

QComboBox *makePulldown(QWidget *parent, const QString &name, int column)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    GridDelegate::nameAfterColumn(box, column);
    box->setFont(uiFont(8));
    box->setFocusPolicy(Qt::StrongFocus);
    box->hide();
    return box;
}

} // namespace

GridDelegate::GridDelegate(const LedgerModel &model, const ViewState &view, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model), m_editColumn([&view] { return view.editColumn; }),
      m_keys(new EditorKeyHandler(view, this))
{
}

void GridDelegate::nameAfterColumn(QWidget *editor, int column)
{
    editor->setAccessibleName(columnHeader(column).trimmed());
    editor->setAccessibleDescription(hintText(column, false));
}

EditorKind GridDelegate::kindOf(int column) { return ledgerColumn(column).editor; }

QWidget *GridDelegate::makeEditor(QWidget *parent, int column) const
{
    QWidget *editor = makeBareEditor(parent, column);
    m_keys->watch(editor);
    return editor;
}

QWidget *GridDelegate::makeBareEditor(QWidget *parent, int column) const
{
    switch (column) {
    case ColSalesPerson: {
        QComboBox *box = makePulldown(parent, QStringLiteral("SalesPulldown"), column);
        box->addItems(m_model.salesChoices());
        box->setCurrentIndex(-1);
        return box;
    }
    case ColSize: {
        QComboBox *box = makePulldown(parent, QStringLiteral("SizePulldown"), column);
        for (int size = 1; size <= kSizeCount; ++size)
            box->addItem(sizeName(size));
        return box;
    }
    case ColStatus: {
        QComboBox *box = makePulldown(parent, QStringLiteral("StatusPulldown"), column);
        box->addItems(m_model.statusValues());
        return box;
    }
    default:
        break;
    }
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("CellEditor"));
    nameAfterColumn(editor, kindOf(column) == EditorKind::None ? ColNumber : column);
    editor->setFont(uiFont(10));
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setDragEnabled(false);
    editor->setAcceptDrops(false);
    editor->setGeometry(0, 0, 0, 0);
    // Pasted or dropped text, whatever way it comes, obeys the typed-character rule.
    editor->setValidator(new CellTextValidator(m_editColumn, editor));
    // Without caret in the colour column; its keys still reach the toggle.
    editor->setReadOnly(kindOf(column) == EditorKind::Check);
    editor->hide();
    return editor;
}

void GridDelegate::showText(QWidget *editor, const QString &text)
{
    const QSignalBlocker blocker(editor);
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (auto *validator = qobject_cast<const CellTextValidator *>(line->validator()))
            validator->startFrom(text);
        line->setText(text);
    }
}

QString GridDelegate::heldText(const QWidget *editor)
{
    if (auto *box = qobject_cast<const QComboBox *>(editor))
        return box->currentIndex() >= 0 ? box->currentText() : QString();
    if (auto *line = qobject_cast<const QLineEdit *>(editor))
        return line->text();
    return QString();
}

bool GridDelegate::takeTypedKey(QLineEdit *editor, const QKeyEvent *key, int column)
{
    if (key->matches(QKeySequence::Paste))
        return true;
    const QString text = key->text();
    if (text.isEmpty())
        return false; // caret keys and the like belong to the text box
    switch (judgeTypedCharacter(column, editor->text(), text.at(0))) {
    case TypedVerdict::Accept:
        return false;
    case TypedVerdict::ToggleColour:
        showText(editor, toggledColour(editor->text()));
        return true;
    case TypedVerdict::Refuse:
        break;
    }
    return true;
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (kindOf(index.column() + 1) == EditorKind::None)
        return nullptr;
    QWidget *editor = makeEditor(parent, index.column() + 1);
    editor->show();
    return editor;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    showText(editor, index.data(Qt::EditRole).toString());
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, heldText(editor), Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                        const QModelIndex &) const
{
    // Exactly over the cell, grid lines left free.
    editor->setGeometry(option.rect);
}

} // namespace qm
