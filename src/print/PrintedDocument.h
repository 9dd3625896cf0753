#pragma once

#include <QList>
#include <QString>

namespace qm {

// One text as it went onto paper: where its top-left corner lies, in printer
// pixels from the top-left corner of the printable area, in which font, and
// the box it takes as the printer measures it.
struct PrintedLine
{
    int x = 0;
    int y = 0;
    QString font; // "Times New Roman 10 bu"
    QString text;
    int width = 0;
    int height = 0; // the font's full cell height

    bool operator==(const PrintedLine &) const = default;
};

struct PrintedPage
{
    QList<PrintedLine> lines;
};

// What a print run put on paper, page by page: the printout as data.
struct PrintedDocument
{
    QString name;
    QString printerName;
    QList<PrintedPage> pages;

    // One line per text ("x y [font] text") under a "page N" line per page.
    // The boxes are left out: they depend on the printer's fonts.
    QString toText() const;
};

} // namespace qm
