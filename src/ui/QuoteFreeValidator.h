#pragma once

#include <QValidator>

namespace qm {

// The data files quote every text and have no escape for a double quote, so a
// text holding one cannot be read back. Text boxes whose text is stored take
// this validator: a typed double quote is refused, and pasted text arrives
// without its double quotes.
class QuoteFreeValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

} // namespace qm
