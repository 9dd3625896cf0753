// The start-up floors: a Qt program that shows a window of the main window's
// size and, like the program started with --quit-when-shown, ends as soon as
// it is shown. With --text the window holds one line of text, measured before
// the window is shown, as any window that shows text must; without it the
// window is empty and no font is ever set up.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(900, 550);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *label = new QLabel(QStringLiteral("Quillmoor Ad Sales"), &window);
        label->move(20, 20);
        label->adjustSize();
    }
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
