#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class QComboBox;
class QWidget;

namespace qm {

// The whole text of one fixed-size control (a label or a button) while the
// control shows it fitted into its box: in a smaller font, or cut with "…" and
// whole in the tooltip. Lives as the control's child and fits the text again
// whenever the control changes size. The entry a drop-down list shows is only
// ever cut, as it is drawn. Made through fitText (TextFit.h).
class FittedText : public QObject
{
    Q_OBJECT

public:
    // The one of the control, made on first use.
    static FittedText *of(QWidget *control);

    // Fits the control's text: the one it was last given, whole.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FittedText(QWidget *control);
    void show(const QFont &font, const QString &text);
    bool paintChoice(QComboBox *box);

    QWidget *m_control;
    QString m_whole;  // the text the program gave the control
    QString m_shown;  // the text this made the control show
    QFont m_font;     // the control's font before this made it smaller
    QFont m_fitted;   // the font this gave the control
    bool m_ownToolTip = false;
};

} // namespace qm
