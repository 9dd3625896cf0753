#pragma once

#include <QStyledItemDelegate>

namespace qm {

// The editors of the ad list's cells: a text box over the cell, the size of the
// cell. A name is typed, without double quotes, which the files cannot hold; a
// checkmark's box takes no characters and shows no caret, Space toggles it.
// What the keys in an editor do (moving, storing, restoring) is the ad list's
// own: the editors are neither committed nor closed by a key or by losing the
// focus.
class AdDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace qm
