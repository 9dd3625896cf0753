#include "help/HelpLauncher.h"

#include "core/Messages.h"
#include "core/help/HelpFile.h"
#include "help/AppHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HelpLauncher)
};

void tellHelpFile(const QString &text)
{
    showMessage(text, Text::tr("Help File"), MessageButtons::Ok, MessageIcon::Information);
}

// The one help window of the program while it is open.
QPointer<AppHelp> &openViewer()
{
    static QPointer<AppHelp> viewer;
    return viewer;
}

void bringToFront(AppHelp *viewer)
{
    viewer->showNormal();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace

AppHelp *showHelp(const QString &helpFile, const QString &title, QWidget *parent, int xOffset, int yOffset)
{
    // A viewer just closed is hidden at once and deleted a little later.
    if (AppHelp *open = openViewer(); open && open->isVisible()) {
        bringToFront(open);
        return parent ? open : nullptr;
    }
    if (!QFileInfo::exists(helpFile)) {
        showMessage(Text::tr("Help file not found"), QDir::toNativeSeparators(helpFile),
                    MessageButtons::Ok, MessageIcon::Error);
        return nullptr;
    }
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        tellHelpFile(Text::tr("No help available"));
        return nullptr;
    }
    const HelpFileContents contents = readHelpFile(file);
    file.close();
    if (contents.topics.isEmpty()) {
        tellHelpFile(Text::tr("No help content"));
        return nullptr;
    }

    // A window of its own, owned by no other: a modal dialog that is open
    // (or opened later) over the main window does not block it, and it does
    // not close with that dialog.
    auto *viewer = new AppHelp(contents.topics, title);
    openViewer() = viewer;
    if (!parent) {
        viewer->setWindowModality(Qt::ApplicationModal);
        viewer->show();
        QEventLoop loop;
        QObject::connect(viewer, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
        return nullptr;
    }

    viewer->move(parent->frameGeometry().topLeft() + QPoint(xOffset, yOffset));
    // The program ends with the window it was opened from (the main window).
    QObject::connect(parent, &QObject::destroyed, viewer, [viewer] { delete viewer; });
    bringToFront(viewer);
    return viewer;
}

} // namespace qm
