#pragma once

// What the data file readers and the help file reader promise for any bytes at all, damaged or hostile:
// they return, within bounds, and whatever they loaded saves to a file that
// reads back to the same model, so a second save is byte for byte the first.
// The fuzz targets run these checks on every input they make up; the corpus
// replay test runs them on every input kept in fuzz/corpus.

#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/LedgerModel.h"
#include "core/help/HelpFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>

namespace qm::fuzz {

// The ad counts a ledger input is read with: the ledger file does not say how
// many ads it was written for.
inline constexpr std::array<int, 3> kLedgerAdCounts = {1, 2, 3};

// Empty when the bytes read as a settings file keep every promise, otherwise what broke.
inline QString checkSettings(const QByteArray &bytes)
{
    LedgerModel first;
    const FileResult read = readSettings(bytes, first);
    if (!read.ok)
        return QStringLiteral("a settings file in memory could not be read: ") + read.message;
    if (read.damaged == read.message.isEmpty())
        return QStringLiteral("a damaged settings file must come with a message, and only then");
    if (first.cells.adCount() != first.adCount())
        return QStringLiteral("the ledger does not have the ad count of the settings");
    if (first.salesPeople.size() > kMaxSalesPeople)
        return QStringLiteral("more sales people than the program keeps");

    const QByteArray saved = settingsBytes(first);
    LedgerModel second;
    const FileResult reread = readSettings(saved, second);
    if (!reread.ok || reread.damaged)
        return QStringLiteral("the settings as saved read back as damaged");
    if (settingsBytes(second) != saved)
        return QStringLiteral("saving the settings again changed the file");
    return QString();
}

// Empty when the bytes read as a ledger file for `adCount` ads keep every
// promise, otherwise what broke.
inline QString checkLedger(const QByteArray &bytes, int adCount)
{
    LedgerModel first;
    first.ads = QList<AdRecord>(adCount);
    const FileResult read = readLedger(bytes, first);
    if (!read.ok)
        return QStringLiteral("a ledger file in memory could not be read: ") + read.message;
    if (first.adCount() != adCount || first.cells.adCount() != adCount)
        return QStringLiteral("reading the ledger changed the ad count");
    if (read.damaged == read.message.isEmpty())
        return QStringLiteral("a damaged ledger file must come with a message, and only then");

    const QByteArray saved = ledgerBytes(first);
    LedgerModel second;
    second.ads = first.ads;
    const FileResult reread = readLedger(saved, second);
    if (!reread.ok || reread.damaged)
        return QStringLiteral("the ledger as saved reads back as damaged");
    if (second.cells != first.cells || second.ledgerYear != first.ledgerYear)
        return QStringLiteral("the ledger as saved reads back with other cells or another year");
    if (ledgerBytes(second) != saved)
        return QStringLiteral("saving the ledger again changed the file");
    return QString();
}

inline HelpFileContents readHelpBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readHelpFile(buffer);
}

// Empty when the bytes read as a help file keep every promise, otherwise what
// broke: no more topics than the file announces or its bytes can hold, a
// complete file reads as exactly its own beginning, and what was read of a
// damaged one writes a complete file that reads back the same.
inline QString checkHelp(const QByteArray &bytes)
{
    const HelpFileContents read = readHelpBytes(bytes);
    const qsizetype topics = read.topics.size();
    if (topics > std::max<qint32>(read.topicCount, 0))
        return QStringLiteral("more topics than the file announces");
    // Each topic takes at least two text lengths, a level and a layout.
    if (topics > std::max<qsizetype>(bytes.size() - 4, 0) / 16)
        return QStringLiteral("more topics than the file's bytes can hold");
    if (read.damaged != (bytes.size() < 4 || (read.topicCount > 0 && topics < read.topicCount) ||
                         (read.topicCount > 0 && helpFileBytes(read.topics).size() > bytes.size())))
        return QStringLiteral("the file is called damaged when it is not, or the other way round");
    const QByteArray written = helpFileBytes(read.topics);
    if (!read.damaged && read.topicCount > 0 && !bytes.startsWith(written))
        return QStringLiteral("a complete help file does not read as its own bytes");
    const HelpFileContents reread = readHelpBytes(written);
    if (reread.damaged || reread.topics != read.topics)
        return QStringLiteral("the topics as written read back damaged or different");
    return QString();
}

} // namespace qm::fuzz
