#pragma once

#include <QString>

class QWidget;

namespace qm {

// Opens the help viewer on the help file, or says that there is none.
void showHelp(const QString &helpFile, const QString &title, QWidget *parent);

} // namespace qm
