#include "core/files/CsvExport.h"

#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"
#include "core/files/SafeSave.h"
#include "core/rules/TextRules.h"
#include "core/rules/YearToDate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CsvExport)
};

// A text that a spreadsheet would run as a formula (one that starts with =, +,
// -, @, a tab or a carriage return) gets an apostrophe in front, so that it
// shows as typed.
QString textField(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

// Plain numbers a spreadsheet sums: an empty cell stays empty.
QString amountField(const QString &cell)
{
    return cell.trimmed().isEmpty() ? QString() : QString::number(leadingNumber(cell), 'f', 2);
}

QString countField(const QString &cell)
{
    return cell.trimmed().isEmpty() ? QString() : QString::number(leadingNumber(cell), 'g', 15);
}

bool rowHoldsAnything(const LedgerModel &model, int issue, int ad)
{
    for (int column = ColSalesPerson; column <= kColumnCount; ++column) {
        if (!model.cell(issue, column, ad).isEmpty())
            return true;
    }
    return false;
}

bool samePath(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    const Qt::CaseSensitivity cs =
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        Qt::CaseInsensitive;
#else
        Qt::CaseSensitive;
#endif
    return QDir::cleanPath(fa.absoluteFilePath()).compare(QDir::cleanPath(fb.absoluteFilePath()), cs) == 0;
}

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QByteArray csvBytes(const CsvTable &table)
{
    QString text;
    for (const QStringList &row : table) {
        QStringList fields;
        for (const QString &field : row)
            fields << csvField(field);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

CsvTable ledgerTable(const LedgerModel &model)
{
    CsvTable table;
    table << QStringList{QStringLiteral("Publication"), QStringLiteral("Month"),  QStringLiteral("Ad"),
                         QStringLiteral("Sales person"), QStringLiteral("Number"), QStringLiteral("Size"),
                         QStringLiteral("Colour"),       QStringLiteral("Sale"),   QStringLiteral("Paid"),
                         QStringLiteral("Status"),       QStringLiteral("Commission"),
                         QStringLiteral("Commission paid")};
    const int ads = std::min(model.adCount(), model.cells.adCount());
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const int publication = issue <= kMonthCount ? 1 : issue - kMonthCount + 1;
        const QString month = publication == 1 ? monthName(issue) : QString();
        for (int ad = 1; ad <= ads; ++ad) {
            if (!rowHoldsAnything(model, issue, ad))
                continue;
            auto cell = [&](int column) { return model.cell(issue, column, ad); };
            table << QStringList{publicationName(publication),
                                 month,
                                 textField(model.ads.at(ad - 1).name),
                                 textField(cell(ColSalesPerson)),
                                 countField(cell(ColNumber)),
                                 textField(cell(ColSize)),
                                 cell(ColColor).isEmpty() ? QStringLiteral("no") : QStringLiteral("yes"),
                                 amountField(cell(ColSale)),
                                 amountField(cell(ColPaid)),
                                 textField(cell(ColStatus)),
                                 amountField(cell(ColComm)),
                                 amountField(cell(ColCommPaid))};
        }
    }
    return table;
}

CsvTable advancesTable(const LedgerModel &model)
{
    CsvTable table;
    table << QStringList{QStringLiteral("Person"), QStringLiteral("Date"), QStringLiteral("Advanced"),
                         QStringLiteral("Paid"), QStringLiteral("Balance")};
    for (int slot = 1; slot <= kMaxSalesPeople; ++slot) {
        const QString person = textField(slot <= model.salesPeople.size() ? model.salesPeople.at(slot - 1).name
                                                                          : QStringLiteral("salesPerson%1").arg(slot));
        double balance = 0;
        for (const AdvanceEntry &entry : model.advances.at(slot - 1)) {
            balance += entry.advanced - entry.paid;
            table << QStringList{person, textField(entry.date), QString::number(entry.advanced, 'f', 2),
                                 QString::number(entry.paid, 'f', 2), QString::number(balance, 'f', 2)};
        }
    }
    return table;
}

CsvTable yearToDateTable(const LedgerModel &model)
{
    ReportTable sales(ReportTexts::Exported), commissions(ReportTexts::Exported);
    fillSalesView(model, sales);
    fillCommissionView(model, commissions);
    const int commissionColumns = kReportColumns - 1; // its sixth column is hidden
    CsvTable table;
    // The titles name the sales people.
    QStringList header{textField(sales.title(1).trimmed())};
    for (int column = 2; column <= kReportColumns; ++column)
        header << textField(sales.title(column).trimmed());
    for (int column = 2; column <= commissionColumns; ++column)
        header << textField(commissions.title(column).trimmed());
    table << header;
    for (int row = 1; row <= kReportRows; ++row) {
        QStringList line{sales.cell(row, 1).trimmed()};
        for (int column = 2; column <= kReportColumns; ++column)
            line << amountField(sales.cell(row, column));
        for (int column = 2; column <= commissionColumns; ++column)
            line << amountField(commissions.cell(row, column));
        table << line;
    }
    return table;
}

QString advancesCsvPath(const QString &csvFile)
{
    const QFileInfo info(csvFile);
    const QString suffix = info.suffix();
    const QString name = info.completeBaseName() + QStringLiteral("_advances") +
                         (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return info.dir().filePath(name);
}

FileResult saveCsvFile(const QString &path, const QByteArray &bytes, const QStringList &protectedFiles)
{
    FileResult result;
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool refused = suffix == QStringLiteral("qmr") || suffix == QStringLiteral("ini");
    for (const QString &file : protectedFiles)
        refused = refused || samePath(path, file);
    if (refused) {
        result.ok = false;
        result.message = Text::tr("%1 is a data file of the program; the export never writes over it. "
                                  "Choose another name ending in .csv.")
                           .arg(QDir::toNativeSeparators(path));
        return result;
    }
    QString error;
    if (!saveFileAtomically(path, bytes, &error)) {
        result.ok = false;
        result.message =
            Text::tr("The file %1 could not be written: %2").arg(QDir::toNativeSeparators(path), error);
    }
    return result;
}

} // namespace qm
