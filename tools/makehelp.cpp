// Builds the program's help file from its readable sources:
//   makehelp OUTPUT.ahp SOURCE.txt...
// The sources are read in the order given; the file is written only when all
// of them are sound, so a mistake stops the build instead of shipping.
#include "HelpSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: makehelp OUTPUT.ahp SOURCE.txt...\n");
        return 2;
    }
    QList<qm::HelpTopic> topics;
    QStringList errors;
    for (const QString &source : args.mid(1)) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            errors << source + QStringLiteral(": ") + file.errorString();
            continue;
        }
        errors << qm::parseHelpSource(QString::fromUtf8(file.readAll()), source, topics);
    }
    if (topics.isEmpty())
        errors << QStringLiteral("no topics");
    for (const QString &error : errors)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    if (!errors.isEmpty())
        return 1;

    QSaveFile out(args.first());
    if (!out.open(QIODevice::WriteOnly) || out.write(qm::helpFileBytes(topics)) < 0 || !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.first()), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
