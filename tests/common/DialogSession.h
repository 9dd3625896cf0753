#pragma once

#include <QApplication>
#include <QString>
#include <QtTest>

#include <memory>

// A dialog shown and active, so that focus and keys behave as for a user;
// closed when the test is done with it.
template <typename Dialog> class DialogSession
{
public:
    explicit DialogSession(std::unique_ptr<Dialog> opened) : dialog(std::move(opened))
    {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        active = QTest::qWaitForWindowActive(dialog.get());
    }
    ~DialogSession()
    {
        if (dialog->isVisible())
            dialog->close();
    }

    template <typename T> T *find(const QString &name) const { return dialog->template findChild<T *>(name); }

    std::unique_ptr<Dialog> dialog;
    bool active = false;
};
