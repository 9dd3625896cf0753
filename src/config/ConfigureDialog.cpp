#include "ui/Fonts.h"
#include "config/ConfigureDialog.h"

#include "core/rules/AdRules.h"
#include "core/rules/ConfigHints.h"
#include "help/HelpLauncher.h"
#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "ui/QuoteFreeValidator.h"
#include "core/rules/SalesPeopleRules.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QWheelEvent>

#include <algorithm>

namespace qm {

namespace {

constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 520;
constexpr int kAdFields = kAdFieldCount;
static_assert(kAdFieldCount == kPublicationCount + 1);


QLabel *addLabel(QWidget *parent, const QString &text, int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    // The boxes are measured for Tahoma; where the platform puts a wider face
    // in its place, a narrower cut of it keeps the caption whole.
    QFont font = label->font();
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        if (QFontMetrics(font).horizontalAdvance(text) <= w)
            break;
        font.setStretch(stretch);
    }
    if (font != label->font())
        label->setFont(font);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, int x, int y, int w, int h)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    // Enter is the dialog's own command wherever the focus is; a button never
    // takes it over.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, h);
    box->setValidator(new QuoteFreeValidator(box));
    return box;
}

// A drop-down box. The height in the layout is the box with its list dropped
// down; closed it is one line high, and its list shows what fits in the rest.
QComboBox *addChoice(QWidget *parent, const QString &name, int x, int y, int w, int droppedHeight)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    const int lineHeight = QFontMetrics(box->font()).height();
    const int closedHeight = lineHeight + 7;
    box->setGeometry(x, y, w, closedHeight);
    box->setMaxVisibleItems(std::max(1, (droppedHeight - closedHeight) / (lineHeight + 2)));
    return box;
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Focus moves that belong to a drop-down list opening or closing, or to the
// window being (de)activated, are not the user moving between controls.
bool isControlFocusChange(const QEvent *event)
{
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

void openConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent)
{
    ConfigureDialog dialog(model, helpFile, parent);
    dialog.exec();
}

ConfigureDialog::ConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_model(model),
      m_helpFile(helpFile)
{
    // The box below lists the sales people sorted; sales person k must be its entry k.
    bringSalesPeopleIntoOrder(m_model);

    setObjectName(QStringLiteral("ConfigureDialog"));
    setWindowTitle(QStringLiteral("Options for Quillmoor Ad Sales"));
    setModal(true);
    setFont(uiFont(10));
    setFixedSize(kDialogWidth, kDialogHeight);
    createControls();

    const int nAds = m_model.adCount();
    m_list.open(nAds, measureRowsPerPage());
    if (nAds > 0) {
        setAdRowCount(m_list.shownAds);
        RefreshAdRows();
        GoToAdCell(false);
    }
    SetAdScrollRange();
    m_adEditor->setFocus();
}

ConfigureDialog::~ConfigureDialog() { m_closed = true; }

void ConfigureDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing a dialog hands its focus widget a Tab focus, which would select
    // the whole name; the cursor arrives on a name with the caret at its end.
    if (visible && m_adEditor->hasSelectedText())
        m_adEditor->deselect();
}

