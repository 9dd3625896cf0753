#pragma once

// Help files built in the test, and the input box answered like a user does.
#include "core/help/HelpFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

inline qm::HelpTopic helpTopic(const QString &title, const QString &body, int level = 0, int tabWidth = 8,
                               int wrapMode = 1)
{
    qm::HelpTopic t;
    t.title = title;
    t.body = body;
    t.level = level;
    t.tabWidth = tabWidth;
    t.wrapMode = wrapMode;
    return t;
}

// Writes the bytes into a file in `dir` and returns its path.
inline QString writeHelpFile(const QTemporaryDir &dir, const QByteArray &bytes,
                             const QString &name = QStringLiteral("quillmoorAds.ahp"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// Answers the next input box: types `text`, unticks "Search from top" when
// asked, and ends it with Enter or Esc. Call it before the key that opens it.
inline void answerInputBox(const QString &text, bool fromTop = true, Qt::Key endKey = Qt::Key_Return)
{
    // Looks for the box until it is up (it opens inside the key press).
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QStringLiteral("InputTextBox") || !box->isActiveWindow() ||
            !QApplication::focusWidget()) {
            if (++*tries > 500)
                timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        QTest::keyClicks(QApplication::focusWidget(), text);
        if (!fromTop) {
            auto *tick = box->findChild<QCheckBox *>(QStringLiteral("SearchFromTop"));
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(5, tick->height() / 2));
        }
        QTest::keyClick(QApplication::focusWidget(), endKey);
    });
    timer->start(10);
}
