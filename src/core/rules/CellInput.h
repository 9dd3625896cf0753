#pragma once

#include <QChar>
#include <QString>

namespace qm {

enum class TypedVerdict { Accept, Refuse, ToggleColour };

// What a character typed into the ledger's text box does, by column: number
// columns take digits, one point and backspace; the colour column only toggles;
// other characters are refused without a sound.
TypedVerdict judgeTypedCharacter(int column, const QString &currentText, QChar c);

// Whether a text box may go from `before` to `after` in a column, whatever way
// the change came (typed, pasted, dropped): what was put in must be what the
// typed-character rule lets through; removing text is always allowed.
bool acceptsCellEdit(int column, const QString &before, const QString &after);

// The colour cell after a toggle: empty becomes "c", anything else empty.
QString toggledColour(const QString &text);

} // namespace qm
