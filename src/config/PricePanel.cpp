#include "config/PricePanel.h"

#include "config/ConfigControls.h"
#include "core/LedgerDocument.h"
#include "core/rules/PriceRules.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace qm {

PricePanel::PricePanel(LedgerDocument &document, QWidget *dialog)
    : QObject(dialog), m_document(document), m_model(document.model())
{
    auto *prices = new QGroupBox(tr("Prices"), dialog);
    prices->setGeometry(20, 390, 390, 90);
    // The caption sits on the frame's top line, not above it, so the frame
    // encloses the controls placed at the top of the box.
    prices->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px;"
                                         " margin-top: 0.6em; }"
                                         "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                         " left: 8px; padding: 0 2px; }"));
    QLabel *sizeLabel = addLabel(dialog, tr("Ad size:"), 45, 410, 70, 15);
    m_sizeChoice = addChoice(dialog, QStringLiteral("SizeChoice"), 105, 410, 90, 160);
    sizeLabel->setBuddy(m_sizeChoice);
    m_sizeChoice->setAccessibleName(tr("Ad size"));
    for (int size = 1; size <= kSizeCount; ++size)
        m_sizeChoice->addItem(sizeName(size));
    m_sizeChoice->setCurrentIndex(-1);
    QLabel *publicationLabel = addLabel(dialog, tr("Publication:"), 225, 410, 70, 15);
    m_publicationChoice = addChoice(dialog, QStringLiteral("PublicationChoice"), 295, 410, 90, 120);
    publicationLabel->setBuddy(m_publicationChoice);
    m_publicationChoice->setAccessibleName(tr("Publication"));
    for (int publication = 1; publication <= kPublicationCount; ++publication)
        m_publicationChoice->addItem(publicationName(publication));
    m_publicationChoice->setCurrentIndex(-1);
    for (QComboBox *choice : {m_sizeChoice, m_publicationChoice}) {
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (m_stopped)
                return;
            showPrices();
            emit controlUsed();
        });
    }
    QLabel *colourLabel = addLabel(dialog, tr("Color price:"), 35, 440, 70, 15);
    m_colourBox = addTextBox(dialog, QStringLiteral("ColorPriceBox"), 105, 440, 90, 20);
    colourLabel->setBuddy(m_colourBox);
    m_colourBox->setAccessibleName(tr("Color price"));
    QLabel *bwLabel = addLabel(dialog, tr("B/W price:"), 225, 440, 70, 15);
    m_bwBox = addTextBox(dialog, QStringLiteral("BWPriceBox"), 295, 440, 90, 20);
    bwLabel->setBuddy(m_bwBox);
    m_bwBox->setAccessibleName(tr("Black and white price"));
    for (QWidget *control : {static_cast<QWidget *>(m_sizeChoice), static_cast<QWidget *>(m_publicationChoice),
                             static_cast<QWidget *>(m_colourBox), static_cast<QWidget *>(m_bwBox)})
        control->setAccessibleDescription(configHint(ConfigHint::Price));
    for (QLineEdit *box : {m_colourBox, m_bwBox}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            emit hintChanged(ConfigHint::Price);
            emit controlUsed();
        });
    }

    for (QObject *control : {static_cast<QObject *>(m_colourBox), static_cast<QObject *>(m_bwBox),
                             static_cast<QObject *>(m_sizeChoice), static_cast<QObject *>(m_publicationChoice)})
        control->installEventFilter(this);
}

void PricePanel::close(const QWidget *focus)
{
    if (m_stopped)
        return;
    if (focus == m_colourBox)
        storePrice(PriceKind::Colour);
    else if (focus == m_bwBox)
        storePrice(PriceKind::BlackWhite);
    m_stopped = true;
}

void PricePanel::showPrices()
{
    const int entry = chosenPriceEntry(m_publicationChoice->currentIndex() + 1, m_sizeChoice->currentIndex() + 1);
    if (entry == 0)
        return;
    m_colourBox->setText(priceText(m_model, entry, PriceKind::Colour));
    m_bwBox->setText(priceText(m_model, entry, PriceKind::BlackWhite));
}

void PricePanel::storePrice(PriceKind kind)
{
    const QLineEdit *box = kind == PriceKind::Colour ? m_colourBox : m_bwBox;
    const int entry = chosenPriceEntry(m_publicationChoice->currentIndex() + 1, m_sizeChoice->currentIndex() + 1);
    if (entry == 0)
        return; // with either choice missing nothing is stored
    // A price left as it was is stored all the same.
    if (!m_document.storePrice(entry, kind, box->text()))
        m_document.markSettingsChanged();
}

bool PricePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (m_stopped)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    if (!isControlFocusChange(event))
        return false;
    if (watched == m_colourBox || watched == m_bwBox) {
        if (type == QEvent::FocusIn) {
            emit hintChanged(ConfigHint::Price);
            emit controlUsed();
        } else {
            storePrice(watched == m_colourBox ? PriceKind::Colour : PriceKind::BlackWhite);
        }
    } else if (type == QEvent::FocusIn) {
        showPrices();
        emit controlUsed();
    }
    return false;
}

} // namespace qm
