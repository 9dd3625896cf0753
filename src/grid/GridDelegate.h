#pragma once

#include "core/LedgerColumns.h"

#include <QStyledItemDelegate>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace qm {

class EditorKeyHandler;
class LedgerModel;
struct ViewState;

// Makes, fills and places the editors of the ledger grid's cells: the text box
// CellEditor, whose pasted or dropped text obeys the typed-character rule of
// the column edited, and the three pulldowns with their choices. A stored
// edit goes to the model with setData(). Every editor it makes has its keys
// read by editorKeys(), which tells by its signals what the user asked for.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // `view` tells the mode and which column the text box edits at the time.
    GridDelegate(const LedgerModel &model, const ViewState &view, QObject *parent);

    // The key handler of the editors made here.
    EditorKeyHandler *editorKeys() const { return m_keys; }

    static EditorKind kindOf(int column);

    // The editor of a column (1..10): the text box for Number and Check, else its
    // pulldown; editorKeys() reads its keys.
    QWidget *makeEditor(QWidget *parent, int column) const;
    // An editor is named after the column it edits, and described by its hint.
    static void nameAfterColumn(QWidget *editor, int column);
    // Puts a text into an editor: the text box shows it, a pulldown selects the
    // entry equal to it (none when there is none).
    static void showText(QWidget *editor, const QString &text);
    // What an editor holds: the text box's text, a pulldown's chosen entry.
    static QString heldText(const QWidget *editor);

    // The typed-character rule of the text box for a key typed into it while
    // it edits `column`: the character is let through, refused, or toggles
    // the colour; a paste shortcut is refused. True when the key was taken.
    static bool takeTypedKey(QLineEdit *editor, const QKeyEvent *key, int column);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    QWidget *makeBareEditor(QWidget *parent, int column) const;

    const LedgerModel &m_model;
    std::function<int()> m_editColumn;
    EditorKeyHandler *m_keys;
};

} // namespace qm
