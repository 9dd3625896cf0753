#include "config/ConfigControls.h"

#include "ui/QuoteFreeValidator.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace qm {

QLabel *addLabel(QWidget *parent, const QString &text, int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, int x, int y, int w, int h)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, h);
    box->setValidator(new QuoteFreeValidator(box));
    return box;
}

QComboBox *addChoice(QWidget *parent, const QString &name, int x, int y, int w, int droppedHeight)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    // Closed it is one line high, and its list shows what fits in the rest.
    const int lineHeight = QFontMetrics(box->font()).height();
    const int closedHeight = lineHeight + 7;
    box->setGeometry(x, y, w, closedHeight);
    box->setMaxVisibleItems(std::max(1, (droppedHeight - closedHeight) / (lineHeight + 2)));
    return box;
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isControlFocusChange(const QEvent *event)
{
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace qm
