#pragma once

#include "print/PrintDevice.h"

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace qm {

// The text printer: prints lines of text on paper measured in inches, with
// margins, fonts by face, points and style letters, clipping at the margins,
// pages and duplex. One object serves one print run: choose a printer, set
// margins and fonts, startDoc, pages of startPage / printText / endPage, endDoc.
// Positions are inches from the physical top-left corner of the sheet.
class cTPrint
{
public:
    cTPrint() = default;
    ~cTPrint();
    cTPrint(const cTPrint &) = delete;
    cTPrint &operator=(const cTPrint &) = delete;

    QString useDefaultPrinter();
    // Shows the print dialog; the name stays as it was when the user cancels.
    // The document name names the PDF file offered where no printer is installed.
    QString choosePrinter(QWidget *parent = nullptr, const QString &documentName = QString());
    // Style letters, lower case only: "b" bold, "i" italic, "u" underlined.
    void setFont(const QString &face, int points, const QString &style);
    double textWidth(const QString &text);
    // width > 0: the longest beginning that fits; width < 0: the longest end
    // that fits in -width; 0: empty.
    QString fitText(const QString &text, double width);
    void setMargins(double left, double right, double top, double bottom);
    void pageSize(double &width, double &height);
    void charSize(double &width, double &height);
    int linesPerPage(double startY);
    int canDuplex();
    void setDuplex(int mode); // 1 one-sided, 2 long-edge, 3 short-edge binding
    void setPos(double x, double y);
    // x = 0 keeps the column, y = 0 moves one line down.
    void printText(const QString &text, double x = 0, double y = 0);
    // The name is cut to 63 characters. "Document printing error" when the
    // document cannot start, also when there is no printer at all.
    void startDoc(const QString &name);
    void startPage();
    void endPage();
    void endDoc();

    QString printerName() const { return m_printerName; }
    double lineHeight() const { return m_lineHeight; }

private:
    bool ensureDevice();
    void takeDevice(std::unique_ptr<PrintDevice> device);
    const FontSpec &currentFont() const;
    void updateLineHeight();
    int widthPixels(const QString &text) const;
    QString fitPixels(const QString &text, int pixels) const;

    std::unique_ptr<PrintDevice> m_device;
    std::optional<FontSpec> m_font;
    std::optional<FontSpec> m_originalFont;
    double m_lineHeight = 0;
    double m_marginLeft = 0;
    double m_marginRight = 0;
    double m_marginTop = 0;
    double m_marginBottom = 0;
    QString m_printerName;
    QString m_documentName;
    int m_originalDuplex = 0;
    double m_curX = 0;
    double m_curY = 0;
};

} // namespace qm
