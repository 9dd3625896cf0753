#include "core/files/SafeSave.h"

#include "core/LargePages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SafeSave)
};

} // namespace

bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            *error = device.errorString().isEmpty() ? Text::tr("the device accepted no more data")
                                                    : device.errorString();
            return false;
        }
        written += n;
    }
    return true;
}

bool readWholeFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // Read into a buffer of the file's size, so that a large file is copied
    // once into memory that has never been touched.
    const qint64 size = file.size();
    QByteArray buffer(qsizetype(std::max<qint64>(size, 0)), Qt::Uninitialized);
    preferLargePages(buffer.data(), buffer.size());
    qsizetype got = 0;
    while (got < buffer.size()) {
        const qint64 n = file.read(buffer.data() + got, buffer.size() - got);
        if (n <= 0)
            break;
        got += qsizetype(n);
    }
    buffer.truncate(got);
    buffer += file.readAll(); // a file that grew while it was read, or one that tells no size
    *bytes = std::move(buffer);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

SaveFault &activeFault()
{
    static SaveFault fault;
    return fault;
}

bool faultApplies(const QString &path)
{
    const SaveFault &fault = activeFault();
    return fault.path.isEmpty() || fault.path == path;
}

void faultStruck()
{
    if (!activeFault().persistent)
        activeFault() = SaveFault();
}

// Writes the new content; under an injected fault, what the "disk" still takes.
bool writeContent(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    const SaveFault &fault = activeFault();
    if (fault.failAfter < 0 || fault.failAfter >= bytes.size() || !faultApplies(file.fileName())) {
        if (!writeAllTo(file, bytes, error))
            return false;
    } else {
        if (!writeAllTo(file, bytes.left(fault.failAfter), error))
            return false;
        faultStruck();
        *error = QStringLiteral("No space left on device");
        return false;
    }
    if (!file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// Puts the new file in place of the old one; an injected fault makes the
// commit itself fail, as a refused rename does.
bool commitContent(QSaveFile &file, QString *error)
{
    SaveFault &fault = activeFault();
    bool injected = false;
    if (fault.failCommit && faultApplies(file.fileName())) {
        if (fault.passCommits > 0) {
            --fault.passCommits;
        } else {
            injected = true;
            faultStruck();
            file.cancelWriting();
        }
    }
    if (!file.commit()) {
        *error = injected ? QStringLiteral("the new file could not replace the old one")
                          : file.errorString();
        return false;
    }
    return true;
}

std::unique_ptr<QSaveFile> prepare(const QString &path, const QByteArray &bytes, QString *error,
                                   std::optional<QFileDevice::Permissions> permissions = std::nullopt)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        *error = file->errorString();
        return nullptr;
    }
    // Set on the new file before any byte is in it, so that no one else ever sees those bytes.
    if (permissions && !file->setPermissions(*permissions)) {
        *error = file->errorString();
        file->cancelWriting();
        return nullptr;
    }
    if (!writeContent(*file, bytes, error)) {
        file->cancelWriting();
        return nullptr;
    }
    return file;
}

} // namespace

void setSaveFault(const SaveFault &fault) { activeFault() = fault; }

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                        std::optional<QFileDevice::Permissions> permissions)
{
    const std::unique_ptr<QSaveFile> file = prepare(path, bytes, error, permissions);
    return file && commitContent(*file, error);
}

bool saveCopyAtomically(const QString &source, const QString &copy, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(source);
    if (!info.exists()) {
        *error = Text::tr("the file it copies is gone");
        return false;
    }
    return saveFileAtomically(copy, bytes, error, info.permissions());
}

TogetherResult saveTogether(const QList<PendingFile> &files)
{
    TogetherResult result;
    result.holdsNew = QList<bool>(files.size(), false);
    auto fail = [&](int index, const QString &error) {
        result.ok = false;
        result.failed = index;
        result.error = error;
        return result;
    };

    // What each file holds now, to put it back should a later file fail.
    std::vector<std::optional<QByteArray>> previous(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!QFileInfo::exists(files.at(i).path))
            continue;
        QByteArray bytes;
        QString error;
        if (!readWholeFile(files.at(i).path, &bytes, &error))
            return fail(int(i), Text::tr("the file as it was could not be read: %1").arg(error));
        previous[i] = bytes;
    }

    std::vector<std::unique_ptr<QSaveFile>> prepared;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString error;
        prepared.push_back(prepare(files.at(i).path, files.at(i).bytes, &error));
        if (!prepared.back())
            return fail(int(i), error); // the files prepared so far are dropped unused
    }

    for (qsizetype i = 0; i < files.size(); ++i) {
        QString error;
        if (commitContent(*prepared[i], &error)) {
            result.holdsNew[i] = true;
            continue;
        }
        for (qsizetype j = 0; j < i; ++j) {
            QString restoreError;
            const bool restored = previous[j] ? saveFileAtomically(files.at(j).path, *previous[j], &restoreError)
                                              : QFile::remove(files.at(j).path);
            if (restored) {
                result.holdsNew[j] = false;
            } else if (result.restoreError.isEmpty()) {
                result.restoreError = restoreError.isEmpty() ? Text::tr("it could not be removed") : restoreError;
            }
        }
        return fail(int(i), error);
    }
    return result;
}

} // namespace qm
