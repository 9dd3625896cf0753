#include "ui/QuoteFreeValidator.h"

namespace qm {

QValidator::State QuoteFreeValidator::validate(QString &input, int &pos) const
{
    int removedBeforeCursor = 0;
    for (int i = 0; i < pos && i < input.size(); ++i) {
        if (input.at(i) == u'"')
            ++removedBeforeCursor;
    }
    if (!input.contains(u'"'))
        return Acceptable;
    input.remove(u'"');
    pos = qMax(0, pos - removedBeforeCursor);
    return Acceptable;
}

void QuoteFreeValidator::fixup(QString &input) const { input.remove(u'"'); }

} // namespace qm
