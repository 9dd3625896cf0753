#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>

#include <optional>

class QIODevice;

namespace qm {

// Writes all bytes to a device; false with a readable reason when it cannot.
bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error);
// Reads a whole file; false with a readable reason when it cannot.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error);

// Replaces the file at `path` only once the new content is completely on disk;
// on any failure the old file stays as it was and `error` says why. A new file
// gets the folder's default permissions, a replaced one keeps its own, unless
// `permissions` are given: then the file has those before it takes its name.
bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                        std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Writes `bytes`, read from `source`, as a copy at `copy` that no one can read
// who cannot read the source: the copy gets the source's permissions.
bool saveCopyAtomically(const QString &source, const QString &copy, const QByteArray &bytes, QString *error);

// New contents for several files that must change together.
struct PendingFile
{
    QString path;
    QByteArray bytes;
};

// What saveTogether did.
struct TogetherResult
{
    bool ok = true;
    int failed = -1;         // the file whose write or replacement failed
    QString error;           // why
    QList<bool> holdsNew;    // per file: whether it now holds the new bytes
    QString restoreError;    // a file replaced before the failure could not be put back
};

// Writes every file or none: each new file is written completely beside its
// old one before any old file is replaced; when a replacement fails, the files
// replaced before it get their previous bytes back (or are removed again when
// there was none).
TogetherResult saveTogether(const QList<PendingFile> &files);

// Test seam for a disk that fails: a save meets the fault once (or until it is
// cleared, when persistent) and fails as a real one would, leaving what a real
// failure leaves.
struct SaveFault
{
    qint64 failAfter = -1;   // the disk takes this many bytes of a file, then fills; < 0: no limit
    bool persistent = false; // fails until cleared; otherwise the first failure clears it
    QString path = {};       // only saves of this file meet the fault; empty: every file
    bool failCommit = false; // replacing the old file by the new one fails (QSaveFile::commit)
    int passCommits = 0;     // replacements that still succeed before that
};
void setSaveFault(const SaveFault &fault);

} // namespace qm
