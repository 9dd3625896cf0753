#include "config/AdDelegate.h"

#include "core/rules/ConfigHints.h"
#include "ui/QuoteFreeValidator.h"

#include <QLineEdit>

namespace qm {

QWidget *AdDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const bool nameField = index.column() == 0;
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("AdEditor"));
    editor->setValidator(new QuoteFreeValidator(editor));
    // A checkmark only toggles with Space: its box shows no caret and takes no characters.
    editor->setReadOnly(!nameField);
    editor->setAlignment(nameField ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    // The editor stands for the cell it lies on.
    const QString heading = index.model()->headerData(index.column(), Qt::Horizontal, Qt::AccessibleTextRole).toString();
    editor->setAccessibleName(nameField ? tr("Ad name") : tr("Runs in %1").arg(heading));
    editor->setAccessibleDescription(configHint(nameField ? ConfigHint::AdName : ConfigHint::Checkmark));
    return editor;
}

void AdDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    // Gone from the list at once, though deleted only once its events are done.
    editor->setObjectName(QString());
    QStyledItemDelegate::destroyEditor(editor, index);
}

void AdDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        box->setText(index.data(Qt::EditRole).toString()); // the caret at its end
}

void AdDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        model->setData(index, box->text(), Qt::EditRole);
}

void AdDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    // Exactly over the cell, borders and all.
    editor->setGeometry(option.rect);
}

bool AdDelegate::eventFilter(QObject *, QEvent *) { return false; }

} // namespace qm
