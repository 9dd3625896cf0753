#include "ui/Fonts.h"

#include <QStringList>

namespace qm {

namespace {

bool isFixedPitchFace(const QString &face)
{
    static const QStringList faces = {QStringLiteral("Courier New"), QStringLiteral("Courier"),
                                      QStringLiteral("Lucida Console"), QStringLiteral("Consolas")};
    return faces.contains(face.trimmed(), Qt::CaseInsensitive);
}

// Where a fixed-pitch face is missing, these stand in for it, in this order:
// faces with the widths of Courier New, then one that every Linux desktop has.
// Named here because the platform's own choice for "monospace" can be a face
// that does not declare a fixed pitch.
const QStringList &fixedPitchStandIns()
{
    static const QStringList faces = {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                                      QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")};
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
        font.setStyleHint(QFont::Serif);
    }
    return font;
}

} // namespace qm
