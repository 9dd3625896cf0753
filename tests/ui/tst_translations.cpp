// The program in another language: lupdate finds the texts in every library,
// a translation made from them is loaded for the user's locale from the
// program's folder, and it changes what the user reads but never what the
// files and exports hold.
#include "SampleModel.h"
#include "config/ConfigureDialog.h"
#include "core/LedgerDocument.h"
#include "core/csv/CsvExport.h"
#include "core/rules/AdvanceRules.h"
#include "core/rules/YearToDate.h"
#include "ui/Translations.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace qm;

namespace {

struct Message
{
    const char *context;
    const char *source;
    const char *translation;
};

// Texts of a dialog, of the ledger core's rules and of its fixed lists.
const Message kGerman[] = {
    {"qm::ConfigureDialog", "Options for Quillmoor Ad Sales", "Optionen für Quillmoor Ad Sales"},
    {"AdvanceRules", "Amount error... correct and continue", "Betrag falsch... bitte korrigieren"},
    {"LedgerModel", "Sale    ", "Verkauf "},
    {"LedgerModel", "January", "Januar"},
    {"YearToDate", "Owner", "Inhaber"},
};

QString escaped(const char *text) { return QString::fromUtf8(text).toHtmlEscaped(); }

// Writes the messages as `name`.ts in `folder` and makes `name`.qm of it with lrelease.
bool release(const QString &folder, const QString &name)
{
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n");
    for (const Message &m : kGerman) {
        ts += QStringLiteral("<context><name>%1</name><message><source>%2</source>"
                             "<translation>%3</translation></message></context>\n")
                  .arg(escaped(m.context), escaped(m.source), escaped(m.translation));
    }
    ts += QStringLiteral("</TS>\n");
    const QString tsFile = QDir(folder).filePath(name + QStringLiteral(".ts"));
    QFile file(tsFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(ts.toUtf8()) < 0)
        return false;
    file.close();
    return QProcess::execute(QStringLiteral(QM_LRELEASE),
                             {QStringLiteral("-silent"), tsFile, QStringLiteral("-qm"),
                              QDir(folder).filePath(name + QStringLiteral(".qm"))}) == 0;
}

void removeTranslations()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void templateHoldsTheTexts()
    {
        QFile file(QStringLiteral(QM_TRANSLATION_TEMPLATE));
        QVERIFY2(file.open(QIODevice::ReadOnly), QM_TRANSLATION_TEMPLATE);
        QSet<QString> found;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QStringLiteral("name"))
                context = xml.readElementText();
            else if (xml.name() == QStringLiteral("source"))
                found << context + u'|' + xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        QVERIFY(!xml.hasError());
        for (const Message &m : kGerman)
            QVERIFY2(found.contains(QString::fromUtf8(m.context) + u'|' + QString::fromUtf8(m.source)), m.source);
    }

    // main() sets the locale to German before the application starts.
    void programFolderTranslationIsLoaded()
    {
        const QString folder = QCoreApplication::applicationDirPath();
        QVERIFY(release(folder, QStringLiteral("quillmoorads_de")));
        const auto cleanUp = qScopeGuard([&] {
            removeTranslations();
            QFile::remove(QDir(folder).filePath(QStringLiteral("quillmoorads_de.ts")));
            QFile::remove(QDir(folder).filePath(QStringLiteral("quillmoorads_de.qm")));
        });
        QVERIFY(installTranslations(*QCoreApplication::instance()));

        LedgerModel model = SampleModel(1).runningIn(1).cell(1, ColSale, 1, QStringLiteral("10")).year(2026);
        LedgerDocument document;
        document.open(model, QString(), QString());
        ConfigureDialog dialog(document, QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Optionen für Quillmoor Ad Sales"));
        QCOMPARE(advanceAmountError(), QStringLiteral("Betrag falsch... bitte korrigieren"));
        QCOMPARE(columnHeader(ColSale), QStringLiteral("Verkauf "));

        // On screen the report speaks German; its export and the data files keep their words.
        ReportTable shown;
        fillSalesView(model, shown);
        QCOMPARE(shown.cell(1, 1), QStringLiteral("Januar"));
        QCOMPARE(shown.title(2), QStringLiteral("Inhaber"));
        const QList<QByteArray> exported = yearToDateCsv(model).split('\n');
        QVERIFY(exported.at(0).contains(",Owner,"));
        QVERIFY(exported.at(1).startsWith("January,"));
        QVERIFY(ledgerCsv(model).split('\n').at(1).contains(",January,"));
        QCOMPARE(monthName(1), QStringLiteral("January"));
    }

    void otherLanguagesStayEnglish()
    {
        QTemporaryDir dir;
        QVERIFY(release(dir.path(), QStringLiteral("quillmoorads_de")));
        const auto cleanUp = qScopeGuard(removeTranslations);
        QVERIFY(!installTranslations(*QCoreApplication::instance(), QLocale(QLocale::French, QLocale::France),
                                     {dir.path()}));
        QCOMPARE(advanceAmountError(), QStringLiteral("Amount error... correct and continue"));
        // German of Austria takes the German translation.
        QVERIFY(installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Austria),
                                    {QDir::tempPath() + QStringLiteral("/no such folder"), dir.path()}));
        QCOMPARE(advanceAmountError(), QStringLiteral("Betrag falsch... bitte korrigieren"));
    }
};

int main(int argc, char *argv[])
{
    // The user's language, read by the application as it starts.
    qputenv("LANGUAGE", "de_DE");
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TstTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
