#include "ui/FittedText.h"

#include "ui/TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace qm {

namespace {

// A text is made smaller than this share of its font's size only by cutting it.
constexpr qreal kSmallestShare = 0.75;
constexpr qreal kPointStep = 0.5;

void setControlText(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
}

QFont ofSize(QFont font, qreal size, bool inPixels)
{
    if (inPixels)
        font.setPixelSize(qMax(1, qRound(size)));
    else
        font.setPointSizeF(size);
    return font;
}

} // namespace

FittedText::FittedText(QWidget *control) : QObject(control), m_control(control)
{
    setObjectName(QStringLiteral("FittedText"));
    control->installEventFilter(this);
}

FittedText *FittedText::of(QWidget *control)
{
    if (auto *existing = control->findChild<FittedText *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new FittedText(control);
}

void FittedText::fit()
{
    // A text or font the program set since the last fit is the one to fit.
    const QString text = controlText(m_control);
    if (text != m_shown)
        m_whole = text;
    if (m_control->font() != m_fitted)
        m_font = m_control->font();
    const int room = textRoom(m_control);
    if (room < 0)
        return;

    const bool inPixels = m_font.pointSizeF() <= 0;
    const qreal size = inPixels ? m_font.pixelSize() : m_font.pointSizeF();
    const qreal step = inPixels ? 1 : kPointStep;
    QFont font = m_font;
    for (qreal smaller = size; smaller >= size * kSmallestShare; smaller -= step) {
        font = ofSize(m_font, smaller, inPixels);
        if (textWidth(m_control, font, m_whole) <= room) {
            show(font, m_whole);
            return;
        }
    }
    const int flags = marksShortcut(m_control) ? Qt::TextShowMnemonic : 0;
    show(font, QFontMetrics(font).elidedText(m_whole, Qt::ElideRight, qMax(0, room), flags));
}

void FittedText::show(const QFont &font, const QString &text)
{
    m_fitted = font;
    if (m_control->font() != font)
        m_control->setFont(font);
    m_shown = text;
    if (controlText(m_control) != text)
        setControlText(m_control, text);
    if (text != m_whole) {
        m_control->setToolTip(m_whole);
        m_ownToolTip = true;
    } else if (m_ownToolTip) {
        m_control->setToolTip(QString());
        m_ownToolTip = false;
    }
}

// A drop-down list shows the chosen entry cut with "…" where it is too wide,
// and the whole of it in the tooltip; the entry itself stays as it is.
bool FittedText::paintChoice(QComboBox *box)
{
    const QString text = box->currentText();
    const int room = textRoom(box);
    if (room < 0 || textWidth(box, box->font(), text) <= room) {
        if (m_ownToolTip)
            box->setToolTip(QString());
        m_ownToolTip = false;
        return false;
    }
    if (box->toolTip() != text)
        box->setToolTip(text);
    m_ownToolTip = true;
    QStylePainter painter(box);
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    option.currentText = box->fontMetrics().elidedText(text, Qt::ElideRight, room);
    option.currentIcon = box->itemIcon(box->currentIndex());
    option.iconSize = box->iconSize();
    if (box->view()->isVisible())
        option.state |= QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    return true;
}

bool FittedText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return QObject::eventFilter(watched, event);
    if (auto *box = qobject_cast<QComboBox *>(m_control))
        return event->type() == QEvent::Paint ? paintChoice(box) : false;
    if (event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

} // namespace qm
