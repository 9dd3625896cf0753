#pragma once

#include <QApplication>
#include <QPushButton>
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

    QPushButton *button(const QString &text) const
    {
        for (QPushButton *b : dialog->template findChildren<QPushButton *>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }
    void click(const QString &buttonText) const
    {
        QPushButton *b = button(buttonText);
        QVERIFY2(b, qPrintable(buttonText));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Keys go where the focus is, as typed keys do.
    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    static void type(const QString &text)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClicks(target, text);
    }

    std::unique_ptr<Dialog> dialog;
    bool active = false;
};
