#include "help/InputTextBox.h"

#include "ui/Fonts.h"
#include "ui/TextFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace qm {

InputTextBox::InputTextBox(QWidget *parent, const QString &prompt, const QString &title,
                           const QString &defaultText)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InputTextBox"));
    setWindowTitle(title);
    setFont(uiFont(10));
    const QFontMetrics metrics(font());
    const int promptWidth = metrics.horizontalAdvance(prompt);
    const int editWidth = std::max(130, metrics.horizontalAdvance(defaultText + QStringLiteral("  ")));
    const int titleWidth = std::max(150, metrics.horizontalAdvance(title + QStringLiteral("  ")));
    const int boxWidth = std::max({150, titleWidth, editWidth + promptWidth});
    const int editHeight = metrics.height() + 10;

    auto *label = new QLabel(prompt, this);
    label->setGeometry(5, 15, promptWidth + 5, 20);
    m_edit = new QLineEdit(defaultText, this);
    m_edit->setObjectName(QStringLiteral("InputEdit"));
    label->setBuddy(m_edit);
    // Named by its prompt, without the colon that leads to the box.
    QString name = prompt.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    m_edit->setAccessibleName(name.trimmed());
    m_edit->setGeometry(promptWidth + 10, 15, editWidth + 5, editHeight);
    m_edit->selectAll();
    m_fromTop = new QCheckBox(tr("Search from top"), this);
    m_fromTop->setObjectName(QStringLiteral("SearchFromTop"));
    m_fromTop->setGeometry(10, std::max(45, editHeight + 19), 210, 20);
    m_fromTop->setChecked(true);
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(boxWidth - 60, editHeight + 50, 80, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(boxWidth + 40, editHeight + 90);
    fitTexts(this);
    m_edit->setFocus();

    const QRect area = parent ? QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size())
                              : QApplication::primaryScreen()->availableGeometry();
    move(area.x() + area.width() / 2 - boxWidth / 2, area.y() + area.height() / 4);
}

InputTextResult InputTextBox::result() const
{
    return {m_edit->text().trimmed(), QDialog::result() == QDialog::Accepted && m_fromTop->isChecked()};
}

InputTextResult inputText(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText)
{
    InputTextBox box(parent, prompt, title, defaultText);
    box.exec();
    return box.result();
}

} // namespace qm
