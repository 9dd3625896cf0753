// `cmake --install` into a temporary prefix: every file in its standard place,
// the menu entry, metainfo and manual page valid, ledger files of their own type,
// the installed program working and finding its help file from the install
// layout; and `cpack -G DEB` making a package of the same files.

#include "core/year/Startup.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = "org.quillmoor.QuillmoorAds";
const QString kLedgerType = "application/x-quillmoor-ledger";

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Ran
{
    int status = -1;
    QString output;
    QString errors;
    QString all() const { return output + errors; }
};

// Messages in English whatever the user's language, so that they can be compared.
Ran run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Ran ran;
    if (process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit)
        ran.status = process.exitCode();
    ran.output = QString::fromUtf8(process.readAllStandardOutput());
    ran.errors = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

// Installed file -> its source in the repository (empty: not compared).
QList<QPair<QString, QString>> installedFiles()
{
    const QString doc = "share/doc/quillmoorads/";
    QList<QPair<QString, QString>> files = {
        {"bin/QuillmoorAds", ""},
        {"share/applications/" + kAppId + ".desktop", "data/" + kAppId + ".desktop"},
        {"share/metainfo/" + kAppId + ".metainfo.xml", "data/" + kAppId + ".metainfo.xml"},
        {"share/mime/packages/" + kAppId + ".xml", "data/" + kAppId + ".mime.xml"},
        {"share/icons/hicolor/scalable/apps/" + kAppId + ".svg", "data/icons/" + kAppId + ".svg"},
        {"share/man/man1/QuillmoorAds.1", "docs/QuillmoorAds.1"},
        {doc + "README.md", "README.md"},
        {doc + "docs/screenshot.png", "docs/screenshot.png"},
        {doc + "LICENSE", "LICENSE"},
    };
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dim = QString("%1x%1").arg(size);
        files.append(qMakePair("share/icons/hicolor/" + dim + "/apps/" + kAppId + ".png",
                               "data/icons/" + dim + "/" + kAppId + ".png"));
    }
    if (QFileInfo::exists(QM_HELP_FILE))
        files.append(qMakePair(QString("share/quillmoorads/quillmoorAds.ahp"), QString()));
    return files;
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
    void declarations_data();
    void declarations();
    void ledgerFileType();
    void debianPackage();

private:
    QTemporaryDir m_prefix;
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
};

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Ran ran = run(QM_CMAKE, {"--install", QM_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(ran.status == 0, qPrintable(ran.all()));
}

void InstallTest::everyFileInPlace()
{
    const QList<QPair<QString, QString>> expected = installedFiles();
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

// Each checker runs on its installed file and has nothing to say: no error, no
// warning. Only the manual page's checker prints the file itself (not compared).
void InstallTest::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("output");
    QTest::newRow("menu entry") << "desktop-file-validate" << "desktop-file-utils" << QStringList()
                                << "share/applications/" + kAppId + ".desktop" << "";
    // The one pedantic hint is the capitals of the id, which the menu entry, the
    // window and the metainfo share; --strict fails on anything above it.
    QTest::newRow("metainfo") << "appstreamcli" << "appstream"
                              << QStringList{"validate", "--pedantic", "--strict", "--no-net", "--no-color"}
                              << "share/metainfo/" + kAppId + ".metainfo.xml"
                              << "P: " + kAppId + ":3: cid-contains-uppercase-letter " + kAppId
                                     + "\n\n\u2714 Validation was successful: pedantic: 1\n";
    QTest::newRow("manual page") << "man" << "man-db" << QStringList{"--warnings", "-E", "UTF-8", "-l"}
                                 << "share/man/man1/QuillmoorAds.1" << QString();
}

void InstallTest::validators()
{
    QFETCH(QString, tool);
    QFETCH(QString, package);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QString, output);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + " is not installed (Debian package " + package + "); not validated"));
    const Ran ran = run(program, arguments << installed(file));
    QVERIFY2(ran.status == 0, qPrintable(ran.all()));
    QCOMPARE(ran.errors, QString());
    if (!output.isNull())
        QCOMPARE(ran.output, output);
}

// What the menu entry and the metainfo declare, line by line: the menu entry
// starts the program in the documents folder, opens ledger files and owns the
// windows of the class the program gives them; the metainfo names the homepage,
// shows the README's picture from there and claims ledger files too.
void InstallTest::declarations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");
    const QString entry = "share/applications/" + kAppId + ".desktop";
    const QString metainfo = "share/metainfo/" + kAppId + ".metainfo.xml";
    QTest::newRow("menu entry: command") << entry << "Exec=QuillmoorAds --documents-folder %f";
    QTest::newRow("menu entry: ledger files") << entry << "MimeType=" + kLedgerType + ";";
    QTest::newRow("menu entry: window class") << entry << "StartupWMClass=QuillmoorAds";
    QTest::newRow("metainfo: homepage") << metainfo << "<url type=\"homepage\">https://quillmoor.example.org/</url>";
    QTest::newRow("metainfo: screenshot")
        << metainfo << "<image type=\"source\">https://quillmoor.example.org/quillmoorads/screenshot.png</image>";
    QTest::newRow("metainfo: ledger files") << metainfo << "<mediatype>" + kLedgerType + "</mediatype>";
}

