// The outputs: the year-to-date report's tables, the run sheet on paper (PDF),
// the CSV export and the file check, each against a floor measured in the
// same run.
#include "OutputRows.h"

#include "LedgerGenerator.h"
#include "Measure.h"

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/csv/CsvExport.h"
#include "core/files/NumberFormat.h"
#include "core/rules/RunSheet.h"
#include "core/rules/YearToDate.h"
#include "core/year/FileCheck.h"
#include "core/year/LedgerExport.h"
#include "print/PrinterChooser.h"
#include "print/QtPrintDevice.h"
#include "reports/ReportPrinting.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <optional>

namespace qm::bench {

namespace {

// Every printout goes to the same PDF file, as the print dialog would send it.
class PdfChooser : public PrinterChooser
{
public:
    explicit PdfChooser(QString file) : m_file(std::move(file)) {}
    std::unique_ptr<PrintDevice> choosePrinter(QWidget *, const QString &) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_file);
        return std::make_unique<QtPrintDevice>(std::move(printer));
    }
    std::unique_ptr<PrintDevice> defaultPrinter(const QString &name) override { return choosePrinter(nullptr, name); }

private:
    QString m_file;
};

// The run sheet's lines drawn straight onto a PDF of the same page and
// resolution, in the same font, a page at a time under the same headings.
void drawRunSheetFloor(const RunSheet &sheet, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    QPdfWriter writer(file);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    QPainter painter(&writer);
    QFont body(QStringLiteral("Times New Roman"));
    body.setPixelSize(qRound(10.0 * writer.resolution() / 72));
    QFont heading = body;
    heading.setBold(true);
    heading.setUnderline(true);
    const QFontMetrics metrics(body, &writer);
    const double ppi = writer.resolution();
    const double lineHeight = metrics.height() * 1.5;
    const int pageHeight = writer.height();
    auto headings = [&] {
        painter.setFont(heading);
        painter.drawText(QPointF(ppi, lineHeight * 2.5), QStringLiteral("Sold Ads"));
        painter.drawText(QPointF(ppi * 3, lineHeight * 2.5), QStringLiteral("Status"));
        painter.setFont(body);
    };
    painter.setFont(body);
    painter.drawText(QPointF(0, metrics.ascent()), sheet.title);
    headings();
    int printed = 0;
    for (const RunSheetLine &line : sheet.lines) {
        if (printed > 0 && (printed + 4) * lineHeight + metrics.height() > pageHeight) {
            writer.newPage();
            headings();
            printed = 0;
        }
        ++printed;
        const double y = (printed + 3) * lineHeight + metrics.ascent();
        painter.drawText(QPointF(ppi, y), line.adName);
        painter.drawText(QPointF(ppi * 3, y), line.status);
    }
}

} // namespace

OutputTimes measureOutputs(const QString &folder, int ads, int runs)
{
    OutputTimes t;
    t.ads = ads;
    const GeneratedFiles files = writeGeneratedFiles(folder, ads);
    const LedgerModel model = generateLedger(ads);

    double sum = 0;
    std::tie(t.reportMs, t.reportFloorMs) = medianPairMs(runs, [&] {
        ReportTable sales, commissions;
        fillSalesView(model, sales);
        fillCommissionView(model, commissions);
        sum += sales.cell(kTotalsRow, 2).size();
    }, [&] {
        for (int issue = 1; issue <= kIssueCount; ++issue) {
            for (int ad = 1; ad <= ads; ++ad) {
                for (int column : {ColSale, ColPaid, ColComm, ColCommPaid})
                    sum += leadingNumber(model.cell(issue, column, ad));
            }
        }
    });

    const QString pdf = folder + QStringLiteral("/runsheet.pdf");
    const QString floorPdf = folder + QStringLiteral("/floor.pdf");
    PdfChooser chooser(pdf);
    PrinterChooser *previous = setPrinterChooser(&chooser);
    const MessageHandler messages = setMessageHandler([](const MessageRequest &) { return MessageAnswer::Ok; });
    std::tie(t.runSheetMs, t.runSheetFloorMs) = medianPairMs(
        runs, [&] { printRunSheet(model, 1, 1); },
        [&] { drawRunSheetFloor(runSheetFor(model, 1, 1, Clock::today()), floorPdf); });
    setMessageHandler(messages);
    setPrinterChooser(previous);
    if (QFile(pdf).size() < QFile(floorPdf).size() / 2)
        qFatal("the run sheet printed less than its floor");

    const QString csv = folder + QStringLiteral("/ledger.csv");
    if (!exportLedgerCsv(files.settingsFile, files.ledgerFile, csv).ok)
        qFatal("the export failed");
    // The floor writes every file the export writes, the same bytes.
    const std::pair<QString, QByteArray> written[] = {{csv, fileBytes(csv)},
                                                      {advancesCsvPath(csv), fileBytes(advancesCsvPath(csv))},
                                                      {owedCsvPath(csv), fileBytes(owedCsvPath(csv))}};
    // Both write through a synced save; each starts from a quiet disk.
    auto settle = [&] {
        QStringList paths;
        for (const auto &file : written)
            paths << file.first;
        settleFiles(paths);
    };
    const QList<double> exported = medianInTurnsMs(runs, {
        {[&] {
             if (!exportLedgerCsv(files.settingsFile, files.ledgerFile, csv).ok)
                 qFatal("the export failed");
         },
         settle},
        {[&] {
             // The export reads the pair before it writes: the floor reads its bytes too.
             sum += double(readAndCountLines({files.settingsFile, files.ledgerFile}));
             for (const auto &[path, bytes] : written)
                 saveThroughQSaveFile(path, bytes);
         },
         settle},
    });
    t.exportMs = exported.at(0);
    t.exportFloorMs = exported.at(1);
    settle();

    // As the read row: a fresh model for each run, and the floor reads the
    // bytes and counts their lines.
    std::optional<LedgerModel> checked;
    const QList<double> check = medianInTurnsMs(runs, {
        {[&] {
             if (!checkFiles(*checked, files.settingsFile, files.ledgerFile).clean())
                 qFatal("the generated files did not check clean");
         },
         [&] { checked.emplace(); }},
        {[&] { sum += double(readAndCountLines({files.settingsFile, files.ledgerFile})); }},
    });
    t.checkMs = check.at(0);
    t.checkFloorMs = check.at(1);
    if (sum < 0)
        qFatal("impossible");
    return t;
}

} // namespace qm::bench
