// What assistive technology needs of a window: every control the keyboard
// reaches has a name (none empty, padded or made of signs only), and every label
// that names a control ("Ad size:") leads to it.
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Focusable controls on screen whose name says nothing.
inline QStringList unnamedControls(const QWidget &window)
{
    static const QRegularExpression word(QStringLiteral("\\w"));
    QStringList unnamed;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
            continue;
        const QString name = accessibleName(control);
        if (name != name.trimmed() || !name.contains(word))
            unnamed << QStringLiteral("%1 %2 \"%3\"").arg(control->metaObject()->className(), control->objectName(),
                                                        name);
    }
    return unnamed;
}

// Labels on screen ending in a colon that lead to no control.
inline QStringList labelsWithoutBuddy(const QWidget &window)
{
    QStringList labels;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisible() && label->text().trimmed().endsWith(u':') && !label->buddy())
            labels << label->text();
    }
    return labels;
}
