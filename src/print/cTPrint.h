#pragma once

#include "print/PrintDevice.h"

#include <QSize>
#include <QString>

#include <memory>

class QWidget;

namespace qm {

// How a font's size in points becomes whole printer pixels: the help printout
// cuts the fraction off, the reports round to the nearest pixel.
enum class PointRounding { Down, Nearest };

// The page writer of every printout: help topics, the run sheet and the
// year-to-date report. One object serves one print run: a printer is chosen,
// the document started, its pages printed, the document ended.
//
// Fonts are values (FontSpec), made by font() for the chosen printer and given
// to every call that measures or prints a text; the writer has no current font.
//
// Texts are placed in one of two ways:
// - in inches from the physical top-left corner of the sheet, clipped at the
//   margins, with a current position so that a line can follow the one before
//   (printText): the help printout;
// - in printer pixels from the top-left corner of the printable area, each
//   text fitted into a box (printInBox): the reports.
//
// Every call that needs a printer and has none takes the system's default one.
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
    // Shows the print dialog and starts the document on its first page: the
    // printer's name (the document's when the printer has none), empty when the
    // user cancelled or the printer refused ("Document printing error").
    QString openDocument(QWidget *parent, const QString &documentName);

    // A font of this printer. Style letters, lower case only: "b" bold, "i"
    // italic, "u" underlined; any other letter is not recognised.
    FontSpec font(const QString &face, double points, const QString &style,
                  PointRounding rounding = PointRounding::Down);
    // The font the printer prints in when no other is asked for.
    FontSpec defaultFont();

    // In inches.
    double textWidth(const FontSpec &font, const QString &text);
    // width > 0: the longest beginning that fits; width < 0: the longest end
    // that fits in -width; 0: empty.
    QString fitText(const FontSpec &font, const QString &text, double width);
    void setMargins(double left, double right, double top, double bottom);
    void pageSize(double &width, double &height);
    // The font's average character width and its line height.
    void charSize(const FontSpec &font, double &width, double &height);
    // The font's character height with its external leading.
    double lineHeight(const FontSpec &font);
    int linesPerPage(const FontSpec &font, double startY);
    int canDuplex();
    void setDuplex(int mode); // 1 one-sided, 2 long-edge, 3 short-edge binding
    void setPos(double x, double y);
    // x = 0 keeps the column, y = 0 moves one line (of this font) down.
    void printText(const FontSpec &font, const QString &text, double x = 0, double y = 0);

    // In printer pixels.
    QSize pixelsPerInch();
    QSize printableSize();
    // The font's average character width and its full cell height.
    QSize characterSize(const FontSpec &font);
    // Prints the text at height y in the box from `left` to `right`, against
    // the box's left or right edge or in its middle. A text too wide for the
    // box is printed in the font made smaller, half a point at a time to 7
    // points at the least, on the same baseline; one still too wide is cut at
    // its end with "…".
    void printInBox(const FontSpec &font, const QString &text, float left, float right, float y,
                    Qt::Alignment alignment = Qt::AlignLeft);

    // A picture (a chart) scaled into `area`, in printer pixels of the printable area.
    void printPicture(const QImage &picture, const QRect &area);

    // The name is cut to 63 characters. "Document printing error" when the
    // document cannot start, also when there is no printer at all.
    void startDoc(const QString &name);
    // False, after "Page printing error", when the page cannot start.
    bool startPage();
    void endPage();
    void endDoc();

private:
    bool ensureDevice();
    void takeDevice(std::unique_ptr<PrintDevice> device);
    int widthPixels(const FontSpec &font, const QString &text) const;
    QString fitPixels(const FontSpec &font, const QString &text, int pixels) const;

    std::unique_ptr<PrintDevice> m_device;
    double m_marginLeft = 0;
    double m_marginRight = 0;
    double m_marginTop = 0;
    double m_marginBottom = 0;
    QString m_printerName;
    QString m_documentName;
    double m_curX = 0;
    double m_curY = 0;
};

} // namespace qm
