#pragma once

namespace qm {

// Shows the program's messages in real message boxes.
void installMessageBoxes();

} // namespace qm
