#pragma once

#include <QCoreApplication>
#include <QString>

namespace qm {

// The program's version: the main window's title and the stamp on the first
// line of both data files.
inline const QString kVersion = QStringLiteral("1.76");

inline QString mainWindowTitle()
{
    return QCoreApplication::translate("Version", "Quillmoor Ad Sales - ver %1").arg(kVersion);
}

} // namespace qm
