#pragma once

#include <QString>

class QAbstractItemView;
class QFont;
class QWidget;

namespace qm {

// Texts in boxes of a fixed size. The windows are laid out in pixels for
// Tahoma; where the platform puts a wider face in its place, a text can be too
// wide for its box. These measure it in the face actually used and make it
// fit: the control's font goes down half a point at a time, to 75 % of its
// size at most; a text still too wide is cut at its end with "…", and the
// whole text becomes the control's tooltip. Nothing is cut without a sign.

// The width the text of a label, push button, option, check box or drop-down
// list (not an editable one) can take: its box less the frame, indicator,
// arrow and margins its style draws there; -1 for any other control.
int textRoom(const QWidget *control);
// True where an & in the control's text marks a shortcut: buttons, and labels
// with a buddy.
bool marksShortcut(const QWidget *control);
// The width of the control's text in `font`, as the control draws it (the &
// of a shortcut takes no room).
int textWidth(const QWidget *control, const QFont &font, const QString &text);
// The text of a label or button, as it was set; a drop-down list's chosen entry.
QString controlText(const QWidget *control);

// Fits the text of a label, push button, option or check box into its box, now
// and whenever the box changes size; call it again after setting a new text.
// A drop-down list's chosen entry is cut with "…" where it is too wide, as it
// is drawn (its text stays whole).
void fitText(QWidget *control);
// fitText for every label, push button, option, check box and drop-down list of a window.
void fitTexts(QWidget *window);

// An entry of the view, or a heading of its header, whose text is cut short
// shows the whole text as its tooltip (unless it has a tooltip of its own).
// Headings are cut with "…" by an ElidingHeader.
void showCutTextsInToolTips(QAbstractItemView *view);

} // namespace qm
