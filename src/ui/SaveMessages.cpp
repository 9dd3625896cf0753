#include "ui/SaveMessages.h"

#include "core/Messages.h"
#include "core/year/YearFiles.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SaveMessages)
};

} // namespace

bool showSaveReport(const SaveReport &report, const QString &retry)
{
    if (!report.notices.isEmpty())
        showMessage(report.notices.join(QStringLiteral("\n\n")), Text::tr("Quillmoor Ad Sales - copy kept"),
                    MessageButtons::Ok, MessageIcon::Information);
    if (!report.ok())
        showMessage(report.errors.join(QStringLiteral("\n\n")) +
                        Text::tr("\n\nThe program stays open with all your data. "
                                 "Free some space or fix the folder, then ") +
                        retry,
                    Text::tr("Files not saved"), MessageButtons::Ok, MessageIcon::Error);
    return report.ok();
}

} // namespace qm
