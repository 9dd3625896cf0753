#include "ui/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace qm {

namespace {

const QString kRecentKey = QStringLiteral("recentLedgers");
const QString kPositionKey = QStringLiteral("mainWindow/position");

QString absolute(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

} // namespace

ProgramSettings::ProgramSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Quillmoor"), QStringLiteral("QuillmoorAds")))
{
}

ProgramSettings::ProgramSettings(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

ProgramSettings::~ProgramSettings() = default;

QStringList ProgramSettings::recentLedgers() const { return m_settings->value(kRecentKey).toStringList(); }

void ProgramSettings::addRecentLedger(const QString &ledgerFile)
{
    const QString path = absolute(ledgerFile);
    QStringList recent = recentLedgers();
    recent.removeAll(path);
    recent.prepend(path);
    m_settings->setValue(kRecentKey, recent.mid(0, kRecentCount));
    m_settings->sync();
}

void ProgramSettings::removeRecentLedger(const QString &ledgerFile)
{
    QStringList recent = recentLedgers();
    recent.removeAll(absolute(ledgerFile));
    m_settings->setValue(kRecentKey, recent);
    m_settings->sync();
}

std::optional<QPoint> ProgramSettings::windowPosition() const
{
    const QVariant position = m_settings->value(kPositionKey);
    if (position.typeId() != QMetaType::QPoint)
        return std::nullopt; // never kept, or not a position
    return position.toPoint();
}

void ProgramSettings::setWindowPosition(const QPoint &position)
{
    m_settings->setValue(kPositionKey, position);
    m_settings->sync();
}

} // namespace qm