void ConfigureDialog::createControls()
{
    auto *title = addLabel(this, QStringLiteral("Configure Ad Sales"), 10, 10, 200, 24);
    title->setFont(uiFont(14));

    m_adList = new QTableWidget(0, kAdFields, this);
    m_adList->setObjectName(QStringLiteral("AdList"));
    m_adList->setGeometry(10, 50, 435, 230);
    m_adList->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_adList->setFocusPolicy(Qt::StrongFocus);
    // The list never scrolls itself: AdScrollBar moves it, a whole ad at a time.
    m_adList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_adList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_adList->setAutoScroll(false);
    m_adList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_adList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_adList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_adList->setTabKeyNavigation(false);
    m_adList->setWordWrap(false);
    m_adList->setShowGrid(true);
    m_adList->setCornerButtonEnabled(false);
    m_adList->verticalHeader()->hide();
    const QStringList headers = {QStringLiteral("Ads"), QStringLiteral("Corvel"), QStringLiteral("Tarn Mag"),
                                 QStringLiteral("Fennet "), QStringLiteral("Wyndle")};
    for (int column = 0; column < kAdFields; ++column) {
        auto *header = new QTableWidgetItem(headers.at(column));
        header->setTextAlignment(column == 0 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
        m_adList->setHorizontalHeaderItem(column, header);
        m_adList->setColumnWidth(column, column == 0 ? 150 : 70);
    }
    QHeaderView *columns = m_adList->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setFixedHeight(QFontMetrics(m_adList->font()).height() + 5);
    const int rowHeight = QFontMetrics(m_adList->font()).height() + 2;
    QHeaderView *rows = m_adList->verticalHeader();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    m_adScrollBar = new QScrollBar(Qt::Vertical, this);
    m_adScrollBar->setObjectName(QStringLiteral("AdScrollBar"));
    m_adScrollBar->setGeometry(445, 50, 20, 230);
    m_adScrollBar->setFocusPolicy(Qt::StrongFocus);
    connect(m_adScrollBar, &QScrollBar::actionTriggered, this, &ConfigureDialog::scrollBarAction);

    // Lies over the current cell; until the first ad there is no cell and it stays empty.
    m_adEditor = new QLineEdit(m_adList->viewport());
    m_adEditor->setObjectName(QStringLiteral("AdEditor"));
    m_adEditor->setGeometry(0, 0, 0, 0);
    m_adEditor->setValidator(new QuoteFreeValidator(m_adEditor));
    m_adList->setFocusProxy(m_adEditor);

    m_addButton = addButton(this, QStringLiteral("AddAd"), QStringLiteral("&Add Ad"), 20, 285, 80, 35);
    connect(m_addButton, &QPushButton::clicked, this, [this] {
        AddAd();
        applyFocusRule();
    });
    m_deleteButton = addButton(this, QStringLiteral("DeleteAd"), QStringLiteral("&Del Ad"), 105, 285, 80, 35);
    connect(m_deleteButton, &QPushButton::clicked, this, [this] {
        DeleteAd();
        applyFocusRule();
    });

    addLabel(this, QStringLiteral("Sales people:"), 20, 350, 80, 15);
    m_salesBox = addChoice(this, QStringLiteral("SalesPeopleBox"), 105, 350, 150, 100);
    m_salesBox->setEditable(true);
    m_salesBox->setInsertPolicy(QComboBox::NoInsert);
    m_salesBox->setCompleter(nullptr);
    m_salesBox->setDuplicatesEnabled(false);
    m_salesBox->setValidator(new QuoteFreeValidator(m_salesBox));
    m_salesBox->addItems(listedSalesPeople(m_model));
    m_salesBox->setCurrentIndex(-1);
    m_salesBox->setEditText(QString());
    connect(m_salesBox, &QComboBox::currentIndexChanged, this, &ConfigureDialog::salesSelected);
    connect(m_salesBox->lineEdit(), &QLineEdit::textEdited, this, &ConfigureDialog::salesNameEdited);

    addLabel(this, QStringLiteral("Pct comm:"), 280, 350, 70, 15);
    m_percentBox = addTextBox(this, QStringLiteral("PercentBox"), 350, 350, 70, 20);
    connect(m_percentBox, &QLineEdit::textEdited, this, [this] {
        ShowConfigHint(4);
        applyFocusRule();
    });

    auto *prices = new QGroupBox(QStringLiteral("Prices"), this);
    prices->setGeometry(20, 390, 390, 90);
    // The caption sits on the frame's top line, not above it, so the frame
    // encloses the controls placed at the top of the box.
    prices->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px;"
                                         " margin-top: 0.6em; }"
                                         "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                         " left: 8px; padding: 0 2px; }"));
    addLabel(this, QStringLiteral("Ad size:"), 45, 410, 70, 15);
    m_sizeChoice = addChoice(this, QStringLiteral("SizeChoice"), 105, 410, 90, 160);
    for (int size = 1; size <= kSizeCount; ++size)
        m_sizeChoice->addItem(sizeName(size));
    m_sizeChoice->setCurrentIndex(-1);
    addLabel(this, QStringLiteral("Publication:"), 225, 410, 70, 15);
    m_publicationChoice = addChoice(this, QStringLiteral("PublicationChoice"), 295, 410, 90, 120);
    for (int publication = 1; publication <= kPublicationCount; ++publication)
        m_publicationChoice->addItem(publicationName(publication));
    m_publicationChoice->setCurrentIndex(-1);
    for (QComboBox *choice : {m_sizeChoice, m_publicationChoice}) {
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            ShowPrices();
            applyFocusRule();
        });
    }
    addLabel(this, QStringLiteral("Color price:"), 35, 440, 70, 15);
    m_colourBox = addTextBox(this, QStringLiteral("ColorPriceBox"), 105, 440, 90, 20);
    addLabel(this, QStringLiteral("B/W price:"), 225, 440, 70, 15);
    m_bwBox = addTextBox(this, QStringLiteral("BWPriceBox"), 295, 440, 90, 20);
    for (QLineEdit *box : {m_colourBox, m_bwBox}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            ShowConfigHint(5);
            applyFocusRule();
        });
    }

    m_helpButton = addButton(this, QStringLiteral("HelpButton"), QStringLiteral("?"), 440, 410, 30, 35);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        showHelpFile();
        applyFocusRule();
    });

    m_hintBar = new QStatusBar(this);
    m_hintBar->setObjectName(QStringLiteral("ConfigHintBar"));
    m_hintBar->setSizeGripEnabled(false);
    const int barHeight = m_hintBar->sizeHint().height();
    m_hintBar->setGeometry(0, kDialogHeight - barHeight, kDialogWidth, barHeight);

    m_adEditor->installEventFilter(this);
    m_adList->installEventFilter(this);
    m_adList->viewport()->installEventFilter(this);
    m_salesBox->installEventFilter(this);
    m_salesBox->lineEdit()->installEventFilter(this);
    for (QWidget *control : {static_cast<QWidget *>(m_percentBox), static_cast<QWidget *>(m_colourBox),
                             static_cast<QWidget *>(m_bwBox), static_cast<QWidget *>(m_sizeChoice),
                             static_cast<QWidget *>(m_publicationChoice)})
        control->installEventFilter(this);
}

