#include "ui/Fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

namespace qm {

namespace {

bool isFixedPitchFace(const QString &face)
{
    static const QStringList faces = {QStringLiteral("Courier New"), QStringLiteral("Courier"),
                                      QStringLiteral("Lucida Console"), QStringLiteral("Consolas")};
    return faces.contains(face.trimmed(), Qt::CaseInsensitive);
}

// Where a face is missing, these stand in for it, in this order: faces with
// its widths, then one that every Linux desktop has. Named here because the
// platform's choice for a missing face of a kind can pass over the ones with
// the right widths (or, for "monospace", be a face that does not declare a
// fixed pitch).
const QStringList &fixedPitchStandIns()
{
    static const QStringList faces = {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                                      QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")};
    return faces;
}

const QStringList &serifStandIns()
{
    static const QStringList faces = {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                                      QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};
    return faces;
}

} // namespace

QFont uiFont(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    return font;
}

QFont namedFont(const QString &face)
{
    QFont font(face);
    if (isFixedPitchFace(face)) {
        font.setFamilies(QStringList(face) + fixedPitchStandIns());
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setFamilies(QStringList(face) + serifStandIns());
        font.setStyleHint(QFont::Serif);
    }
    return font;
}

QString wineFontFolder()
{
    return QStringLiteral("/usr/share/wine/fonts");
}

bool addStandInFonts(const QString &folder)
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return false;
    bool added = false;
    for (const QString &file : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}) {
        const QString path = QDir(folder).filePath(file);
        if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            added = true;
    }
    return added;
}

} // namespace qm
