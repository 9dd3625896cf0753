#pragma once

#include "print/PrintedDocument.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace qm {

// A font of a printout, as a value: every text is measured and printed in the
// font handed to that call.
struct FontSpec
{
    QString face;
    double points = 10;
    int pixelHeight = 0; // character height without internal leading, in printer pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // "Times New Roman 10 bu": face, points and the style letters that are on.
    QString describe() const;
    bool operator==(const FontSpec &) const = default;
};

// Text metrics of one font on one printer, in printer pixels.
struct FontMetrics
{
    int averageWidth = 0;
    int height = 0; // full cell height
    int externalLeading = 0;
    int ascent = 0; // from the top of the cell to the baseline
};

// The paper and its printable area, in printer pixels.
struct PageGeometry
{
    int dpiX = 0;
    int dpiY = 0;
    QSize physical;  // the whole sheet
    QPoint offset;   // top-left corner of the printable area on the sheet
    QSize printable; // size of the printable area
};

// A printer that a print run draws text on. Everything drawn is also kept as
// data (PrintedDocument), and the finished document is handed to the printer
// chooser, so that what went onto paper can be read back.
class PrintDevice
{
public:
    virtual ~PrintDevice() = default;

    virtual QString printerName() const = 0;
    virtual PageGeometry geometry() const = 0;
    virtual FontMetrics metrics(const FontSpec &font) const = 0;
    virtual int textWidth(const FontSpec &font, const QString &text) const = 0;
    // The font the printer prints in until another is chosen.
    FontSpec defaultFont() const;

    // Duplex modes: 1 one-sided, 2 long-edge binding, 3 short-edge binding.
    virtual bool canDuplex() const { return false; }
    virtual void setDuplex(int mode) { (void)mode; }

    // False when the printer refuses; nothing is printed then.
    bool beginDocument(const QString &name);
    bool startPage();
    void endPage();
    // Ends the document and hands it to the printer chooser; false on failure.
    bool endDocument();
    bool documentOpen() const { return m_open; }
    // Draws the text with its top-left corner at (x, y) of the printable area.
    void drawText(const FontSpec &font, int x, int y, const QString &text);
    // Draws a picture (a chart) scaled into `area` of the printable area; kept
    // in the document as a line of font "picture" that names its size.
    void drawPicture(const QImage &picture, const QRect &area);
    const PrintedDocument &document() const { return m_document; }

protected:
    virtual bool doBegin(const QString &name) = 0;
    // Starts every page after the first (the first starts with the document).
    virtual bool doNewPage() = 0;
    virtual bool doEnd() = 0;
    virtual void doDrawText(const FontSpec &font, int x, int y, const QString &text) = 0;
    virtual void doDrawPicture(const QImage &picture, const QRect &area) { (void)picture, (void)area; }

private:
    PrintedDocument m_document;
    bool m_open = false;
    bool m_pageOpen = false;
};

} // namespace qm
