#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace qm {

struct InputTextResult
{
    QString text;         // what was typed, blanks at both ends removed
    bool fromTop = false; // confirmed with "Search from top" ticked
};

// A small box that asks for one line of text, with a "Search from top" tick.
// Ok, Enter, Esc and the close box all end it with the text typed; only Ok and
// Enter take the tick into account.
class InputTextBox : public QDialog
{
    Q_OBJECT

public:
    InputTextBox(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText);

    InputTextResult result() const;

private:
    QLineEdit *m_edit = nullptr;
    QCheckBox *m_fromTop = nullptr;
};

// Shows the box, placed over the middle of the parent's width and a quarter
// down its height, and waits for it.
InputTextResult inputText(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &defaultText = QString());

} // namespace qm
