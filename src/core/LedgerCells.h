#pragma once

#include "core/LedgerSize.h"
#include "core/TextPool.h"

#include <QString>

#include <vector>

class QDebug;

namespace qm {

class LedgerCells;

// One cell of the ledger, to read like a QString and to assign to:
// `model.cell(issue, column, ad) = text`.
class CellRef
{
public:
    CellRef(LedgerCells &cells, qsizetype index) : m_cells(&cells), m_index(index) {}

    const QString &text() const;
    operator const QString &() const { return text(); }
    bool isEmpty() const { return text().isEmpty(); }
    qsizetype size() const { return text().size(); }

    CellRef &operator=(const QString &text);
    CellRef &operator=(const CellRef &other) { return *this = QString(other.text()); }
    void clear() { *this = QString(); }

    friend bool operator==(const CellRef &a, const CellRef &b) { return a.text() == b.text(); }
    template <typename T>
    friend bool operator==(const CellRef &a, const T &b)
    {
        return a.text() == b;
    }

private:
    LedgerCells *m_cells;
    qsizetype m_index;
};

QDebug operator<<(QDebug debug, const CellRef &cell);

// One text per issue 1..15, column 1..10 and ad 1..adCount, held in the order
// the ledger file runs (issue by issue, ad by ad, column by column). Equal
// texts share one copy.
class LedgerCells
{
public:
    int adCount() const { return m_adCount; }
    const QString &at(int issue, int column, int ad) const { return m_pool.text(m_cells[index(issue, column, ad)]); }
    CellRef at(int issue, int column, int ad) { return CellRef(*this, index(issue, column, ad)); }
    void set(int issue, int column, int ad, const QString &text) { setAt(index(issue, column, ad), text); }
    // Cells by their place in the file's order (issue, ad, column, from 0):
    // stores the text that the file bytes `bytes` (between the quotes) decode
    // to. The bytes up to `readableEnd` may be read.
    void setFromFile(qsizetype place, QByteArrayView bytes, const char *readableEnd = nullptr)
    {
        quint32 &id = m_cells[std::size_t(place)];
        const quint32 newId = m_pool.acquireEncoded(bytes, readableEnd);
        m_pool.release(id);
        id = newId;
    }
    // The cell's bytes in the file, without the quotes.
    QByteArrayView fileBytes(qsizetype place) const { return m_pool.encoded(m_cells[std::size_t(place)]); }
    // The `count` cells from `place` on, as a line of the file holds them (in
    // quotes, commas between), written at `out`, where fileRoom() bytes are
    // free. Returns where they end.
    char *writeFileCells(qsizetype place, int count, char *out) const
    {
        return m_pool.writeQuoted(m_cells.data() + place, count, out);
    }
    qsizetype fileRoom(int count) const { return m_pool.quotedRoom(count); }
    qsizetype cellCount() const { return qsizetype(m_cells.size()); }
    // The bytes of every cell's text in the file, quotes and commas aside.
    qint64 fileTextBytes() const { return m_pool.encodedTotal(); }
    // Changes the ad count, keeping every cell of the ads both counts share.
    void resize(int adCount);
    // Removes an ad: the cells of every later ad move one ad down.
    void removeAd(int ad);
    void clear();
    // Cells holding equal texts hold equal numbers (0 is the empty text), so
    // what is worked out from a text can be kept by its number for every cell
    // that holds it. Every number is below textNumberLimit().
    quint32 textNumber(int issue, int column, int ad) const { return m_cells[std::size_t(index(issue, column, ad))]; }
    const QString &textOfNumber(quint32 number) const { return m_pool.text(number); }
    quint32 textNumberLimit() const { return m_pool.numberLimit(); }
    // How many different non-empty texts the cells hold between them.
    qsizetype distinctTexts() const { return m_pool.size(); }

    bool operator==(const LedgerCells &other) const;

private:
    friend class CellRef;
    qsizetype index(int issue, int column, int ad) const;
    const QString &textAt(qsizetype index) const { return m_pool.text(m_cells[std::size_t(index)]); }
    void setAt(qsizetype index, const QString &text);

    int m_adCount = 0;
    std::vector<quint32> m_cells; // numbers of m_pool
    TextPool m_pool;
};

inline qsizetype LedgerCells::index(int issue, int column, int ad) const
{
    Q_ASSERT(issue >= 1 && issue <= kIssueCount && column >= 1 && column <= kColumnCount && ad >= 1 &&
             ad <= m_adCount);
    return (qsizetype(issue - 1) * m_adCount + (ad - 1)) * kColumnCount + (column - 1);
}

inline const QString &CellRef::text() const { return m_cells->textAt(m_index); }

inline CellRef &CellRef::operator=(const QString &text)
{
    m_cells->setAt(m_index, text);
    return *this;
}

} // namespace qm
