#pragma once

#include "core/LedgerModel.h"
#include "core/rules/ConfigHints.h"

#include <QObject>

class QComboBox;
class QEvent;
class QLineEdit;
class QWidget;

namespace qm {

class LedgerDocument;

// The price table of the configuration dialog: an ad size and a publication are
// chosen, and the colour and the black-and-white price of that pair are shown
// and edited. A price is stored when its box is left, under the pair chosen at
// that moment.
class PricePanel : public QObject
{
    Q_OBJECT
public:
    PricePanel(LedgerDocument &document, QWidget *dialog);

    // The dialog is closing: a price still being typed is stored, and nothing
    // more is handled.
    void close(const QWidget *focus);

signals:
    void hintChanged(ConfigHint hint);
    // The user worked in one of the boxes.
    void controlUsed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPrices();
    void storePrice(PriceKind kind);

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    bool m_stopped = false;

    QComboBox *m_sizeChoice = nullptr;
    QComboBox *m_publicationChoice = nullptr;
    QLineEdit *m_colourBox = nullptr;
    QLineEdit *m_bwBox = nullptr;
};

} // namespace qm
