#include "print/PrintDevice.h"

#include "print/PrinterChooser.h"

namespace qm {

QString PrintedDocument::toText() const
{
    QString out;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        out += QStringLiteral("page %1\n").arg(p + 1);
        for (const PrintedLine &line : pages.at(p).lines)
            out += QStringLiteral("%1 %2 [%3] %4\n").arg(line.x).arg(line.y).arg(line.font, line.text);
    }
    return out;
}

QString FontSpec::describe() const
{
    QString style;
    if (bold)
        style += u'b';
    if (italic)
        style += u'i';
    if (underline)
        style += u'u';
    QString text = face + u' ' + QString::number(points);
    if (!style.isEmpty())
        text += u' ' + style;
    return text;
}

FontSpec PrintDevice::defaultFont() const
{
    FontSpec font;
    font.face = QStringLiteral("Times New Roman");
    font.points = 10;
    font.pixelHeight = qRound(10.0 * geometry().dpiY / 72.0);
    return font;
}

bool PrintDevice::beginDocument(const QString &name)
{
    if (m_open)
        return false;
    m_document = PrintedDocument();
    m_document.name = name;
    m_document.printerName = printerName();
    m_open = doBegin(name);
    m_pageOpen = false;
    return m_open;
}

bool PrintDevice::startPage()
{
    if (!m_open)
        return false;
    if (!m_document.pages.isEmpty() && !doNewPage())
        return false;
    m_document.pages.append(PrintedPage());
    m_pageOpen = true;
    return true;
}

void PrintDevice::endPage()
{
    m_pageOpen = false;
}

bool PrintDevice::endDocument()
{
    if (!m_open)
        return false;
    m_open = false;
    m_pageOpen = false;
    const bool ok = doEnd();
    printerChooser().documentPrinted(m_document);
    return ok;
}

void PrintDevice::drawText(const FontSpec &font, int x, int y, const QString &text)
{
    if (!m_open)
        return;
    if (!m_pageOpen && !startPage())
        return;
    m_document.pages.last().lines.append({x, y, font.describe(), text, textWidth(font, text), metrics(font).height});
    doDrawText(font, x, y, text);
}

void PrintDevice::drawPicture(const QImage &picture, const QRect &area)
{
    if (!m_open || (!m_pageOpen && !startPage()))
        return;
    m_document.pages.last().lines.append({area.x(), area.y(), QStringLiteral("picture"),
                                          QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()),
                                          area.width(), area.height()});
    doDrawPicture(picture, area);
}

} // namespace qm
