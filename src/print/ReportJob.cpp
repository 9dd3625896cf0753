#include "print/ReportJob.h"

#include "print/PrinterChooser.h"
#include "print/PrinterErrors.h"

namespace qm {

ReportJob::ReportJob(QWidget *parent) : m_parent(parent) {}

ReportJob::~ReportJob()
{
    closeReportJob();
}

QString ReportJob::openReportJob(const QString &documentName)
{
    closeReportJob();
    m_device = printerChooser().choosePrinter(m_parent, documentName);
    if (!m_device)
        return QString();
    if (!m_device->beginDocument(documentName) || !m_device->startPage()) {
        showPrinterError(PrinterError::Document);
        m_device.reset();
        return QString();
    }
    m_currentFont = m_device->defaultFont();
    m_metrics = m_device->metrics(m_currentFont);
    m_x = 0;
    m_y = 0;
    const QString name = m_device->printerName();
    return name.isEmpty() ? documentName : name;
}

ReportFont ReportJob::newFont(const QString &face, float points, int style, int charSet, int pitch,
                              int escapement)
{
    (void)charSet;
    (void)pitch;
    (void)escapement;
    FontSpec font;
    font.face = face;
    font.points = points;
    const int dpiY = m_device ? m_device->geometry().dpiY : 96;
    font.pixelHeight = qRound(points * dpiY / 72.0);
    font.bold = style & StyleBold;
    font.italic = style & StyleItalic;
    font.underline = style & StyleUnderline;
    font.strikeout = style & StyleStrikeout;
    m_fonts.insert(++m_lastFont, font);
    return m_lastFont;
}

void ReportJob::selectFont(ReportFont font)
{
    const auto it = m_fonts.constFind(font);
    if (it == m_fonts.cend())
        return;
    m_currentFont = *it;
    if (m_device)
        m_metrics = m_device->metrics(m_currentFont);
}

QSize ReportJob::pixelsPerInch() const
{
    if (!m_device)
        return QSize();
    const PageGeometry g = m_device->geometry();
    return QSize(g.dpiX, g.dpiY);
}

QSize ReportJob::characterSize() const
{
    return QSize(m_metrics.averageWidth, m_metrics.height);
}

QSize ReportJob::printableSize() const
{
    return m_device ? m_device->geometry().printable : QSize();
}

void ReportJob::setPosition(float x, float y)
{
    m_x = qRound(x);
    m_y = qRound(y);
}

void ReportJob::printLine(const QString &text)
{
    if (m_device)
        m_device->drawText(m_currentFont, m_x, m_y, text);
}

bool ReportJob::newPage()
{
    if (!m_device)
        return false;
    m_device->endPage();
    if (!m_device->startPage()) {
        showPrinterError(PrinterError::Page);
        return false;
    }
    m_x = 0;
    m_y = 0;
    return true;
}

void ReportJob::closeReportJob()
{
    if (!m_device)
        return;
    m_device->endPage();
    if (!m_device->endDocument())
        showPrinterError(PrinterError::Other);
    m_device.reset();
}

void ReportJob::releaseFont(ReportFont font)
{
    m_fonts.remove(font);
}

} // namespace qm
