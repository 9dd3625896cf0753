#pragma once

#include <QValidator>

#include <functional>

namespace qm {

// Guards the ledger's text box against text that arrives without being typed
// (middle-click paste, the context menu, drag and drop): a change is let through
// only when the typed-character rule of the edited column would allow it.
class CellTextValidator : public QValidator
{
    Q_OBJECT

public:
    CellTextValidator(std::function<int()> editColumn, QObject *parent);

    // The text the box is loaded with; changes are judged against it from now on.
    void startFrom(const QString &text) const { m_accepted = text; }

    State validate(QString &input, int &pos) const override;

private:
    std::function<int()> m_editColumn;
    mutable QString m_accepted;
};

} // namespace qm
