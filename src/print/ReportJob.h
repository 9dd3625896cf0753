#pragma once

#include "print/PrintDevice.h"

#include <QHash>
#include <QSize>
#include <QString>

#include <memory>

class QWidget;

namespace qm {

using ReportFont = int; // 0 is no font

// Style bits of newFont.
enum ReportFontStyle { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeout = 8 };

// The print job of the run sheet and the year-to-date report: one document
// placed in printer pixels from the top-left corner of the printable area.
// Its title lines print in "Times New Roman" 10 points until a font is selected.
class ReportJob
{
public:
    explicit ReportJob(QWidget *parent = nullptr);
    ~ReportJob();
    ReportJob(const ReportJob &) = delete;
    ReportJob &operator=(const ReportJob &) = delete;

    // Shows the print dialog and starts the document on its first page; the
    // printer's name, empty when the user cancelled or the printer refused.
    QString openReportJob(const QString &documentName);
    ReportFont newFont(const QString &face, float points, int style, int charSet = 0, int pitch = 0,
                       int escapement = 0);
    void selectFont(ReportFont font);
    QSize pixelsPerInch() const;   // horizontal, vertical
    QSize characterSize() const;   // average character width, character height
    QSize printableSize() const;   // of the page, in printer pixels
    void setPosition(float x, float y);
    void printLine(const QString &text);
    // A picture scaled into `area` (printer pixels of the printable area).
    void printPicture(const QImage &picture, const QRect &area);
    // Prints the text at height y in the box from `left` to `right` (printer
    // pixels), against the box's left or right edge or in its middle. A text
    // too wide for the box is printed in the current font made smaller, half
    // a point at a time to 7 points at the least, on the same baseline; one
    // still too wide is cut at its end with "…". The current font and position
    // stay as they were.
    void printInBox(const QString &text, float left, float right, float y, Qt::Alignment alignment = Qt::AlignLeft);
    // Ends the page and goes on on a new one, at (0, 0).
    bool newPage();
    void closeReportJob();
    void releaseFont(ReportFont font);

private:
    QWidget *m_parent;
    std::unique_ptr<PrintDevice> m_device;
    QHash<ReportFont, FontSpec> m_fonts;
    ReportFont m_lastFont = 0;
    FontSpec m_currentFont;
    FontMetrics m_metrics;
    int m_x = 0;
    int m_y = 0;
};

} // namespace qm
