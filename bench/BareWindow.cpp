// The start-up baseline: a Qt program that shows an empty window of the main
// window's size and, like the program started with --quit-when-shown, ends as
// soon as it is shown.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(900, 550);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
