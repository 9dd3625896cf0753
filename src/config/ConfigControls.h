#pragma once

#include <QString>

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qm {

// The configuration dialog's controls, made the way all of them are: placed in
// pixels of the dialog's client area and named, so that tests find them.

QLabel *addLabel(QWidget *parent, const QString &text, int x, int y, int w, int h);
// A push button that never takes Enter over: Enter is the dialog's own command.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, int x, int y, int w, int h);
// A text box that refuses double quotes, which the data files cannot hold.
QLineEdit *addTextBox(QWidget *parent, const QString &name, int x, int y, int w, int h);
// A drop-down box; `droppedHeight` is its height with the list dropped down.
QComboBox *addChoice(QWidget *parent, const QString &name, int x, int y, int w, int droppedHeight);

bool isEnterKey(int key);
// True for a focus event of the user moving between controls, false for one
// that comes from a drop-down list opening or closing or from the window being
// (de)activated.
bool isControlFocusChange(const QEvent *event);

} // namespace qm
