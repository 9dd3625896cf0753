#include "core/csv/CsvExport.h"

#include "core/csv/FormedFields.h"

#include "core/LedgerColumns.h"
#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"
#include "core/files/SafeSave.h"
#include "core/rules/OwedReport.h"
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

bool rowHoldsAnything(const LedgerCells &cells, int issue, int ad)
{
    for (int column = ColSalesPerson; column <= kColumnCount; ++column) {
        if (cells.textNumber(issue, column, ad) != 0)
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

// "name.csv" with `tag` before the extension: "name_tag.csv".
QString besideCsv(const QString &csvFile, const QString &tag)
{
    const QFileInfo info(csvFile);
    const QString suffix = info.suffix();
    const QString name = info.completeBaseName() + tag + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return info.dir().filePath(name);
}

} // namespace

QByteArray ledgerCsv(const LedgerModel &model, qsizetype *records)
{
    const LedgerCells &cells = model.cells;
    const int ads = std::min(model.adCount(), cells.adCount());
    // About what the ledger file takes: a few more bytes per line than its cells.
    CsvWriter csv(qsizetype(cells.fileTextBytes()) + qsizetype(ads) * kIssueCount * 40);
    for (const char *title : {"Publication", "Month"})
        csv.field(QString::fromLatin1(title));
    for (int column = 1; column <= kColumnCount; ++column)
        csv.field(QString::fromLatin1(ledgerColumn(column).csvTitle));
    csv.endRecord();
    // A ledger holds few different texts in many cells: each text's field is
    // formed once per column, when a cell first needs it.
    const auto form = [](CsvForm kind, const QString &text) {
        return fieldBytes([&](CsvWriter &one) {
            switch (kind) {
            case CsvForm::Text:
                one.text(text);
                break;
            case CsvForm::Count:
                one.count(text);
                break;
            case CsvForm::YesNo:
                one.field(text.isEmpty() ? u"no" : u"yes");
                break;
            case CsvForm::Amount:
                one.amount(text);
                break;
            }
        });
    };
    FormedFields fields;
    std::vector<int> formed(std::size_t(cells.textNumberLimit()) * kColumnCount, -1); // by text and column
    std::vector<int> adFields;
    adFields.reserve(std::size_t(ads));
    for (int ad = 1; ad <= ads; ++ad)
        adFields.push_back(fields.add(form(ledgerColumn(ColAds).csv, model.ads.at(ad - 1).name)));
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const int publication = issuePublication(issue);
        const int name = fields.add(form(CsvForm::Text, publicationName(publication)));
        const int month = fields.add(form(CsvForm::Text, publication == 1 ? monthName(issue) : QString()));
        for (int ad = 1; ad <= ads; ++ad) {
            if (!rowHoldsAnything(cells, issue, ad))
                continue;
            std::array<int, 2 + kColumnCount> record;
            record[0] = name;
            record[1] = month;
            record[2] = adFields[std::size_t(ad - 1)];
            qsizetype room = 2;
            for (int column = ColSalesPerson; column <= kColumnCount; ++column) {
                const quint32 number = cells.textNumber(issue, column, ad);
                int &field = formed[std::size_t(number) * kColumnCount + std::size_t(column - 1)];
                if (field < 0)
                    field = fields.add(form(ledgerColumn(column).csv, cells.textOfNumber(number)));
                record[std::size_t(column + 1)] = field;
            }
            for (int field : record)
                room += fields.room(field) + 1;
            char *out = csv.recordRoom(room);
            for (std::size_t k = 0; k < record.size(); ++k) {
                if (k > 0)
                    *out++ = ',';
                out = fields.write(record[k], out);
            }
            *out++ = '\r';
            *out++ = '\n';
            csv.recordWritten(out);
        }
    }
    if (records)
        *records = csv.records() - 1;
    return csv.bytes();
}

