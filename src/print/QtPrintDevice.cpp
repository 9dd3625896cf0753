#include "print/QtPrintDevice.h"

#include "core/Messages.h"
#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(QtPrintDevice)
};

bool toPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

} // namespace

QtPrintDevice::QtPrintDevice(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

QFont QtPrintDevice::font(const FontSpec &wanted)
{
    QFont drawn = namedFont(wanted.face);
    drawn.setPixelSize(qMax(1, wanted.pixelHeight));
    drawn.setBold(wanted.bold);
    drawn.setItalic(wanted.italic);
    drawn.setUnderline(wanted.underline);
    return drawn;
}

QtPrintDevice::~QtPrintDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

QString QtPrintDevice::printerName() const
{
    if (toPdfFile(*m_printer))
        return QDir::toNativeSeparators(m_printer->outputFileName());
    return m_printer->printerName();
}

PageGeometry QtPrintDevice::geometry() const
{
    const int resolution = m_printer->resolution();
    const QPageLayout layout = m_printer->pageLayout();
    const QRect full = layout.fullRectPixels(resolution);
    const QRect paint = layout.paintRectPixels(resolution);
    PageGeometry g;
    g.dpiX = m_printer->logicalDpiX();
    g.dpiY = m_printer->logicalDpiY();
    g.physical = full.size();
    g.offset = paint.topLeft() - full.topLeft();
    g.printable = paint.size();
    return g;
}

const QFontMetrics &QtPrintDevice::metricsOf(const FontSpec &font) const
{
    if (!m_lastMetrics || !(font == m_lastSpec)) {
        m_lastSpec = font;
        m_lastFont = QtPrintDevice::font(font);
        m_lastMetrics.emplace(m_lastFont, m_printer.get());
        m_widths.clear();
    }
    return *m_lastMetrics;
}

FontMetrics QtPrintDevice::metrics(const FontSpec &font) const
{
    const QFontMetrics &fm = metricsOf(font);
    return {fm.averageCharWidth(), fm.height(), fm.leading(), fm.ascent()};
}

int QtPrintDevice::textWidth(const FontSpec &font, const QString &text) const
{
    const QFontMetrics &fm = metricsOf(font);
    constexpr qsizetype kMostWidths = 4096;
    if (const auto known = m_widths.constFind(text); known != m_widths.cend())
        return *known;
    if (m_widths.size() >= kMostWidths)
        m_widths.clear();
    const int width = fm.horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

bool QtPrintDevice::canDuplex() const
{
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        return false;
    const QList<QPrinter::DuplexMode> modes = QPrinterInfo(*m_printer).supportedDuplexModes();
    return modes.contains(QPrinter::DuplexLongSide) || modes.contains(QPrinter::DuplexShortSide);
}

void QtPrintDevice::setDuplex(int mode)
{
    if (mode == 2)
        m_printer->setDuplex(QPrinter::DuplexLongSide);
    else if (mode == 3)
        m_printer->setDuplex(QPrinter::DuplexShortSide);
    else if (mode == 1)
        m_printer->setDuplex(QPrinter::DuplexNone);
}

bool QtPrintDevice::doBegin(const QString &name)
{
    m_printer->setDocName(name);
    m_painterFont.reset();
    return m_painter.begin(m_printer.get());
}

bool QtPrintDevice::doNewPage()
{
    return m_printer->newPage();
}

bool QtPrintDevice::doEnd()
{
    const bool ok = m_painter.end();
    if (ok && toPdfFile(*m_printer))
        showMessage(Text::tr("The printout was saved as %1").arg(QDir::toNativeSeparators(m_printer->outputFileName())),
                    m_printer->docName(), MessageButtons::Ok, MessageIcon::Information);
    return ok;
}

void QtPrintDevice::doDrawText(const FontSpec &font, int x, int y, const QString &text)
{
    const int ascent = metricsOf(font).ascent();
    if (m_painterFont != font) {
        m_painter.setFont(m_lastFont);
        m_painterFont = font;
    }
    m_painter.drawText(QPoint(x, y + ascent), text);
}

void QtPrintDevice::doDrawPicture(const QImage &picture, const QRect &area)
{
    m_painter.drawImage(area, picture);
}

} // namespace qm
