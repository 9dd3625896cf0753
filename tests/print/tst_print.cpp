#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"

#include "RecordingPrinter.h"
#include "ScriptedMessages.h"

#include <QFile>
#include <QFontInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;

namespace {

// The lines of the only page as "x y text".
QStringList pageLines(const RecordingChooser &chooser, int page = 0)
{
    QStringList lines;
    if (chooser.printed.isEmpty() || chooser.printed.last().pages.size() <= page)
        return lines;
    for (const PrintedLine &line : chooser.printed.last().pages.at(page).lines)
        lines << QStringLiteral("%1 %2 %3").arg(line.x).arg(line.y).arg(line.text);
    return lines;
}

// A text printer on a recording device with one inch margins all round, its
// document started; `arial` becomes Arial 12 (50 pixels a character at 600 dpi).
void startArial(cTPrint &printer, FontSpec &arial)
{
    QVERIFY(!printer.choosePrinter().isEmpty());
    arial = printer.font(QStringLiteral("Arial"), 12, QString());
    printer.setMargins(1, 1, 1, 1);
    printer.startDoc(QStringLiteral("test"));
    printer.startPage();
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(10, 12, 10, 15), QPageLayout::Millimeter));
    return printer;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void fontStyleLetters_data();
    void fontStyleLetters();
    void nextLineKeepsColumn();
    void printTextClips_data();
    void printTextClips();
    void fitText_data();
    void fitText();
    void linesPerPage_data();
    void linesPerPage();
    void documentNameCut();
    void printerErrors();
    void cancelledDialogLeavesNameEmpty();
    void defaultPrinterWhenNoneChosen();
    void duplex();
    void reportJob();
    void reportJobCancelledOrRefused();
    void pdfPrinter();
    void fixedPitchFaces_data();
    void fixedPitchFaces();
    void textPrinterPage();
};

void TestPrint::fontStyleLetters_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("font");
    QTest::newRow("bold underlined") << "bu" << "Arial 12 bu";
    QTest::newRow("none") << "" << "Arial 12";
    QTest::newRow("capital B") << "B" << "Arial 12";
    QTest::newRow("italic bold") << "ib" << "Arial 12 bi";
    QTest::newRow("other letters") << "xyz" << "Arial 12";
}

void TestPrint::fontStyleLetters()
{
    QFETCH(QString, style);
    QFETCH(QString, font);
    RecordingChooser chooser;
    cTPrint printer;
    printer.choosePrinter();
    const FontSpec arial = printer.font(QStringLiteral("Arial"), 12, style);
    printer.startDoc(QStringLiteral("fonts"));
    printer.startPage();
    printer.printText(arial, QStringLiteral("x"), 1, 1);
    printer.endPage();
    printer.endDoc();
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().pages.first().lines.first().font, font);
}

void TestPrint::nextLineKeepsColumn()
{
    RecordingChooser chooser;
    cTPrint printer;
    FontSpec arial;
    startArial(printer, arial);
    // Arial 12: 100 pixel em, 120 high plus 10 leading: a line is 130/600 inch.
    QCOMPARE(printer.lineHeight(arial), 130.0 / 600);
    printer.printText(arial, QStringLiteral("A"), 1.5, 2);
    printer.printText(arial, QStringLiteral("B"));
    printer.setPos(2, 3);
    printer.printText(arial, QStringLiteral("C"));
    printer.endPage();
    printer.endDoc();
    QCOMPARE(pageLines(chooser), QStringList({"750 1020 A", "750 1150 B", "1050 1750 C"}));
}

void TestPrint::printTextClips_data()
{
    // Printable area from (150, 180) on a 5100 x 6600 sheet; margins of one inch
    // leave x from 450 to 4350 and lines up to 5820 in device pixels.
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::newRow("inside") << 1.5 << 2.0 << "Hello" << "750 1020 Hello";
    QTest::newRow("at the top margin") << 1.5 << 1.0 << "Top" << "750 420 Top";
    QTest::newRow("above the top margin") << 1.5 << 0.9 << "High" << "";
    QTest::newRow("last line that fits") << 1.5 << 9.78 << "Low" << "750 5688 Low";
    QTest::newRow("line would reach below") << 1.5 << 9.8 << "Lower" << "";
    QTest::newRow("cut at the right margin") << 6.5 << 2.0 << "ABCDEFGHIJKLMNOPQRST" << "3750 1020 ABCDEFGHIJKL";
    QTest::newRow("cut at the left margin") << 0.75 << 2.0 << "ABCDEFGHIJ" << "450 1020 DEFGHIJ";
    QTest::newRow("wholly left of the margin") << 0.5 << 2.0 << "ABC" << "";
    QTest::newRow("starts right of the margin") << 7.6 << 2.0 << "ABC" << "";
}

