#include "app/ArchiveChoiceDialog.h"

#include "ui/Fonts.h"
#include "ui/TextFit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace qm {

ArchiveChoiceDialog::ArchiveChoiceDialog(int ledgerYear, QWidget *parent)
    // A frame and a system menu, but no title bar and so no close button.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowSystemMenuHint)
{
    setObjectName(QStringLiteral("ArchiveChoiceDialog"));
    setWindowTitle(tr("What now?"));
    setFont(uiFont(10));
    setFixedSize(300, 180);
    setModal(true);

    const QString year = QString::number(ledgerYear);
    m_continue = new QRadioButton(tr("Continue with %1 data").arg(year), this);
    m_continue->setObjectName(QStringLiteral("ContinueOption"));
    m_continue->setGeometry(30, 25, 250, 20);
    m_archive =
        new QRadioButton(tr("Archive %1 data and reset for next year").arg(year), this);
    m_archive->setObjectName(QStringLiteral("ArchiveOption"));
    m_archive->setGeometry(30, 50, 250, 20);
    auto *options = new QButtonGroup(this);
    options->addButton(m_continue);
    options->addButton(m_archive);
    m_continue->setChecked(true);

    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setGeometry(120, 100, 70, 35);
    m_ok->setDefault(true);
    fitTexts(this);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_choice = m_archive->isChecked() ? ArchiveChoice::Archive : ArchiveChoice::Continue;
        accept();
    });
}

void ArchiveChoiceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred over the main window, or on the screen without one.
    const QWidget *owner = parentWidget();
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen *screen = QApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    m_continue->setFocus();
}

void ArchiveChoiceDialog::closeEvent(QCloseEvent *event)
{
    // Whatever closes the dialog without "&Ok" ends the program.
    if (result() != QDialog::Accepted)
        m_choice = ArchiveChoice::Quit;
    QDialog::closeEvent(event);
}

void ArchiveChoiceDialog::keyPressEvent(QKeyEvent *event)
{
    // The close command, also where no window manager gives it.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        close();
        return;
    }
    // Esc is not a choice here; Enter presses "&Ok" as the default button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

ArchiveChoice chooseArchive(int ledgerYear, QWidget *parent)
{
    ArchiveChoiceDialog dialog(ledgerYear, parent);
    dialog.exec();
    return dialog.choice();
}

} // namespace qm
