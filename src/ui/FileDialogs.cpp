#include "ui/FileDialogs.h"

#include "core/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace qm {

namespace {

QString chooseFile(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    const QFileInfo offered(request.file);
    QFileDialog dialog(parent, request.caption, offered.absolutePath(), request.filter);
    dialog.setObjectName(request.objectName);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(request.suffix);
    }
    if (!request.file.isEmpty())
        dialog.selectFile(offered.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString chooseFileToOpen(QWidget *parent, const FileDialogRequest &request)
{
    return chooseFile(parent, request, QFileDialog::AcceptOpen);
}

QString chooseFileToSave(QWidget *parent, const FileDialogRequest &request)
{
    return chooseFile(parent, request, QFileDialog::AcceptSave);
}

bool mayReplace(const QStringList &files, const QString &caption)
{
    QStringList existing;
    for (const QString &file : files) {
        if (QFileInfo::exists(file))
            existing << QDir::toNativeSeparators(file);
    }
    if (existing.isEmpty())
        return true;
    const QString text = existing.size() == 1
                             ? QStringLiteral("%1 already exists.\n\nDo you want to replace it?").arg(existing.first())
                             : QStringLiteral("These files already exist:\n%1\n\nDo you want to replace them?")
                                   .arg(existing.join(u'\n'));
    return showMessage(text, caption, MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::No) ==
           MessageAnswer::Yes;
}

} // namespace qm