void TestPrint::printTextClips()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, text);
    QFETCH(QString, printed);
    RecordingChooser chooser;
    cTPrint printer;
    FontSpec arial;
    startArial(printer, arial);
    printer.printText(arial, text, x, y);
    printer.endPage();
    printer.endDoc();
    QCOMPARE(pageLines(chooser), printed.isEmpty() ? QStringList() : QStringList(printed));
}

void TestPrint::fitText_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("wider than the text") << 10.0 << "ABCDEF";
    QTest::newRow("three characters") << 0.25 << "ABC";
    QTest::newRow("between characters") << 0.2 << "AB";
    QTest::newRow("end of three") << -0.25 << "DEF";
    QTest::newRow("end, wide") << -10.0 << "ABCDEF";
    QTest::newRow("less than one character") << 0.05 << "";
}

void TestPrint::fitText()
{
    QFETCH(double, width);
    QFETCH(QString, fitted);
    RecordingChooser chooser;
    cTPrint printer;
    printer.choosePrinter();
    const FontSpec arial = printer.font(QStringLiteral("Arial"), 12, QString());
    QCOMPARE(printer.textWidth(arial, QStringLiteral("ABCDEF")), 0.5);
    QCOMPARE(printer.fitText(arial, QStringLiteral("ABCDEF"), width), fitted);
}

void TestPrint::linesPerPage_data()
{
    // 14 points: 116 pixel em, 139 + 11 = 150 pixels, a quarter inch a line, on 11 inch paper.
    QTest::addColumn<int>("topStrip");
    QTest::addColumn<int>("bottomStrip");
    QTest::addColumn<double>("startY");
    QTest::addColumn<double>("marginTop");
    QTest::addColumn<double>("marginBottom");
    QTest::addColumn<int>("lines");
    QTest::newRow("top strip wider than the margin") << 180 << 120 << 0.0 << 0.25 << 0.5 << 40;
    QTest::newRow("top margin wider than the strip") << 60 << 120 << 0.0 << 0.25 << 0.5 << 41;
    QTest::newRow("start below both") << 180 << 120 << 1.0 << 0.25 << 0.5 << 38;
    QTest::newRow("bottom strip wider than the margin") << 180 << 120 << 0.0 << 0.25 << 0.1 << 42;
}

void TestPrint::linesPerPage()
{
    QFETCH(int, topStrip);
    QFETCH(int, bottomStrip);
    QFETCH(double, startY);
    QFETCH(double, marginTop);
    QFETCH(double, marginBottom);
    QFETCH(int, lines);
    RecordingChooser chooser;
    chooser.setUp = [&](RecordingDevice &device) {
        device.page.offset.setY(topStrip);
        device.page.printable.setHeight(6600 - topStrip - bottomStrip);
    };
    cTPrint printer;
    printer.choosePrinter();
    const FontSpec arial = printer.font(QStringLiteral("Arial"), 14, QStringLiteral("b"));
    QCOMPARE(printer.lineHeight(arial), 0.25);
    printer.setMargins(0, 0, marginTop, marginBottom);
    QCOMPARE(printer.linesPerPage(arial, startY), lines);
    double width = 0;
    double height = 0;
    printer.pageSize(width, height);
    QCOMPARE(width, 8.5);
    QCOMPARE(height, 11.0);
    printer.charSize(arial, width, height);
    QCOMPARE(width, 58.0 / 600);
    QCOMPARE(height, 0.25);
}

void TestPrint::documentNameCut()
{
    RecordingChooser chooser;
    cTPrint printer;
    printer.choosePrinter();
    const QString name = QString(70, u'n');
    printer.startDoc(name);
    printer.startPage();
    printer.endPage();
    printer.endDoc();
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().name, QString(63, u'n'));
}

void TestPrint::printerErrors()
{
    ScriptedMessages messages;
    {
        RecordingChooser chooser;
        chooser.setUp = [](RecordingDevice &device) { device.failBegin = true; };
        cTPrint printer;
        printer.choosePrinter();
        printer.startDoc(QStringLiteral("refused"));
        printer.printText(printer.defaultFont(), QStringLiteral("lost"), 1, 1);
        printer.endDoc();
        QVERIFY(chooser.printed.isEmpty());
    }
    {
        RecordingChooser chooser;
        chooser.setUp = [](RecordingDevice &device) { device.failPage = true; };
        cTPrint printer;
        printer.choosePrinter();
        printer.startDoc(QStringLiteral("second page refused"));
        printer.startPage();
        printer.endPage();
        printer.startPage();
        printer.endDoc();
    }
    {
        // No printer at all: the document cannot start.
        RecordingChooser chooser;
        chooser.noDefault = true;
        cTPrint printer;
        printer.startDoc(QStringLiteral("no printer"));
        printer.endDoc();
    }
    QCOMPARE(messages.asked.size(), 3);
    QCOMPARE(messages.asked.at(0).text, QStringLiteral("Document printing error"));
    QCOMPARE(messages.asked.at(0).caption, QStringLiteral("Printer Error"));
    QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
    QCOMPARE(messages.asked.at(1).text, QStringLiteral("Page printing error"));
    QCOMPARE(messages.asked.at(2).text, QStringLiteral("Document printing error"));
    QCOMPARE(messages.asked.at(2).caption, QStringLiteral("Printer Error"));
}

