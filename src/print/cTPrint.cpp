#include "print/cTPrint.h"

#include "print/PrinterChooser.h"
#include "print/PrinterErrors.h"

#include <cmath>

namespace qm {

namespace {

int pixelHeight(double points, int dpiY, PointRounding rounding)
{
    const double pixels = points * dpiY / 72.0;
    return rounding == PointRounding::Nearest ? qRound(pixels) : int(std::floor(pixels));
}

} // namespace

cTPrint::~cTPrint()
{
    if (m_device && m_device->documentOpen())
        endDoc();
}

void cTPrint::takeDevice(std::unique_ptr<PrintDevice> device)
{
    m_device = std::move(device);
    m_printerName = m_device ? m_device->printerName() : QString();
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

QString cTPrint::openDocument(QWidget *parent, const QString &documentName)
{
    m_documentName = documentName;
    std::unique_ptr<PrintDevice> chosen = printerChooser().choosePrinter(parent, documentName);
    if (!chosen)
        return QString();
    takeDevice(std::move(chosen));
    if (!m_device->beginDocument(documentName) || !m_device->startPage()) {
        showPrinterError(PrinterError::Document);
        return QString();
    }
    return m_printerName.isEmpty() ? documentName : m_printerName;
}

bool cTPrint::ensureDevice()
{
    if (!m_device)
        useDefaultPrinter();
    return bool(m_device);
}

FontSpec cTPrint::font(const QString &face, double points, const QString &style, PointRounding rounding)
{
    FontSpec font;
    font.face = face;
    font.points = points;
    font.pixelHeight = ensureDevice() ? pixelHeight(points, m_device->geometry().dpiY, rounding) : 0;
    font.bold = style.contains(u'b');
    font.italic = style.contains(u'i');
    font.underline = style.contains(u'u');
    return font;
}

FontSpec cTPrint::defaultFont()
{
    return ensureDevice() ? m_device->defaultFont() : FontSpec();
}

int cTPrint::widthPixels(const FontSpec &font, const QString &text) const
{
    return m_device ? m_device->textWidth(font, text) : 0;
}

double cTPrint::textWidth(const FontSpec &font, const QString &text)
{
    if (!ensureDevice())
        return 0;
    return double(widthPixels(font, text)) / m_device->geometry().dpiX;
}

QString cTPrint::fitPixels(const FontSpec &font, const QString &text, int pixels) const
{
    if (pixels > 0) {
        qsizetype n = text.size();
        while (n > 0 && widthPixels(font, text.left(n)) > pixels)
            --n;
        return text.left(n);
    }
    if (pixels < 0) {
        qsizetype n = text.size();
        while (n > 0 && widthPixels(font, text.right(n)) > -pixels)
            --n;
        return text.right(n);
    }
    return QString();
}

QString cTPrint::fitText(const FontSpec &font, const QString &text, double width)
{
    if (!ensureDevice())
        return QString();
    const double w = width * m_device->geometry().dpiX;
    if (w == 0)
        return QString();
    const int pixels = int(std::lround(w));
    if (pixels == 0)
        return QString();
    return fitPixels(font, text, pixels);
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

double cTPrint::lineHeight(const FontSpec &font)
{
    if (!ensureDevice())
        return 0;
    const FontMetrics fm = m_device->metrics(font);
    return double(fm.height + fm.externalLeading) / m_device->geometry().dpiY;
}

void cTPrint::charSize(const FontSpec &font, double &width, double &height)
{
    width = 0;
    height = 0;
    if (!ensureDevice())
        return;
    width = double(m_device->metrics(font).averageWidth) / m_device->geometry().dpiX;
    height = lineHeight(font);
}

int cTPrint::linesPerPage(const FontSpec &font, double startY)
{
    const double line = lineHeight(font);
    if (line <= 0)
        return 0;
    const PageGeometry g = m_device->geometry();
    const double pageHeight = double(g.physical.height()) / g.dpiY;
    const double topUnprintable = double(g.offset.y()) / g.dpiY;
    const double bottomUnprintable =
        double(g.physical.height() - g.offset.y() - g.printable.height()) / g.dpiY;
    const double usedTop = std::max({startY, m_marginTop, topUnprintable});
    const double usedBottom = std::max(m_marginBottom, bottomUnprintable);
    return int(std::floor((pageHeight - usedBottom - usedTop) / line));
}

int cTPrint::canDuplex()
{
    return m_device && m_device->canDuplex() ? 1 : 0;
}

void cTPrint::setDuplex(int mode)
{
    if (m_device && mode != 0 && m_device->canDuplex())
        m_device->setDuplex(mode);
}

void cTPrint::setPos(double x, double y)
{
    m_curX = x;
    m_curY = y;
}

void cTPrint::printText(const FontSpec &font, const QString &text, double x, double y)
{
    if (!ensureDevice())
        return;
    const double line = lineHeight(font);
    if (x != 0)
        m_curX = x;
    else
        x = m_curX;
    if (y != 0) {
        m_curY = y;
    } else {
        y = m_curY + line;
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

    if (y < m_marginTop || py + std::lround(line * g.dpiY) > bottomLimit)
        return;

    QString shown = text;
    const int fullWidth = widthPixels(font, text);
    if (x < m_marginLeft) {
        // Only the end that lies right of the left margin; nothing when the
        // whole text lies left of it.
        const double visible = x + double(fullWidth) / g.dpiX - m_marginLeft;
        if (visible <= 0)
            return;
        shown = fitText(font, text, -visible);
        px = leftEdge;
    }
    if (fullWidth + px > rightLimit) {
        if (px >= rightLimit)
            return;
        shown = fitText(font, shown, double(rightLimit - px) / g.dpiX);
    }
    if (!shown.isEmpty())
        m_device->drawText(font, px, py, shown);
}

QSize cTPrint::pixelsPerInch()
{
    if (!ensureDevice())
        return QSize();
    const PageGeometry g = m_device->geometry();
    return QSize(g.dpiX, g.dpiY);
}

QSize cTPrint::printableSize()
{
    return ensureDevice() ? m_device->geometry().printable : QSize();
}

QSize cTPrint::characterSize(const FontSpec &font)
{
    if (!ensureDevice())
        return QSize();
    const FontMetrics fm = m_device->metrics(font);
    return QSize(fm.averageWidth, fm.height);
}

void cTPrint::printInBox(const FontSpec &font, const QString &text, float left, float right, float y,
                         Qt::Alignment alignment)
{
    if (!ensureDevice())
        return;
    constexpr double kSmallestPoints = 7;
    constexpr double kPointStep = 0.5;
    const int room = qMax(0, int(right - left));
    FontSpec printed = font;
    int width = m_device->textWidth(printed, text);
    while (width > room && printed.points - kPointStep >= kSmallestPoints) {
        printed.points -= kPointStep;
        printed.pixelHeight = pixelHeight(printed.points, m_device->geometry().dpiY, PointRounding::Nearest);
        width = m_device->textWidth(printed, text);
    }
    QString shown = text;
    if (width > room) {
        const QString mark(QChar(0x2026));
        do
            shown.chop(1);
        while (!shown.isEmpty() && m_device->textWidth(printed, shown + mark) > room);
        while (shown.endsWith(u' '))
            shown.chop(1);
        shown += mark;
        width = m_device->textWidth(printed, shown);
    }
    float x = left;
    if (alignment & Qt::AlignRight)
        x = right - float(width);
    else if (alignment & Qt::AlignHCenter)
        x = left + float(room - width) / 2;
    // A smaller text stands on the line's baseline.
    const int lower = printed == font ? 0 : m_device->metrics(font).ascent - m_device->metrics(printed).ascent;
    m_device->drawText(printed, qRound(x), qRound(y) + lower, shown);
}

void cTPrint::startDoc(const QString &name)
{
    // Without any printer the document cannot start either.
    if (!ensureDevice() || !m_device->beginDocument(name.left(63)))
        showPrinterError(PrinterError::Document);
}

bool cTPrint::startPage()
{
    if (!m_device || !m_device->startPage()) {
        showPrinterError(PrinterError::Page);
        return false;
    }
    return true;
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
    m_device.reset();
}

void cTPrint::printPicture(const QImage &picture, const QRect &area)
{
    if (ensureDevice())
        m_device->drawPicture(picture, area);
}

} // namespace qm