int ConfigureDialog::measureRowsPerPage() const
{
    // The same space QTableView gives its rows: the inside of the frame below the header.
    const QHeaderView *header = m_adList->horizontalHeader();
    const int headerHeight =
        std::min(std::max(header->minimumHeight(), header->sizeHint().height()), header->maximumHeight());
    return wholeRowsThatFit(m_adList->contentsRect().height() - headerHeight,
                            m_adList->verticalHeader()->defaultSectionSize());
}

// ---------------------------------------------------------------------------
// Ad list

void ConfigureDialog::setAdRowCount(int rows)
{
    const int old = m_adList->rowCount();
    m_adList->setRowCount(rows);
    for (int row = old; row < rows; ++row) {
        for (int column = 0; column < kAdFields; ++column) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(column == 0 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
            m_adList->setItem(row, column, item);
        }
    }
}

void ConfigureDialog::RefreshAdRows()
{
    const int rows = std::min({m_model.adCount(), m_list.rowsPerPage, m_adList->rowCount()});
    for (int row = 1; row <= rows; ++row) {
        const int ad = m_list.topAd + row - 1;
        if (ad > m_model.adCount())
            break;
        for (int field = 1; field <= kAdFields; ++field)
            m_adList->item(row - 1, field - 1)->setText(adFieldText(m_model.ads.at(ad - 1), field));
    }
}

void ConfigureDialog::writeHeldCell()
{
    const int ad = m_list.editAd;
    const int field = m_list.editField;
    if (ad < 1 || ad > m_model.adCount() || field < 1 || field > kAdFields)
        return;
    setAdFieldText(m_model.ads[ad - 1], field, m_list.pendingText);
    if (const int row = m_list.rowOf(ad); row > 0 && row <= m_adList->rowCount())
        m_adList->item(row - 1, field - 1)->setText(m_list.pendingText);
}

void ConfigureDialog::GoToAdCell(bool refresh)
{
    const int nAds = m_model.adCount();
    if (nAds == 0)
        return;
    if (!m_list.holdsCursorCell())
        writeHeldCell();
    if (m_list.keepCursorShown(nAds)) {
        if (refresh)
            RefreshAdRows();
        syncScrollBar();
    }
    openEditorOnCursor();
}