void TestPrint::cancelledDialogLeavesNameEmpty()
{
    RecordingChooser chooser;
    chooser.cancel = true;
    cTPrint printer;
    QCOMPARE(printer.choosePrinter(nullptr, QStringLiteral("Help topic")), QString());
    QCOMPARE(chooser.dialogs, QStringList(QStringLiteral("Help topic")));
    QCOMPARE(chooser.defaultRequests, 0);
}

void TestPrint::defaultPrinterWhenNoneChosen()
{
    RecordingChooser chooser;
    {
        cTPrint printer;
        printer.startDoc(QStringLiteral("default"));
        printer.printText(printer.defaultFont(), QStringLiteral("on the default printer"), 1, 1);
        printer.endDoc();
    }
    QCOMPARE(chooser.defaultRequests, 1);
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().printerName, QStringLiteral("Recorder"));

    chooser.noDefault = true;
    cTPrint none;
    const FontSpec arial = none.font(QStringLiteral("Arial"), 12, QStringLiteral("b"));
    QCOMPARE(none.textWidth(arial, QStringLiteral("abc")), 0.0);
    QCOMPARE(none.linesPerPage(arial, 0), 0);
    none.printText(arial, QStringLiteral("nowhere"), 1, 1);
    QCOMPARE(chooser.printed.size(), 1);
}

void TestPrint::duplex()
{
    RecordingChooser chooser;
    RecordingDevice *device = nullptr;
    chooser.make = [&] {
        auto made = std::make_unique<RecordingDevice>();
        device = made.get();
        return made;
    };
    cTPrint simplex;
    simplex.choosePrinter();
    QCOMPARE(simplex.canDuplex(), 0);
    simplex.setDuplex(2);
    QCOMPARE(device->duplexMode, 1);

    cTPrint twoSided;
    twoSided.choosePrinter();
    device->duplexCapable = true;
    QCOMPARE(twoSided.canDuplex(), 1);
    twoSided.setDuplex(0);
    QCOMPARE(device->duplexMode, 1);
    twoSided.setDuplex(3);
    QCOMPARE(device->duplexMode, 3);
}

void TestPrint::reportJob()
{
    RecordingChooser chooser;
    cTPrint job;
    QCOMPARE(job.openDocument(nullptr, QStringLiteral("Report")), QStringLiteral("Recorder"));
    job.printInBox(job.defaultFont(), QStringLiteral("Title"), 0, 4800, 0);
    const FontSpec heading =
        job.font(QStringLiteral("Times New Roman"), 10, QStringLiteral("bu"), PointRounding::Nearest);
    const FontSpec body = job.font(QStringLiteral("Courier New"), 9, QString(), PointRounding::Nearest);
    QCOMPARE(job.pixelsPerInch(), QSize(600, 600));
    QCOMPARE(job.characterSize(heading), QSize(41, 99)); // 83 pixel em
    job.printInBox(heading, QStringLiteral("Heading"), 600.4f, 4800, 371.5f);
    job.printInBox(body, QStringLiteral("Body"), 600, 4800, 600);
    job.endPage();
    QVERIFY(job.startPage());
    job.printInBox(body, QStringLiteral("Next page"), 0, 4800, 0);
    job.endPage();
    job.endDoc();
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().toText(), QStringLiteral("page 1\n"
                                                              "0 0 [Times New Roman 10] Title\n"
                                                              "600 372 [Times New Roman 10 bu] Heading\n"
                                                              "600 600 [Courier New 9] Body\n"
                                                              "page 2\n"
                                                              "0 0 [Courier New 9] Next page\n"));
}

void TestPrint::reportJobCancelledOrRefused()
{
    ScriptedMessages messages;
    RecordingChooser chooser;
    chooser.cancel = true;
    cTPrint job;
    QCOMPARE(job.openDocument(nullptr, QStringLiteral("Report")), QString());
    job.printInBox(job.defaultFont(), QStringLiteral("lost"), 0, 4800, 0);
    job.endPage();
    job.endDoc();
    QVERIFY(messages.asked.isEmpty());

    chooser.cancel = false;
    chooser.setUp = [](RecordingDevice &device) { device.failBegin = true; };
    QCOMPARE(job.openDocument(nullptr, QStringLiteral("Report")), QString());
    job.endPage();
    job.endDoc();
    QVERIFY(chooser.printed.isEmpty());
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.first().text, QStringLiteral("Document printing error"));
}

