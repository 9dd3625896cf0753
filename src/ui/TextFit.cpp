#include "ui/TextFit.h"

#include "ui/CutTextToolTips.h"
#include "ui/FittedText.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace qm {

namespace {

// Pixels kept free between a push button's text and its bevel.
constexpr int kButtonTextMargin = 2;

int labelRoom(const QLabel *label)
{
    const int margin = label->margin();
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(u'x') / 2 : 0;
    if (label->alignment() & Qt::AlignHCenter)
        indent = 0;
    return label->contentsRect().width() - 2 * margin - indent;
}

int buttonRoom(const QAbstractButton *button, QStyle::SubElement contents, int margin)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return button->style()->subElementRect(contents, &option, button).width() - 2 * margin;
}

} // namespace

int textRoom(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return labelRoom(label);
    if (const auto *push = qobject_cast<const QPushButton *>(control))
        return buttonRoom(push, QStyle::SE_PushButtonContents, kButtonTextMargin);
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return buttonRoom(option, QStyle::SE_RadioButtonContents, 0);
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return buttonRoom(box, QStyle::SE_CheckBoxContents, 0);
    // An editable list's text is typed into a box that scrolls it.
    if (const auto *box = qobject_cast<const QComboBox *>(control); box && !box->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.frame = box->hasFrame();
        // The entry is drawn a pixel in from each side of the field.
        return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width() - 2;
    }
    return -1;
}

bool marksShortcut(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->buddy() != nullptr;
    return qobject_cast<const QAbstractButton *>(control) != nullptr;
}

int textWidth(const QWidget *control, const QFont &font, const QString &text)
{
    const int flags = marksShortcut(control) ? Qt::TextShowMnemonic : 0;
    return QFontMetrics(font).size(Qt::TextSingleLine | flags, text).width();
}

QString controlText(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *box = qobject_cast<const QComboBox *>(control))
        return box->currentText();
    return QString();
}

void fitText(QWidget *control)
{
    if (!control || textRoom(control) < 0)
        return;
    FittedText *fitted = FittedText::of(control);
    // A drop-down list's entry is fitted as it is drawn.
    if (!qobject_cast<QComboBox *>(control))
        fitted->fit();
}

void fitTexts(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>())
        fitText(control);
}

void showCutTextsInToolTips(QAbstractItemView *view)
{
    if (!view->findChild<CutTextToolTips *>(QString(), Qt::FindDirectChildrenOnly))
        new CutTextToolTips(view);
}

} // namespace qm