void ConfigureDialog::openEditorOnCursor()
{
    const bool nameField = m_list.curField == 1;
    ShowConfigHint(nameField ? 1 : 2);

    if (m_editorField == 0 || (m_editorField == 1) != nameField) {
        // Names are typed; a checkmark only toggles with Space, so its cell shows
        // no caret and takes no characters.
        m_adEditor->setReadOnly(!nameField);
        m_adEditor->setAlignment(nameField ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
    m_editorField = m_list.curField;

    const QModelIndex cell = m_adList->model()->index(m_list.curAd - m_list.topAd, m_list.curField - 1);
    m_adEditor->setGeometry(m_adList->visualRect(cell));
    const QString text = adFieldText(m_model.ads.at(m_list.curAd - 1), m_list.curField);
    m_adEditor->setText(text);
    m_list.entryText = text;
    m_list.pendingText = text;
    m_list.holdCursorCell();
    m_adEditor->show();
    m_adEditor->setFocus();
}

void ConfigureDialog::ScrollAdList(AdScroll step, int thumb)
{
    const int top = m_list.scrollTarget(step, m_model.adCount(), m_adScrollBar->pageStep(), thumb);
    if (top == 0)
        return;
    writeHeldCell();
    m_list.scrollTo(top);
    syncScrollBar();
    RefreshAdRows();
    openEditorOnCursor();
}

void ConfigureDialog::SetAdScrollRange()
{
    const AdScrollRange range = m_list.scrollRange(m_model.adCount());
    m_adScrollBar->setRange(range.minimum, range.maximum);
    m_adScrollBar->setSingleStep(1);
    m_adScrollBar->setPageStep(range.page);
    m_adScrollBar->setValue(m_list.topAd);
    // Nothing to scroll: shown disabled, never hidden.
    m_adScrollBar->setEnabled(range.scrolls());
}

void ConfigureDialog::syncScrollBar() { m_adScrollBar->setValue(m_list.topAd); }

void ConfigureDialog::scrollBarAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        ScrollAdList(AdScroll::LineUp);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        ScrollAdList(AdScroll::LineDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
        ScrollAdList(AdScroll::PageUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        ScrollAdList(AdScroll::PageDown);
        break;
    case QAbstractSlider::SliderMove:
        ScrollAdList(AdScroll::Thumb, m_adScrollBar->sliderPosition());
        break;
    default:
        break;
    }
    // The bar shows where the list is, whatever it would have done by itself.
    m_adScrollBar->setSliderPosition(m_list.topAd);
}

void ConfigureDialog::AddAd()
{
    const int nAds = appendAd(m_model);
    m_list.afterAdd(nAds);
    if (m_adList->rowCount() < m_list.shownAds)
        setAdRowCount(m_list.shownAds);
    RefreshAdRows();
    GoToAdCell(true);
    SetAdScrollRange();
}

void ConfigureDialog::DeleteAd()
{
    if (m_model.adCount() == 0)
        return;
    const int row = m_list.rowOf(m_list.curAd);
    const QString name = row > 0 ? m_adList->item(row - 1, 0)->text() : m_model.ads.at(m_list.curAd - 1).name;
    if (!adMayBeDeleted(m_model, m_list.curAd, m_list.adsAtOpen)) {
        showMessage(adInUseMessage(), name, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (showMessage(deleteAdQuestion(), name, MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes)
        return;

    deleteAd(m_model, m_list.curAd);
    const int nAds = m_model.adCount();
    m_list.afterDelete(nAds);
    setAdRowCount(m_list.shownAds);
    RefreshAdRows();
    if (nAds == 0) {
        m_adEditor->setGeometry(0, 0, 0, 0);
        m_adEditor->clear();
        m_editorField = 0;
        ShowConfigHint(0);
    }
    // The top may have moved with the deletion, so the rows are refreshed here too.
    GoToAdCell(true);
    SetAdScrollRange();
}

void ConfigureDialog::ToggleCheckmark()
{
    const QString value = toggledCheckmark(m_list.pendingText);
    m_list.pendingText = value;
    m_adEditor->setText(value);
    if (const int row = m_list.rowOf(m_list.curAd); row > 0)
        m_adList->item(row - 1, m_list.curField - 1)->setText(value);
    m_model.settingsChanged = true;
}

bool ConfigureDialog::adEditorKey(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnterKey(key)) {
        enterCommand(true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        escapeCommand();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;

    const int nAds = m_model.adCount();
    if (nAds == 0)
        return true; // no ad, no cell to type into
    AdListState &list = m_list;
    const bool nameField = list.curField == 1;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Up:
        if (list.lineUp())
            ScrollAdList(AdScroll::LineUp);
        GoToAdCell(true);
        return true;
    case Qt::Key_Down:
        if (list.lineDown(nAds))
            ScrollAdList(AdScroll::LineDown);
        GoToAdCell(true);
        return true;
    case Qt::Key_Left:
        if (nameField && !shift)
            return false; // moves the caret in the name
        list.fieldLeft();
        GoToAdCell(false);
        return true;
    case Qt::Key_Right:
        if (nameField && !shift)
            return false;
        list.fieldRight();
        GoToAdCell(false);
        return true;
    case Qt::Key_PageUp:
        list.pageUp();
        GoToAdCell(true);
        return true;
    case Qt::Key_PageDown:
        list.pageDown(nAds);
        GoToAdCell(true);
        return true;
    case Qt::Key_Home:
        list.home();
        GoToAdCell(true);
        return !nameField; // in a name Home also puts the caret at its start
    case Qt::Key_End:
        list.end(nAds);
        GoToAdCell(true);
        return true;
    case Qt::Key_Space:
        if (nameField)
            return false;
        ToggleCheckmark();
        return true;
    default:
        return !nameField; // a checkmark takes no characters
    }
}

bool ConfigureDialog::adListMouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() != QEvent::MouseButtonPress)
        return true;
    if (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton)
        return true;
    const QModelIndex cell = m_adList->indexAt(mouse->position().toPoint());
    if (!cell.isValid() || cell.row() >= m_list.shownAds || m_model.adCount() == 0)
        return true;
    m_list.curAd = m_list.topAd + cell.row();
    m_list.curField = cell.column() + 1;
    GoToAdCell(false);
    return true;
}

void ConfigureDialog::adListWheel(QWheelEvent *event)
{
    const int nAds = m_model.adCount();
    m_wheelDelta += event->angleDelta().y();
    while (m_wheelDelta >= QWheelEvent::DefaultDeltasPerStep) {
        m_wheelDelta -= QWheelEvent::DefaultDeltasPerStep;
        if (m_list.topAd > 1 && m_list.curAd > 1)
            ScrollAdList(AdScroll::LineUp);
    }
    while (m_wheelDelta <= -QWheelEvent::DefaultDeltasPerStep) {
        m_wheelDelta += QWheelEvent::DefaultDeltasPerStep;
        if (m_list.topAd < m_list.lastTop(nAds) && m_list.curAd < nAds)
            ScrollAdList(AdScroll::LineDown);
    }
}

// ---------------------------------------------------------------------------
// Dialog-wide keys, hints and focus

void ConfigureDialog::enterCommand(bool fromAdEditor)
{
    const int nAds = m_model.adCount();
    if (nAds == 0)
        return;
    AdListState &list = m_list;
    if (list.curField == 1 && fromAdEditor) {
        const QString name = m_adEditor->text();
        if (name.isEmpty())
            return;
        m_model.ads[list.curAd - 1].name = name;
        if (const int row = list.rowOf(list.curAd); row > 0)
            m_adList->item(row - 1, 0)->setText(name);
        list.pendingText = name;
        m_model.settingsChanged = true;
        list.afterNameEntered(nAds);
        GoToAdCell(true);
        return;
    }
    if (list.enterStep(nAds))
        ScrollAdList(AdScroll::LineDown);
    GoToAdCell(true);
}

void ConfigureDialog::escapeCommand()
{
    m_list.pendingText = m_list.entryText;
    m_adEditor->setText(m_list.entryText);
    if (m_model.adCount() > 0 && m_list.holdsCursorCell()) {
        if (const int row = m_list.rowOf(m_list.curAd); row > 0)
            m_adList->item(row - 1, m_list.curField - 1)->setText(m_list.entryText);
    }
}

void ConfigureDialog::keyPressEvent(QKeyEvent *event)
{
    // Neither Enter nor Esc closes the dialog; only its close box does.
    if (isEnterKey(event->key())) {
        enterCommand(false);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        escapeCommand();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ConfigureDialog::ShowConfigHint(int hint) { m_hintBar->showMessage(configHint(hint)); }

// Working in any other control ends a checkmark edit: the held checkmark is
// written and the cursor goes back onto the ad's name, while the focus stays
// where the user put it.
void ConfigureDialog::applyFocusRule()
{
    if (m_inFocusRule || m_closed || m_list.curField <= 1 || m_model.adCount() == 0)
        return;
    m_inFocusRule = true;
    const QPointer<QWidget> had = QApplication::focusWidget();
    m_list.curField = 1;
    GoToAdCell(false);
    if (had && had != m_adEditor)
        had->setFocus(Qt::OtherFocusReason);
    m_inFocusRule = false;
}

void ConfigureDialog::showHelpFile()
{
    showHelp(m_helpFile, QString(), parentWidget() ? parentWidget() : this);
}

bool ConfigureDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (m_closed)
        return QDialog::eventFilter(watched, event);
    const QEvent::Type type = event->type();

    if (watched == m_adEditor) {
        if (type == QEvent::KeyPress)
            return adEditorKey(static_cast<QKeyEvent *>(event));
        if (type == QEvent::Wheel) {
            // The editor covers a cell of the list: the wheel scrolls the list.
            adListWheel(static_cast<QWheelEvent *>(event));
            return true;
        }
        return false;
    }
    if (watched == m_adList) {
        // Keys the editor leaves alone must not reach the list, which would move
        // its own selection or search its rows.
        if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (isEnterKey(key)) {
                enterCommand(false);
                return true;
            }
            if (key == Qt::Key_Escape) {
                escapeCommand();
                return true;
            }
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        return false;
    }
    if (watched == m_adList->viewport()) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return adListMouse(event);
        case QEvent::Wheel:
            adListWheel(static_cast<QWheelEvent *>(event));
            return true;
        default:
            return false;
        }
    }
    if (watched == m_salesBox || watched == m_salesBox->lineEdit()) {
        if (type == QEvent::KeyPress)
            return salesBoxKey(static_cast<QKeyEvent *>(event));
        if (watched == m_salesBox && type == QEvent::FocusIn && isControlFocusChange(event))
            salesBoxFocused();
        return false;
    }
    if (watched == m_percentBox) {
        if (type == QEvent::FocusIn && isControlFocusChange(event))
            percentFocused();
        else if (type == QEvent::FocusOut && isControlFocusChange(event))
            storePercent();
        return false;
    }
    if (watched == m_colourBox || watched == m_bwBox) {
        const PriceKind kind = watched == m_colourBox ? PriceKind::Colour : PriceKind::BlackWhite;
        if (type == QEvent::FocusIn && isControlFocusChange(event)) {
            ShowConfigHint(5);
            applyFocusRule();
        } else if (type == QEvent::FocusOut && isControlFocusChange(event)) {
            StorePrice(kind);
        }
        return false;
    }
    if (watched == m_sizeChoice || watched == m_publicationChoice) {
        if (type == QEvent::FocusIn && isControlFocusChange(event)) {
            ShowPrices();
            applyFocusRule();
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void ConfigureDialog::done(int result)
{
    if (!m_closed) {
        // What the focused box holds is stored as on leaving it, and a toggled
        // checkmark still held counts as set.
        QWidget *focus = focusWidget();
        if (focus == m_percentBox)
            storePercent();
        else if (focus == m_colourBox)
            StorePrice(PriceKind::Colour);
        else if (focus == m_bwBox)
            StorePrice(PriceKind::BlackWhite);
        if (m_model.adCount() > 0)
            writeHeldCell();
        // The sales people are the ones the box lists.
        const int listed = m_salesBox->count();
        if (m_model.salesPeople.size() > listed)
            m_model.salesPeople.resize(listed);
        m_closed = true;
    }
    QDialog::done(result);
}

// ---------------------------------------------------------------------------
// Sales people

QStringList ConfigureDialog::salesEntries() const
{
    QStringList entries;
    if (!m_salesBox)
        return entries;
    for (int i = 0; i < m_salesBox->count(); ++i)
        entries << m_salesBox->itemText(i);
    return entries;
}

void ConfigureDialog::salesBoxFocused()
{
    m_filling = true;
    m_salesBox->setCurrentIndex(-1);
    m_salesBox->setEditText(QString());
    m_filling = false;
    m_percentBox->clear();
    ShowConfigHint(3);
    applyFocusRule();
}

void ConfigureDialog::salesNameEdited()
{
    if (m_salesBox->currentIndex() < 0)
        m_percentBox->clear();
    ShowConfigHint(3);
    applyFocusRule();
}

void ConfigureDialog::salesSelected(int index)
{
    if (m_filling)
        return;
    const int person = index + 1;
    if (person >= 1 && person <= m_model.salesPeople.size()) {
        m_salesBox->setEditText(m_model.salesPeople.at(person - 1).name);
        m_percentBox->setText(m_model.salesPeople.at(person - 1).percent);
    }
    ShowConfigHint(3);
    applyFocusRule();
}

bool ConfigureDialog::salesBoxKey(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnterKey(key)) {
        AddSalesPerson();
        return true;
    }
    if (key == Qt::Key_Delete) {
        // Delete removes the person; characters are erased with Backspace.
        DeleteSalesPerson();
        return true;
    }
    if (key == Qt::Key_Escape) {
        escapeCommand();
        return true;
    }
    return false;
}

void ConfigureDialog::AddSalesPerson()
{
    const QString name = m_salesBox->currentText();
    const AddSalesOutcome outcome = addSalesPerson(m_model, name);
    switch (outcome.result) {
    case AddSalesResult::Ignored:
        return;
    case AddSalesResult::LimitReached:
        showMessage(salesLimitMessage(), salesLimitCaption(), MessageButtons::Ok, MessageIcon::Error);
        m_filling = true;
        m_salesBox->setCurrentIndex(-1);
        m_salesBox->setEditText(QString());
        m_filling = false;
        return;
    case AddSalesResult::Added:
        break;
    }
    m_filling = true;
    m_salesBox->insertItem(outcome.position - 1, name);
    m_salesBox->setCurrentIndex(outcome.position - 1);
    m_salesBox->setEditText(name);
    m_filling = false;
    // Emptied before it takes the focus, so that nothing it showed is stored
    // for the new person on the way.
    m_percentBox->clear();
    m_boundPerson = 0;
    m_percentBox->setFocus(Qt::OtherFocusReason);
    ShowConfigHint(0);
}

void ConfigureDialog::DeleteSalesPerson()
{
    const QString text = m_salesBox->currentText();
    if (text.isEmpty())
        return;
    const QStringList entries = salesEntries();
    const int position = findSalesPerson(entries, text);
    // The ledger names people exactly as listed, whatever case was typed here.
    if (salesPersonInLedger(m_model, text) ||
        (position > 0 && salesPersonInLedger(m_model, entries.at(position - 1)))) {
        showMessage(salesPersonInUseMessage(), text, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (position == 0)
        return;
    const QString name = entries.at(position - 1);
    m_salesBox->setEditText(name);
    if (showMessage(deleteSalesPersonQuestion(), name, MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    m_filling = true;
    m_salesBox->removeItem(position - 1);
    m_salesBox->setCurrentIndex(-1);
    m_salesBox->setEditText(QString());
    m_filling = false;
    removeSalesPerson(m_model, position);
    m_percentBox->clear();
    m_boundPerson = 0;
}

void ConfigureDialog::percentFocused()
{
    ShowConfigHint(4);
    const QString name = m_salesBox->currentText();
    m_boundPerson = name.isEmpty() ? 0 : findSalesPerson(salesEntries(), name);
    if (!name.isEmpty() && m_boundPerson == 0) {
        // A percentage belongs to a configured person: back to the name.
        m_salesBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    applyFocusRule();
}

void ConfigureDialog::storePercent()
{
    if (m_boundPerson < 1 || m_boundPerson > m_model.salesPeople.size())
        return;
    m_model.salesPeople[m_boundPerson - 1].percent = m_percentBox->text();
    m_model.settingsChanged = true;
}

// ---------------------------------------------------------------------------
// Prices

void ConfigureDialog::ShowPrices()
{
    const int entry = chosenPriceEntry(m_publicationChoice->currentIndex() + 1, m_sizeChoice->currentIndex() + 1);
    if (entry == 0)
        return;
    m_colourBox->setText(priceText(m_model, entry, PriceKind::Colour));
    m_bwBox->setText(priceText(m_model, entry, PriceKind::BlackWhite));
}

void ConfigureDialog::StorePrice(PriceKind kind)
{
    const QLineEdit *box = kind == PriceKind::Colour ? m_colourBox : m_bwBox;
    storePrice(m_model, m_publicationChoice->currentIndex() + 1, m_sizeChoice->currentIndex() + 1, kind,
               box->text());
}

} // namespace qm
