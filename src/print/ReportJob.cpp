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

void ReportJob::printPicture(const QImage &picture, const QRect &area)
{
    if (m_device)
        m_device->drawPicture(picture, area);
}

void ReportJob::printInBox(const QString &text, float left, float right, float y, Qt::Alignment alignment)
{
    if (!m_device)
        return;
    constexpr double kSmallestPoints = 7;
    constexpr double kPointStep = 0.5;
    const int room = qMax(0, int(right - left));
    FontSpec font = m_currentFont;
    int width = m_device->textWidth(font, text);
    while (width > room && font.points - kPointStep >= kSmallestPoints) {
        font.points -= kPointStep;
        font.pixelHeight = qRound(font.points * m_device->geometry().dpiY / 72.0);
        width = m_device->textWidth(font, text);
    }
    QString shown = text;
    if (width > room) {
        const QString mark(QChar(0x2026));
        do
            shown.chop(1);
        while (!shown.isEmpty() && m_device->textWidth(font, shown + mark) > room);
        while (shown.endsWith(u' '))
            shown.chop(1);
        shown += mark;
        width = m_device->textWidth(font, shown);
    }
    float x = left;
    if (alignment & Qt::AlignRight)
        x = right - float(width);
    else if (alignment & Qt::AlignHCenter)
        x = left + float(room - width) / 2;
    // A smaller text stands on the line's baseline.
    const int lower = font == m_currentFont ? 0 : m_metrics.ascent - m_device->metrics(font).ascent;
    m_device->drawText(font, qRound(x), qRound(y) + lower, shown);
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
