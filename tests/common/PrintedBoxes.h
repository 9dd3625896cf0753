#pragma once

#include "print/PrintedDocument.h"

#include <QSize>
#include <QStringList>

// What is wrong with where the texts of a printout went: a text that runs into
// another one (their boxes, as wide and high as the printer measured them,
// meet) or past the printable area. Empty when every text has its own place.
inline QStringList printedClashes(const qm::PrintedDocument &document, const QSize &printable)
{
    QStringList clashes;
    const auto describe = [](const qm::PrintedLine &l) {
        return QStringLiteral("\"%1\" [%2 %3, %4 x %5]").arg(l.text).arg(l.x).arg(l.y).arg(l.width).arg(l.height);
    };
    for (qsizetype p = 0; p < document.pages.size(); ++p) {
        const QList<qm::PrintedLine> &lines = document.pages.at(p).lines;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const qm::PrintedLine &a = lines.at(i);
            if (a.text.trimmed().isEmpty())
                continue;
            if (a.x < 0 || a.y < 0 || a.x + a.width > printable.width() || a.y + a.height > printable.height())
                clashes << QStringLiteral("page %1: %2 leaves the page").arg(p + 1).arg(describe(a));
            for (qsizetype j = i + 1; j < lines.size(); ++j) {
                const qm::PrintedLine &b = lines.at(j);
                if (b.text.trimmed().isEmpty())
                    continue;
                const bool across = a.x < b.x + b.width && b.x < a.x + a.width;
                const bool down = a.y < b.y + b.height && b.y < a.y + a.height;
                if (across && down)
                    clashes << QStringLiteral("page %1: %2 runs into %3").arg(p + 1).arg(describe(a), describe(b));
            }
        }
    }
    return clashes;
}
