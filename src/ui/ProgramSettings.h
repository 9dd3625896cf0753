#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

namespace qm {

// What the program keeps for the user between runs, apart from any ledger: the
// ledgers opened last and where the main window stood. Kept in the platform's
// place for program settings, never in a ledger's own settings file.
class ProgramSettings
{
public:
    // The user's settings of the program.
    ProgramSettings();
    // Settings kept in the given ini file instead.
    explicit ProgramSettings(const QString &iniFile);
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings &) = delete;
    ProgramSettings &operator=(const ProgramSettings &) = delete;

    static constexpr int kRecentCount = 8;

    // The ledger files opened or saved last, the newest first, as absolute paths.
    QStringList recentLedgers() const;
    // Puts the ledger first in the list (once), dropping the oldest beyond kRecentCount.
    void addRecentLedger(const QString &ledgerFile);
    void removeRecentLedger(const QString &ledgerFile);

    std::optional<QPoint> windowPosition() const;
    void setWindowPosition(const QPoint &position);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace qm
