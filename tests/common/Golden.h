#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Compares a text with a golden file kept in the tests' source folder. Returns
// an empty text when both agree, else the first line that differs. Run a test
// with QM_UPDATE_GOLDEN=1 to write the golden files anew (then read the diff).
inline QString goldenDifference(const QString &goldenDir, const QString &name, const QString &actual)
{
    const QString path = QDir(goldenDir).filePath(name + QStringLiteral(".txt"));
    if (qEnvironmentVariableIntValue("QM_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(goldenDir);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        out.write(actual.toUtf8());
        return QString();
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("no golden file ") + path;
    const QStringList expected = QString::fromUtf8(in.readAll()).split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < qMax(expected.size(), got.size()); ++i) {
        const QString e = expected.value(i, QStringLiteral("<end>"));
        const QString g = got.value(i, QStringLiteral("<end>"));
        if (e != g)
            return QStringLiteral("%1 line %2:\n  expected: %3\n  actual:   %4").arg(name).arg(i + 1).arg(e, g);
    }
    return QString();
}

#define QM_COMPARE_GOLDEN(dir, name, actual)                                                       \
    do {                                                                                           \
        const QString difference_ = goldenDifference(dir, name, actual);                          \
        if (!difference_.isEmpty())                                                                \
            QFAIL(qPrintable(difference_));                                                        \
    } while (false)