void TestPrint::pdfPrinter()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Report.pdf"));
    QtPrintDevice device(::pdfPrinter(file));
    const PageGeometry g = device.geometry();
    QCOMPARE(g.dpiX, 1200);
    QCOMPARE(g.physical, QSize(10200, 13200));
    // The layout keeps its margins in points: within half a millimetre (24 pixels).
    QVERIFY(qAbs(g.offset.x() - 472) < 24);
    QVERIFY(qAbs(g.offset.y() - 567) < 24);
    QVERIFY(qAbs(13200 - g.offset.y() - g.printable.height() - 709) < 24);
    QCOMPARE(device.printerName(), QDir::toNativeSeparators(file));
    QCOMPARE(device.canDuplex(), false);

    FontSpec font = device.defaultFont();
    QCOMPARE(font.pixelHeight, 167);
    const FontMetrics m = device.metrics(font);
    QVERIFY(m.height >= font.pixelHeight);
    QVERIFY(device.textWidth(font, QStringLiteral("WW")) > device.textWidth(font, QStringLiteral("W")));

    // A text measured again, in the same font or another, has the width of that font.
    FontSpec larger = font;
    larger.points *= 2;
    larger.pixelHeight *= 2;
    const QString text = QStringLiteral("Sold Ads");
    const int width = device.textWidth(font, text);
    QCOMPARE(width, QFontMetrics(QtPrintDevice::font(font), &device.printer()).horizontalAdvance(text));
    QVERIFY(device.textWidth(larger, text) > width * 3 / 2);
    QCOMPARE(device.textWidth(font, text), width);
}

void TestPrint::fixedPitchFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("fixedPitch");
    QTest::newRow("printed help") << "Courier New" << true;
    QTest::newRow("reports") << "Times New Roman" << false;
}

// Whichever face the platform puts in place of one that is not installed,
// Courier New stays fixed pitch, so that tab columns line up on paper.
void TestPrint::fixedPitchFaces()
{
    QFETCH(QString, face);
    QFETCH(bool, fixedPitch);
    QTemporaryDir dir;
    QtPrintDevice device(::pdfPrinter(dir.filePath(QStringLiteral("fonts.pdf"))));
    FontSpec font = device.defaultFont();
    font.face = face;
    const QFontInfo used(QtPrintDevice::font(font));
    QCOMPARE(used.fixedPitch(), fixedPitch);
    const QString narrow(10, u'i'), wide(10, u'M');
    QCOMPARE(device.textWidth(font, narrow) == device.textWidth(font, wide), fixedPitch);
}

void TestPrint::textPrinterPage()
{
    // A real PDF printer behind the chooser: the file is written and the user
    // is told where it is.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Help.pdf"));
    ScriptedMessages messages;
    RecordingChooser chooser;
    int offsetX = 0;
    chooser.make = [&] {
        auto made = std::make_unique<QtPrintDevice>(::pdfPrinter(file));
        offsetX = made->geometry().offset.x();
        return made;
    };
    cTPrint printer;
    QCOMPARE(printer.choosePrinter(), QDir::toNativeSeparators(file));
    const FontSpec times = printer.font(QStringLiteral("Times New Roman"), 12, QStringLiteral("b"));
    const double lineHeight = printer.lineHeight(times);
    printer.setMargins(0.5, 0.5, 0.75, 0.75);
    printer.startDoc(QStringLiteral("Help"));
    printer.startPage();
    printer.printText(times, QStringLiteral("First line"), 1, 1);
    printer.printText(times, QStringLiteral("Second line"));
    printer.endPage();
    printer.startPage();
    printer.printText(times, QStringLiteral("Page two"), 1, 1);
    printer.endPage();
    printer.endDoc();

    QCOMPARE(chooser.printed.size(), 1);
    const PrintedDocument &doc = chooser.printed.first();
    QCOMPARE(doc.pages.size(), 2);
    QCOMPARE(doc.pages.at(0).lines.size(), 2);
    const PrintedLine &first = doc.pages.at(0).lines.at(0);
    const PrintedLine &second = doc.pages.at(0).lines.at(1);
    QCOMPARE(first.x, 1200 - offsetX);
    QCOMPARE(second.x, first.x);
    QVERIFY(qAbs(second.y - first.y - lineHeight * 1200) <= 1);
    QCOMPARE(first.font, QStringLiteral("Times New Roman 12 b"));

    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5).startsWith("%PDF"));
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked.first().text.contains(QDir::toNativeSeparators(file)));
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
