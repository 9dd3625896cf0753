#include "help/HelpLauncher.h"

#include "core/Messages.h"
#include "core/rules/HelpFile.h"
#include "help/AppHelp.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace qm {

namespace {

const char *const kViewerProperty = "qmHelpViewer";

void tellHelpFile(const QString &text)
{
    showMessage(text, QStringLiteral("Help File"), MessageButtons::Ok, MessageIcon::Information);
}

} // namespace

AppHelp *showHelp(const QString &helpFile, const QString &title, QWidget *parent, int xOffset, int yOffset)
{
    if (!QFileInfo::exists(helpFile)) {
        showMessage(QStringLiteral("Help file not found"), QDir::toNativeSeparators(helpFile),
                    MessageButtons::Ok, MessageIcon::Error);
        return nullptr;
    }
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        tellHelpFile(QStringLiteral("No help available"));
        return nullptr;
    }
    const HelpFileContents contents = readHelpFile(file);
    file.close();
    if (contents.topics.isEmpty()) {
        tellHelpFile(QStringLiteral("No help content"));
        return nullptr;
    }

    // Opened from a modal dialog, the viewer belongs to it: a window outside
    // the dialog could not be used while the dialog is open.
    QWidget *owner = QApplication::activeModalWidget();
    auto *viewer = new AppHelp(contents.topics, title, owner);
    if (parent)
        viewer->move(parent->frameGeometry().topLeft() + QPoint(xOffset, yOffset));
    if (!parent) {
        QPointer<AppHelp> guard(viewer);
        viewer->setWindowModality(Qt::ApplicationModal);
        viewer->show();
        QEventLoop loop;
        QObject::connect(viewer, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
        return nullptr;
    }

    QPointer<AppHelp> previous = parent->property(kViewerProperty).value<QPointer<AppHelp>>();
    if (previous)
        previous->close();
    parent->setProperty(kViewerProperty, QVariant::fromValue(QPointer<AppHelp>(viewer)));
    QObject::connect(parent, &QObject::destroyed, viewer, [viewer] { delete viewer; });
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace qm