void InstallTest::declarations()
{
    QFETCH(QString, file);
    QFETCH(QString, line);
    const QString text = QString::fromUtf8(bytesOf(installed(file)));
    QStringList lines = text.split(u'\n');
    for (QString &each : lines)
        each = each.trimmed();
    QVERIFY2(lines.contains(line), qPrintable(text));
}

// The installed MIME package built into a database of its own, as the system's
// is, gives a ledger file its type; the builder has no complaint about it.
void InstallTest::ledgerFileType()
{
    const QString update = QStandardPaths::findExecutable("update-mime-database");
    if (update.isEmpty())
        QSKIP("update-mime-database is not installed (Debian package shared-mime-info); the type is not checked");
    QTemporaryDir data;
    QVERIFY(QDir().mkpath(data.filePath("mime/packages")));
    QVERIFY(QFile::copy(installed("share/mime/packages/" + kAppId + ".xml"),
                        data.filePath("mime/packages/" + kAppId + ".xml")));
    // The lookup sees that database alone: the environment points there until the end.
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    const auto restore = qScopeGuard([&] {
        for (const char *name : {"XDG_DATA_DIRS", "XDG_DATA_HOME"}) {
            if (before.contains(name))
                qputenv(name, before.value(name).toLocal8Bit());
            else
                qunsetenv(name);
        }
    });
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));

    const Ran ran = run(update, {data.filePath("mime")});
    QCOMPARE(ran.status, 0);
    QCOMPARE(ran.all(), QString());
    QVERIFY(QFileInfo::exists(data.filePath("mime/mime.cache")));
    QCOMPARE(QMimeDatabase().mimeTypeForFile("x.qmr", QMimeDatabase::MatchExtension).name(), kLedgerType);
}

// `cpack -G DEB`: the installed files under /usr, the manual page compressed, the
// licence as Debian's copyright file beside a changelog, the program stripped;
// and lintian, where it is installed, has nothing to say. Like `make package`,
// cpack first brings the whole build up to date: run this on a built tree.
void InstallTest::debianPackage()
{
    const QString dpkgDeb = QStandardPaths::findExecutable("dpkg-deb");
    if (dpkgDeb.isEmpty() || QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty() || !QFileInfo::exists(QM_CPACK))
        QSKIP("cpack, dpkg-deb or dpkg-shlibdeps is not installed (Debian packages cmake, dpkg, dpkg-dev); "
              "no package made");
    QTemporaryDir out;
    Ran ran = run(QM_CPACK, {"-G", "DEB", "--config", QM_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()});
    QVERIFY2(ran.status == 0, qPrintable(ran.all()));
    const QStringList debs = QDir(out.path()).entryList({"*.deb"});
    QCOMPARE(debs.size(), 1);
    QVERIFY2(debs[0].startsWith("quillmoorads_1.76_"), qPrintable(debs[0]));
    const QString deb = out.filePath(debs[0]);

    QStringList expected = {"usr/share/doc/quillmoorads/changelog.gz"};
    for (const auto &file : installedFiles()) {
        QString packaged = "usr/" + file.first;
        if (packaged.startsWith("usr/share/man/"))
            packaged += ".gz";
        expected << packaged.replace("/quillmoorads/LICENSE", "/quillmoorads/copyright");
    }
    expected.sort();
    ran = run(dpkgDeb, {"-c", deb});
    QCOMPARE(ran.status, 0);
    QStringList found; // "-rw-r--r-- root/root 412 2026-12-09 12:00 ./usr/share/..."
    for (const QString &line : ran.output.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.endsWith(u'/'))
            found << line.section(u' ', 5, -1, QString::SectionSkipEmpty).mid(2);
    }
    found.sort();
    QCOMPARE(found, expected);

    QCOMPARE(run(dpkgDeb, {"-x", deb, out.filePath("root")}).status, 0);
    const QByteArray program = bytesOf(out.filePath("root/usr/bin/QuillmoorAds"));
    QVERIFY(program.startsWith("\x7f" "ELF"));
    QVERIFY2(!program.contains(".symtab"), "the packaged program keeps its symbol table: not stripped");

    const QString lintian = QStandardPaths::findExecutable("lintian");
    if (lintian.isEmpty())
        QSKIP("lintian is not installed (Debian package lintian); the package is not checked by it");
    ran = run(lintian, {"--allow-root", deb});
    QVERIFY2(ran.status == 0, qPrintable(ran.all()));
    QCOMPARE(ran.all(), QString());
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
