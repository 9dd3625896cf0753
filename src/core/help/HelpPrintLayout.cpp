#include "core/help/HelpPrintLayout.h"

#include "core/help/HelpFile.h"

namespace qm {

namespace {

const QString kSeparators = QStringLiteral(" -,;:.()[]{}<>~/|\\=");
const QString kOpeningBrackets = QStringLiteral("([{<");

} // namespace

QStringList helpPrintLines(const QString &body)
{
    QString text = helpDisplayText(body);
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return body.isEmpty() ? QStringList() : QStringList{QString()};
    return text.split(u'\n');
}

QString expandHelpTabs(const QString &line)
{
    if (!line.contains(u'\t'))
        return line;
    const QStringList pieces = line.split(u'\t');
    QString expanded;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        expanded += pieces.at(i);
        if (i + 1 < pieces.size())
            expanded += QString(8 - expanded.size() % 8, u' ');
    }
    return expanded;
}

QStringList wrapHelpLine(const QString &line, const std::function<QString(const QString &)> &fit)
{
    QString rest = line;
    if (fit(rest) == rest)
        return {rest};
    QStringList pieces;
    for (QString fitted = fit(rest); fitted != rest && !rest.isEmpty(); fitted = fit(rest)) {
        qsizetype cut = fitted.size();
        for (qsizetype i = fitted.size() - 1; i >= 0; --i) {
            if (kSeparators.contains(fitted.at(i))) {
                cut = kOpeningBrackets.contains(fitted.at(i)) ? i : i + 1;
                break;
            }
        }
        // An opening bracket at the very start, or a width too narrow for one
        // character, still moves on.
        if (cut == 0)
            cut = std::max<qsizetype>(fitted.size(), 1);
        pieces << rest.left(cut).trimmed();
        rest = rest.mid(cut);
    }
    if (!rest.isEmpty())
        pieces << rest.trimmed();
    return pieces;
}

} // namespace qm
