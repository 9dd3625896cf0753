// A value the user stores in the configuration dialog as it was still counts
// as a change of the settings: the exit save writes the settings file, with
// its backup copy, exactly as after any other change.
#include "config/ConfigureDialog.h"
#include "core/Clock.h"
#include "core/LedgerDocument.h"
#include "DialogSession.h"
#include "SampleModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace qm;

namespace {

using Session = DialogSession<ConfigureDialog>;
using Action = std::function<void(Session &)>;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not read)");
}

} // namespace

Q_DECLARE_METATYPE(Action)

class ConfigStoredAgainTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }

    void valueStoredAsItWasIsSaved_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("stored");
        QTest::newRow("nothing stored") << Action([](Session &) {}) << false;
        QTest::newRow("name entered as it was") << Action([](Session &) { Session::key(Qt::Key_Return); }) << true;
        QTest::newRow("percentage left as it was") << Action([](Session &s) {
            auto *salesBox = s.find<QComboBox>(QStringLiteral("SalesPeopleBox"));
            QTest::mouseClick(salesBox, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
            Session::key(Qt::Key_Down);
            QTest::mouseClick(s.find<QLineEdit>(QStringLiteral("PercentBox")), Qt::LeftButton);
            QTest::mouseClick(salesBox, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        }) << true;
        QTest::newRow("price left as it was") << Action([](Session &s) {
            s.find<QComboBox>(QStringLiteral("SizeChoice"))->setFocus();
            Session::key(Qt::Key_Down);
            s.find<QComboBox>(QStringLiteral("PublicationChoice"))->setFocus();
            Session::key(Qt::Key_Down);
            QTest::mouseClick(s.find<QLineEdit>(QStringLiteral("ColorPriceBox")), Qt::LeftButton);
            QTest::mouseClick(s.find<QLineEdit>(QStringLiteral("BWPriceBox")), Qt::LeftButton);
        }) << true;
    }
    void valueStoredAsItWasIsSaved()
    {
        QFETCH(Action, action);
        QFETCH(bool, stored);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("QuillmoorAds.ini"));
        const QString qmr = dir.filePath(QStringLiteral("QuillmoorAds.qmr"));
        LedgerDocument document;
        document.open(SampleModel(2).person(QStringLiteral("Alpha"), QStringLiteral("5")).price(1, 1, "300", "200"),
                      QString(), QString());
        QVERIFY(document.saveAs(ini, qmr).ok());
        const QByteArray settings = fileBytes(ini);
        const QByteArray ledger = fileBytes(qmr);
        {
            Session s(std::make_unique<ConfigureDialog>(document, QString()));
            QVERIFY(s.active);
            action(s);
        }
        QCOMPARE(document.model().ads.at(0).name, QStringLiteral("Ad 1"));
        QCOMPARE(document.model().salesPeople.at(0).percent, QStringLiteral("5"));
        QCOMPARE(document.model().prices.colourPrice(1), QStringLiteral("300"));
        QCOMPARE(document.model().prices.bwPrice(1), QStringLiteral("200"));
        QCOMPARE(document.settingsChanged(), stored);
        QVERIFY(!document.ledgerChanged());
        QVERIFY(document.save(SaveKind::Exit).ok());
        QStringList expected = {"QuillmoorAds.ini", "QuillmoorAds.qmr"};
        if (stored)
            expected.insert(0, QStringLiteral("QuillmoorAds_030326_1405.ini"));
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
        QCOMPARE(fileBytes(ini), settings);
        QCOMPARE(fileBytes(qmr), ledger);
    }
};

QTEST_MAIN(ConfigStoredAgainTest)
#include "tst_configstoredagain.moc"
