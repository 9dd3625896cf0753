#include "app/ProgramIdentity.h"

#include "core/Version.h"

#include <QGuiApplication>

namespace qm {

void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillmoorAds"));
    QCoreApplication::setApplicationVersion(kVersion);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

} // namespace qm
