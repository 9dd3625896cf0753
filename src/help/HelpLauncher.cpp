#include "help/HelpLauncher.h"

#include "core/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

void showHelp(const QString &helpFile, const QString &title, QWidget *parent)
{
    Q_UNUSED(title);
    Q_UNUSED(parent);
    if (!QFileInfo::exists(helpFile)) {
        showMessage(QStringLiteral("Help file not found"), QDir::toNativeSeparators(helpFile),
                    MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    // The help viewer itself is not part of the program yet.
}

} // namespace qm