QByteArray advancesCsv(const LedgerModel &model, qsizetype *records)
{
    CsvWriter csv;
    for (const char *title : {"Person", "Date", "Advanced", "Paid", "Balance"})
        csv.field(QString::fromLatin1(title));
    csv.endRecord();
    for (int slot = 1; slot <= kMaxSalesPeople; ++slot) {
        const QString person = slot <= model.salesPeople.size() ? model.salesPeople.at(slot - 1).name
                                                                : QStringLiteral("salesPerson%1").arg(slot);
        double balance = 0;
        for (const AdvanceEntry &entry : model.advances.at(slot - 1)) {
            balance += entry.advanced - entry.paid;
            csv.text(person);
            csv.date(entry.date);
            for (double amount : {entry.advanced, entry.paid, balance})
                csv.field(QString::number(amount, 'f', 2));
            csv.endRecord();
        }
    }
    if (records)
        *records = csv.records() - 1;
    return csv.bytes();
}

QByteArray yearToDateCsv(const LedgerModel &model, const std::array<QString, kReportRows> *lastYear)
{
    ReportTable sales(ReportTexts::Exported), commissions(ReportTexts::Exported);
    fillSalesView(model, sales);
    fillCommissionView(model, commissions);
    const int commissionColumns = kReportColumns - 1; // its sixth column is hidden
    CsvWriter csv;
    // The titles name the sales people.
    for (int column = 1; column <= kReportColumns; ++column)
        csv.text(sales.title(column).trimmed());
    for (int column = 2; column <= commissionColumns; ++column)
        csv.text(commissions.title(column).trimmed());
    if (lastYear)
        csv.text(QStringLiteral("Last year"));
    csv.endRecord();
    for (int row = 1; row <= kReportRows; ++row) {
        csv.field(sales.cell(row, 1).trimmed());
        for (int column = 2; column <= kReportColumns; ++column)
            csv.amount(sales.cell(row, column).trimmed());
        for (int column = 2; column <= commissionColumns; ++column)
            csv.amount(commissions.cell(row, column).trimmed());
        if (lastYear)
            csv.amount(lastYear->at(std::size_t(row - 1)).trimmed());
        csv.endRecord();
    }
    return csv.bytes();
}

QByteArray owedCsv(const LedgerModel &model, qsizetype *records)
{
    CsvWriter csv(qsizetype(model.adCount()) * 256);
    const auto writeRecord = [&csv](const QStringList &fields, qsizetype firstAmount) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i >= firstAmount)
                csv.amount(fields.at(i));
            else
                csv.text(fields.at(i));
        }
        csv.endRecord();
    };
    const QStringList titles = owedTitles(ReportTexts::Exported);
    writeRecord(titles, titles.size());
    // As owedRowTexts() gives them, without making the texts of the amounts.
    forEachOwedRow(model, ReportTexts::Exported, [&csv](const OwedRow &row) {
        const bool line = row.kind == OwedRow::Kind::Line;
        const QString total = line ? QString() : owedRowTitle(row, ReportTexts::Exported);
        for (const QString *text : {line ? &row.publication : &total, &row.month, &row.adName, &row.salesPerson,
                                    &row.status})
            csv.text(*text);
        for (double amount : {row.sale, row.paid, row.owed})
            csv.money(amount);
        csv.endRecord();
    });
    const qsizetype rows = csv.records() - 1;
    const QList<PersonOwed> people = owedPeople(model);
    if (!people.isEmpty()) {
        csv.endRecord();
        const QStringList personTitles = personOwedTitles(ReportTexts::Exported);
        writeRecord(personTitles, personTitles.size());
        for (const PersonOwed &person : people)
            writeRecord(personOwedTexts(person), 1);
    }
    if (records)
        *records = rows;
    return csv.bytes();
}

QString advancesCsvPath(const QString &csvFile) { return besideCsv(csvFile, QStringLiteral("_advances")); }

QString owedCsvPath(const QString &csvFile) { return besideCsv(csvFile, QStringLiteral("_owed")); }

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
