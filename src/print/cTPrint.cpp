#include "print/cTPrint.h"

#include "print/PrinterChooser.h"
#include "print/PrinterErrors.h"

#include <cmath>

namespace qm {

cTPrint::~cTPrint()
{
    if (m_device && m_device->documentOpen())
        endDoc();
}

void cTPrint::takeDevice(std::unique_ptr<PrintDevice> device)
{
    m_device = std::move(device);
    m_printerName = m_device ? m_device->printerName() : QString();
    updateLineHeight();
}

QString cTPrint::useDefaultPrinter()
{
    takeDevice(printerChooser().defaultPrinter(m_documentName));
    return m_printerName;
}

QString cTPrint::choosePrinter(QWidget *parent, const QString &documentName)
{
    m_documentName = documentName;
    std::unique_ptr<PrintDevice> chosen = printerChooser().choosePrinter(parent, documentName);
    if (chosen)
        takeDevice(std::move(chosen));
    return m_printerName;
}

bool cTPrint::ensureDevice()
{
    if (!m_device)
        useDefaultPrinter();
    return bool(m_device);
}

const FontSpec &cTPrint::currentFont() const
{
    if (m_font)
        return *m_font;
    static FontSpec none;
    return none;
}

void cTPrint::updateLineHeight()
{
    if (!m_device) {
        m_lineHeight = 0;
        return;
    }
    if (!m_font)
        m_font = m_device->defaultFont();
    const FontMetrics fm = m_device->metrics(*m_font);
    m_lineHeight = double(fm.height + fm.externalLeading) / m_device->geometry().dpiY;
}

void cTPrint::setFont(const QString &face, int points, const QString &style)
{
    if (!ensureDevice())
        return;
    FontSpec font;
    font.face = face;
    font.points = points;
    font.pixelHeight = points * m_device->geometry().dpiY / 72;
    font.bold = style.contains(u'b');
    font.italic = style.contains(u'i');
    font.underline = style.contains(u'u');
    if (!m_originalFont)
        m_originalFont = m_font ? *m_font : m_device->defaultFont();
    m_font = font;
    updateLineHeight();
}

int cTPrint::widthPixels(const QString &text) const
{
    return m_device ? m_device->textWidth(currentFont(), text) : 0;
}

double cTPrint::textWidth(const QString &text)
{
    if (!ensureDevice())
        return 0;
    return double(widthPixels(text)) / m_device->geometry().dpiX;
}

QString cTPrint::fitPixels(const QString &text, int pixels) const
{
    if (pixels > 0) {
        qsizetype n = text.size();
        while (n > 0 && widthPixels(text.left(n)) > pixels)
            --n;
        return text.left(n);
    }
    if (pixels < 0) {
        qsizetype n = text.size();
        while (n > 0 && widthPixels(text.right(n)) > -pixels)
            --n;
        return text.right(n);
    }
    return QString();
}

QString cTPrint::fitText(const QString &text, double width)
{
    if (!ensureDevice())
        return QString();
    const double w = width * m_device->geometry().dpiX;
    if (w == 0)
        return QString();
    const int pixels = int(std::lround(w));
    if (pixels == 0)
        return QString();
    return fitPixels(text, pixels);
}

void cTPrint::setMargins(double left, double right, double top, double bottom)
{
    m_marginLeft = left;
    m_marginRight = right;
    m_marginTop = top;
    m_marginBottom = bottom;
}

void cTPrint::pageSize(double &width, double &height)
{
    width = 0;
    height = 0;
    if (!ensureDevice())
        return;
    const PageGeometry g = m_device->geometry();
    width = double(g.physical.width()) / g.dpiX;
    height = double(g.physical.height()) / g.dpiY;
}

void cTPrint::charSize(double &width, double &height)
{
    width = 0;
    height = 0;
    if (!ensureDevice())
        return;
    width = double(m_device->metrics(currentFont()).averageWidth) / m_device->geometry().dpiX;
    height = m_lineHeight;
}

int cTPrint::linesPerPage(double startY)
{
    if (!ensureDevice() || m_lineHeight <= 0)
        return 0;
    const PageGeometry g = m_device->geometry();
    const double pageHeight = double(g.physical.height()) / g.dpiY;
    const double topUnprintable = double(g.offset.y()) / g.dpiY;
    const double bottomUnprintable =
        double(g.physical.height() - g.offset.y() - g.printable.height()) / g.dpiY;
    const double usedTop = std::max({startY, m_marginTop, topUnprintable});
    const double usedBottom = std::max(m_marginBottom, bottomUnprintable);
    return int(std::floor((pageHeight - usedBottom - usedTop) / m_lineHeight));
}

int cTPrint::canDuplex()
{
    return m_device && m_device->canDuplex() ? 1 : 0;
}

void cTPrint::setDuplex(int mode)
{
    if (!m_device || mode == 0)
        return;
    if (m_originalDuplex == 0)
        m_originalDuplex = m_device->duplex();
    if (m_device->canDuplex())
        m_device->setDuplex(mode);
}

void cTPrint::setPos(double x, double y)
{
    m_curX = x;
    m_curY = y;
}

void cTPrint::printText(const QString &text, double x, double y)
{
    if (!ensureDevice())
        return;
    if (x != 0)
        m_curX = x;
    else
        x = m_curX;
    if (y != 0) {
        m_curY = y;
    } else {
        y = m_curY + m_lineHeight;
        m_curY = y;
    }

    const PageGeometry g = m_device->geometry();
    const int offsetX = g.offset.x();
    const int offsetY = g.offset.y();
    int px = std::max(0, int(std::lround(x * g.dpiX - offsetX)));
    const int py = std::max(0, int(std::lround(y * g.dpiY - offsetY)));
    const int leftEdge = std::max(0, int(std::lround(m_marginLeft * g.dpiX - offsetX)));
    const int rightLimit = (g.physical.width() - offsetX) - int(std::lround(m_marginRight * g.dpiX));
    const int bottomLimit = (g.physical.height() - offsetY) - int(std::lround(m_marginBottom * g.dpiY));

    if (y < m_marginTop || py + std::lround(m_lineHeight * g.dpiY) > bottomLimit)
        return;

    QString shown = text;
    const int fullWidth = widthPixels(text);
    if (x < m_marginLeft) {
        // Only the end that lies right of the left margin; nothing when the
        // whole text lies left of it.
        const double visible = x + double(fullWidth) / g.dpiX - m_marginLeft;
        if (visible <= 0)
            return;
        shown = fitText(text, -visible);
        px = leftEdge;
    }
    if (fullWidth + px > rightLimit) {
        if (px >= rightLimit)
            return;
        shown = fitText(shown, double(rightLimit - px) / g.dpiX);
    }
    if (!shown.isEmpty())
        m_device->drawText(currentFont(), px, py, shown);
}

void cTPrint::startDoc(const QString &name)
{
    // Without any printer the document cannot start either.
    if (!ensureDevice() || !m_device->beginDocument(name.left(63)))
        showPrinterError(PrinterError::Document);
}

void cTPrint::startPage()
{
    if (!m_device || !m_device->startPage())
        showPrinterError(PrinterError::Page);
}

void cTPrint::endPage()
{
    if (m_device)
        m_device->endPage();
}

void cTPrint::endDoc()
{
    if (m_device && m_device->documentOpen() && !m_device->endDocument())
        showPrinterError(PrinterError::Other);
    if (m_originalFont)
        m_font = m_originalFont;
    m_device.reset();
    m_font.reset();
    m_originalFont.reset();
    m_originalDuplex = 0;
}

} // namespace qm
