// `cmake --install` into a temporary prefix: every file in its standard place,
// the menu entry and metainfo valid, and the installed program working and
// finding its help file from the install layout.

#include "core/year/Startup.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = "org.quillmoor.QuillmoorAds";

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Ran
{
    int status = -1;
    QString output;
};

Ran run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Ran ran;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        ran.status = process.exitCode();
    ran.output = QString::fromUtf8(process.readAll());
    return ran;
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileInPlace();
    void installedProgramRuns();
    void helpFileFromInstallLayout();
    void validators_data();
    void validators();

private:
    QTemporaryDir m_prefix;
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
};

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Ran ran = run(QM_CMAKE, {"--install", QM_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(ran.status == 0, qPrintable(ran.output));
}

void InstallTest::everyFileInPlace()
{
    // Installed file -> its source in the repository (empty: not compared).
    QList<QPair<QString, QString>> expected = {
        {"bin/QuillmoorAds", ""},
        {"share/applications/" + kAppId + ".desktop", "data/" + kAppId + ".desktop"},
        {"share/metainfo/" + kAppId + ".metainfo.xml", "data/" + kAppId + ".metainfo.xml"},
        {"share/icons/hicolor/scalable/apps/" + kAppId + ".svg", "data/icons/" + kAppId + ".svg"},
    };
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dim = QString("%1x%1").arg(size);
        expected.append(qMakePair("share/icons/hicolor/" + dim + "/apps/" + kAppId + ".png",
                         "data/icons/" + dim + "/" + kAppId + ".png"));
    }
    if (QFileInfo::exists(QM_HELP_FILE))
        expected.append(qMakePair(QString("share/quillmoorads/quillmoorAds.ahp"), QString()));

    QStringList found;
    QDirIterator it(m_prefix.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(m_prefix.path()).relativeFilePath(it.next());
    found.sort();
    QStringList names;
    for (const auto &[file, source] : expected) {
        names << file;
        if (!source.isEmpty())
            QVERIFY2(bytesOf(installed(file)) == bytesOf(QString(QM_SOURCE_DIR) + "/" + source), qPrintable(file));
    }
    names.sort();
    QCOMPARE(found, names);
    QVERIFY(QFileInfo(installed("bin/QuillmoorAds")).isExecutable());
    for (int size : {16, 256}) {
        QImage icon(installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
        QCOMPARE(icon.size(), QSize(size, size));
    }
}

void InstallTest::installedProgramRuns()
{
    const Ran ran = run(installed("bin/QuillmoorAds"), {"--version"});
    QCOMPARE(ran.status, 0);
    QVERIFY(ran.output.contains("Quillmoor Ad Sales 1.76"));
}

// Run from elsewhere, the installed program finds its help in share/quillmoorads.
void InstallTest::helpFileFromInstallLayout()
{
    const QString help = installed("share/quillmoorads/quillmoorAds.ahp");
    if (!QFileInfo::exists(help)) {
        QVERIFY(QDir().mkpath(QFileInfo(help).path()));
        QFile stand(help);
        QVERIFY(stand.open(QIODevice::WriteOnly));
    }
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QString found = qm::findHelpFile(installed("bin/QuillmoorAds"));
    QDir::setCurrent(before);
    QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(help).canonicalFilePath());
}

void InstallTest::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("menu entry") << "desktop-file-validate" << QStringList()
                                << "share/applications/" + kAppId + ".desktop";
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                              << "share/metainfo/" + kAppId + ".metainfo.xml";
}

void InstallTest::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + " is not installed (Debian: desktop-file-utils, appstream); not validated"));
    const Ran ran = run(program, arguments << installed(file));
    QVERIFY2(ran.status == 0, qPrintable(ran.output));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
