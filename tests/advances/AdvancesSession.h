#pragma once

// An advances dialog opened on a model, driven like a user does: real clicks
// on its controls and keys sent where the focus is.
#include "core/LedgerDocument.h"
#include "advances/AdvancesDialog.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "ui/DocumentHistory.h"
#include "DialogSession.h"
#include "SampleModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace advances_test {

using namespace qm;

inline AdvanceEntry entry(const QString &date, double advanced, double paid)
{
    AdvanceEntry e;
    e.date = date;
    e.advanced = advanced;
    e.paid = paid;
    return e;
}

// One ad, the sales people Alpha and Delta, and no advances yet.
inline LedgerModel twoPeople()
{
    LedgerModel model = modelWithAds(1);
    model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("10")}, {QStringLiteral("Delta"), QStringLiteral("5")}};
    model.ledgerYear = 2026;
    return model;
}

// The bytes of the ledger file of twoPeople() with these advance lines.
inline QByteArray ledgerFileWith(const QByteArray &counts, const QByteArray &advanceLines)
{
    QByteArray bytes = "\"1.76\",2026\r\n";
    for (int issue = 1; issue <= kIssueCount; ++issue)
        bytes += "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    return bytes + counts + advanceLines;
}

// The document an advances dialog works on, made before the dialog, and, when
// asked for, the history of its edits that the dialog can undo.
struct SessionDocument
{
    explicit SessionDocument(bool withHistory)
    {
        if (withHistory)
            history = std::make_unique<DocumentHistory>(*document);
    }
    std::unique_ptr<LedgerDocument> document = std::make_unique<LedgerDocument>();
    std::unique_ptr<DocumentHistory> history;
};

// One open dialog on a model, shown and active so that focus and keys behave
// as on a desktop. The dialog works on a document holding the model; every
// change of the advances the document makes is copied back into the model, so
// that the test reads it there.
class Session : private SessionDocument, public DialogSession<AdvancesDialog>
{
public:
    explicit Session(LedgerModel &model, bool withHistory = false)
        : SessionDocument(withHistory), DialogSession(openOn(model))
    {
    }
    LedgerDocument &ledgerDocument() const { return *document; }

private:
    std::unique_ptr<AdvancesDialog> openOn(LedgerModel &model)
    {
        LedgerDocument *held = document.get();
        held->open(model, QString(), QString());
        QObject::connect(held, &LedgerDocument::advancesChanged, held, [&model, held] {
            model.advances = held->model().advances;
            model.ledgerChanged = held->ledgerChanged();
        });
        return std::make_unique<AdvancesDialog>(*held, nullptr, history.get());
    }

public:

    QComboBox *personBox() const { return find<QComboBox>(QStringLiteral("PersonBox")); }
    QListWidget *list() const { return find<QListWidget>(QStringLiteral("EntryList")); }
    QLineEdit *dateBox() const { return find<QLineEdit>(QStringLiteral("DateBox")); }
    QLineEdit *advancedBox() const { return find<QLineEdit>(QStringLiteral("AdvancedBox")); }
    QLineEdit *paidBox() const { return find<QLineEdit>(QStringLiteral("PaidBox")); }
    QPushButton *submitButton() const { return find<QPushButton>(QStringLiteral("SubmitButton")); }
    bool rowOpen() const { return dateBox()->isVisible(); }


    // Drops the person pulldown down and clicks the name.
    void choosePerson(const QString &name) const
    {
        QComboBox *box = personBox();
        QTest::mouseClick(box, Qt::LeftButton);
        QAbstractItemView *view = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        // The box takes a release within a double-click time of dropping it down
        // for the end of a press-and-drag, not for a click on a name.
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        const int row = box->findText(name);
        QVERIFY(row >= 0);
        const QModelIndex item = view->model()->index(row, 0);
        const QPoint at(view->viewport()->width() / 2, view->visualRect(item).center().y());
        QVERIFY(view->viewport()->rect().contains(at));
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTRY_VERIFY(!view->window()->isVisible());
    }

    void clickLine(int line) const
    {
        QListWidget *l = list();
        QVERIFY(line >= 1 && line <= l->count());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, l->visualItemRect(l->item(line - 1)).center());
    }

    // "Add entry", then the date, Tab, the advanced amount, Tab, the paid amount.
    void typeEntry(const QString &date, const QString &advanced, const QString &paid) const
    {
        click(QStringLiteral("Add entry"));
        QCOMPARE(QApplication::focusWidget(), dateBox());
        type(date);
        key(Qt::Key_Tab);
        type(advanced);
        key(Qt::Key_Tab);
        type(paid);
    }
    void addEntry(const QString &date, const QString &advanced, const QString &paid) const
    {
        typeEntry(date, advanced, paid);
        key(Qt::Key_Return);
    }

    QStringList lines() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    int selectedLine() const
    {
        const QList<QListWidgetItem *> items = list()->selectedItems();
        return items.isEmpty() ? 0 : list()->row(items.first()) + 1;
    }
};

inline QByteArray savedLedger(LedgerModel &model)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ads.qmr"));
    if (!writeLedgerFile(path, model).ok)
        return QByteArray("(not written)");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(not readable)");
    return file.readAll();
}

} // namespace advances_test
