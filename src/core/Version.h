#pragma once

#include "core/ProjectVersion.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

namespace qm {

// The program's version, as the project declares it: the main window's title
// and the stamp on the first line of both data files.
inline const QString kVersion = QStringLiteral(QM_PROJECT_VERSION);

inline QString mainWindowTitle()
{
    return QCoreApplication::translate("Version", "Quillmoor Ad Sales - ver %1").arg(kVersion);
}

// Compares two version texts part by part, the parts between the points read
// as whole numbers: "1.100" is newer than "1.60", "1.60" and "1.60.0" are the
// same. A part counts by the digits it begins with (none: 0), a missing part
// as 0. Negative when `a` is older than `b`, 0 when they are the same, positive
// when `a` is newer.
int compareVersions(QStringView a, QStringView b);

} // namespace qm
