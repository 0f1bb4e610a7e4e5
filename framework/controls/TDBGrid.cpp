#include "framework/controls/TDBGrid.h"

#include "framework/controls/DBGridCellDelegate.h"
#include "framework/controls/DBGridIndicator.h"
#include "framework/controls/DBGridModel.h"
#include "framework/controls/DBGridView.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TTimer.h"
#include "framework/core/WheelNotches.h"
#include "framework/data/TDataSet.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/Colors.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

REGISTER_COMPONENT_CLASS(TDBGrid)

namespace {
// A row is the font's height with a little room above and below, as the classic grid had it.
constexpr int kRowPadding = 4;
constexpr int kMinColumnWidth = 64;
// A notch of sideways wheel motion scrolls this many characters; the lists hold Chinese text,
// so a character is a full-width one.
constexpr int kWheelScrollChars = 3;
const QChar kWideCharacter(0x4E2D); // 中
// How often a drag held past the top or bottom of the rows scrolls one more row.
constexpr int kDragScrollIntervalMs = 60;
} // namespace

TDBGrid::TDBGrid(TComponent* AOwner)
    : TWinControl(AOwner), titleFont_(std::make_unique<TFont>()),
      columns_(this, [](TCollection* c) { return new TColumn(c, nullptr); }) {
    options_ = TDBGridOptions(dgEditing) | dgTitles | dgIndicator | dgColumnResize | dgColLines |
               dgRowLines | dgTabs | dgConfirmDelete | dgCancelOnExit;
    titleFont_->OnChange = [this] {
        if (HandleAllocated())
            View()->horizontalHeader()->setFont(titleFont_->ToQFont());
    };
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
    SetTabStop(true);
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csClickEvents, false));
}

TDBGrid::~TDBGrid() {
    link_.SetDataSource(nullptr);
}

QWidget* TDBGrid::CreateWindowWidget(QWidget* parentWidget) {
    auto* view = new MessageWindow<DBGridView>(this, parentWidget);
    model_ = new DBGridModel(view);
    view->setModel(model_);
    view->setItemDelegate(new DBGridCellDelegate(view));
    indicator_ = new DBGridIndicator(view);
    view->setVerticalHeader(indicator_);
    // The data set decides the current row: the headers' own selecting is switched off, and a
    // press or a drag along the indicator moves the data set instead.
    for (QHeaderView* header : {static_cast<QHeaderView*>(indicator_), view->horizontalHeader()}) {
        QObject::disconnect(header, &QHeaderView::sectionPressed, view, nullptr);
        QObject::disconnect(header, &QHeaderView::sectionEntered, view, nullptr);
    }
    QObject::connect(indicator_, &QHeaderView::sectionPressed, this,
                     [this](int row) { MoveToRow(row); });
    QObject::connect(indicator_, &QHeaderView::sectionEntered, this,
                     [this](int row) { MoveToRow(row); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex& current) { KeepHighlightOnCurrentRow(current); });
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    // A column wider than the grid (one field of 255 characters) is scrolled through by
    // pixels: scrolling by whole columns would leave it no room to move.
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setFont(titleFont_->ToQFont());
    WatchChildWidget(view->viewport());
    return view;
}

QTableView* TDBGrid::View() const {
    return static_cast<QTableView*>(const_cast<TDBGrid*>(this)->Handle());
}

void TDBGrid::SetDataSource(TDataSource* source) {
    if (DataSource())
        RemoveFreeNotification(DataSource());
    link_.SetDataSource(source);
    if (source)
        FreeNotification(source);
    Rebuild();
}

void TDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == DataSource()) {
        link_.SetDataSource(nullptr);
        Rebuild();
    }
}

void TDBGrid::Ctl3DChanged() {
    TWinControl::Ctl3DChanged();
    const bool sunken = Ctl3D();
    View()->setFrameShape(sunken ? QFrame::StyledPanel : QFrame::Box);
    View()->setFrameShadow(sunken ? QFrame::Sunken : QFrame::Plain);
    View()->setLineWidth(1);
}

void TDBGrid::SetOptions(TDBGridOptions options) {
    options_ = options;
    ApplyOptions();
}

void TDBGrid::ApplyOptions() {
    QTableView* view = View();
    view->horizontalHeader()->setVisible(options_.testFlag(dgTitles));
    view->verticalHeader()->setVisible(options_.testFlag(dgIndicator));
    view->setShowGrid(options_.testFlag(dgColLines) || options_.testFlag(dgRowLines));
    view->horizontalHeader()->setSectionResizeMode(
        options_.testFlag(dgColumnResize) ? QHeaderView::Interactive : QHeaderView::Fixed);
    view->setSelectionBehavior(options_.testFlag(dgRowSelect) ? QAbstractItemView::SelectRows
                                                              : QAbstractItemView::SelectItems);
}

void TDBGrid::FontChanged() {
    TWinControl::FontChanged();
    const QFontMetrics metrics(Font()->ToQFont());
    View()->verticalHeader()->setDefaultSectionSize(metrics.height() + kRowPadding);
    View()->verticalHeader()->setMinimumSectionSize(metrics.height() + kRowPadding);
}

TColumn* TDBGrid::Columns(int index) const {
    return static_cast<TColumn*>(columns_.Items(index));
}

TField* TDBGrid::SelectedField() const {
    TDataSet* ds = link_.DataSet();
    if (!ds || !ds->Active() || ds->FieldCount() == 0)
        return nullptr;
    const int column = std::max(0, View()->currentIndex().column());
    return ds->Fields(std::min(column, ds->FieldCount() - 1));
}

void TDBGrid::Rebuild() {
    if (!HandleAllocated())
        return;
    TDataSet* ds = link_.Active() ? link_.DataSet() : nullptr;
    model_->Reset(ds);
    // Columns follow the fields of the result, rebuilt at every opening.
    columns_.Clear();
    if (ds) {
        const QFontMetrics metrics(Font()->ToQFont());
        for (int i = 0; i < ds->FieldCount(); ++i) {
            TField* field = ds->Fields(i);
            auto* column = static_cast<TColumn*>(columns_.Add());
            column->SetField(field);
            const int width =
                std::max(kMinColumnWidth, field->DisplayWidth() * metrics.averageCharWidth() + 4);
            View()->setColumnWidth(i, width);
        }
    }
    SyncCurrentRow();
}

void TDBGrid::SyncCurrentRow() {
    TDataSet* ds = link_.DataSet();
    const bool open = ds && ds->Active() && !ds->IsEmpty();
    const int row = open ? ds->RecNo() - 1 : -1;
    indicator_->SetCurrentRow(row);
    if (row < 0)
        return;
    const int column = std::max(0, View()->currentIndex().column());
    const QModelIndex index = model_->index(row, column);
    View()->setCurrentIndex(index);
    View()->scrollTo(index);
}

void TDBGrid::MoveToRow(int row) {
    TDataSet* ds = link_.DataSet();
    if (!ds || !ds->Active() || row < 0)
        return;
    ds->MoveBy(row - (ds->RecNo() - 1));
}

QModelIndex TDBGrid::CellAt(LPARAM position) const {
    QTableView* view = View();
    const QPoint p(GetXLParam(position), GetYLParam(position));
    if (!view->viewport()->geometry().contains(p))
        return {};
    return view->indexAt(view->viewport()->mapFrom(view, p));
}

bool TDBGrid::HandleNavigationKey(std::uint16_t key, TShiftState shift) {
    TDataSet* ds = link_.DataSet();
    if (!ds || !ds->Active())
        return false;
    const bool back = shift.testFlag(TShiftFlag::ssShift);
    const bool control = shift.testFlag(TShiftFlag::ssCtrl);
    const int page = std::max(1, View()->viewport()->height() /
                                     std::max(1, View()->verticalHeader()->defaultSectionSize()));
    switch (key) {
    case VK_UP:
        ds->MoveBy(-1);
        return true;
    case VK_DOWN:
        ds->MoveBy(1);
        return true;
    case VK_PRIOR:
        ds->MoveBy(-page);
        return true;
    case VK_NEXT:
        ds->MoveBy(page);
        return true;
    case VK_TAB:
        // The grid keeps Tab: with one column it walks the rows and the focus stays here.
        // Ctrl+Tab is left to leave the grid.
        if (!options_.testFlag(dgTabs) || control)
            return false;
        ds->MoveBy(back ? -1 : 1);
        return true;
    case VK_HOME:
    case VK_END:
        if (!control)
            return false;
        key == VK_HOME ? ds->First() : ds->Last();
        return true;
    default:
        return false;
    }
}

LRESULT TDBGrid::DialogCode() const {
    return DLGC_WANTARROWS | DLGC_WANTCHARS |
           (options_.testFlag(dgTabs) ? LRESULT(DLGC_WANTTAB) : 0);
}

void TDBGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (key == 0)
        return;
    // Copying is the program's to decide (its handler above); the toolkit would copy the raw
    // cell text.
    const bool copy = key == 'C' && shift.testFlag(TShiftFlag::ssCtrl);
    if (copy || HandleNavigationKey(key, shift))
        key = 0;
}

void TDBGrid::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // Any button on a data row makes it current first.
        const QModelIndex cell = CellAt(message.LParam);
        if (cell.isValid())
            MoveToRow(cell.row());
        dragging_ =
            cell.isValid() && message.Msg != WM_RBUTTONDOWN && message.Msg != WM_MBUTTONDOWN;
        if (CanFocus())
            SetFocus();
        break;
    }
    case WM_MOUSEMOVE:
        if (dragging_ && (message.WParam & MK_LBUTTON))
            DragTo(message.LParam);
        break;
    case WM_CAPTURECHANGED:
        // The press is over without a release here (a box came up, say): so is the drag.
        EndDrag();
        break;
    case WM_LBUTTONUP: {
        EndDrag();
        const QModelIndex cell = CellAt(message.LParam);
        TWinControl::WndProc(message);
        if (cell.isValid() && cell.column() < columns_.Count())
            CellClick(Columns(cell.column()));
        return;
    }
    case WM_MOUSEWHEEL:
        // A row a message, towards the user forward; the view never scrolls on its own.
        MoveRows(static_cast<std::int16_t>(HiWord(message.WParam)) < 0 ? 1 : -1);
        message.Result = 0;
        return;
    case WM_MOUSEHWHEEL:
        ScrollSideways(static_cast<std::int16_t>(HiWord(message.WParam)));
        message.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TDBGrid::MoveRows(int count) {
    TDataSet* ds = link_.DataSet();
    if (ds && ds->Active())
        ds->MoveBy(count);
}

void TDBGrid::DragTo(LPARAM position) {
    QTableView* view = View();
    const QRect rows = view->viewport()->geometry(); // window coordinates
    const int y = GetYLParam(position);
    // rect.bottom() is the last pixel row inside.
    if (y < rows.top() || y > rows.bottom()) {
        SetDragScroll(y < rows.top() ? -1 : 1);
        return;
    }
    SetDragScroll(0);
    const int row = view->rowAt(y - rows.top());
    // Below the last row the pointer still drags the last one.
    MoveToRow(row >= 0 ? row : model_->rowCount() - 1);
}

void TDBGrid::SetDragScroll(int step) {
    if (step == dragScroll_)
        return; // a timer restarted at every move would never fire while the pointer moves
    dragScroll_ = step;
    if (!dragScrollTimer_) {
        dragScrollTimer_ = std::make_unique<TTimer>(nullptr);
        dragScrollTimer_->SetEnabled(false);
        dragScrollTimer_->SetInterval(kDragScrollIntervalMs);
        dragScrollTimer_->OnTimer = [this](TObject*) { MoveRows(dragScroll_); };
    }
    dragScrollTimer_->SetEnabled(step != 0);
    if (step != 0)
        MoveRows(step); // the first row at once
}

void TDBGrid::EndDrag() {
    dragging_ = false;
    SetDragScroll(0);
}

void TDBGrid::ScrollSideways(int distance) {
    // Three characters a notch, to the right positive, as the platform scrolls text sideways.
    // The toolkit's own step would be a share of the view: one column wider than the view
    // makes that most of its width, and a tilt would jump past the end of every message.
    const int character = QFontMetrics(Font()->ToQFont()).horizontalAdvance(kWideCharacter);
    QScrollBar* bar = View()->horizontalScrollBar();
    bar->setValue(bar->value() + distance * kWheelScrollChars * character / WheelNotches::kNotch);
}

void TDBGrid::KeepHighlightOnCurrentRow(const QModelIndex& current) {
    // Nothing in the toolkit may take the highlight off the data set's current row.
    TDataSet* ds = link_.DataSet();
    if (current.isValid() && ds && ds->Active() && !ds->IsEmpty() &&
        current.row() != ds->RecNo() - 1)
        SyncCurrentRow();
}

void TDBGrid::CellClick(TColumn* column) {
    if (OnCellClick)
        OnCellClick(column);
}

bool TDBGrid::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TDBGrid> kEvents{
        EventBinding("OnCellClick", &TDBGrid::OnCellClick),
    };
    return kEvents.Bind(*this, name, method) || TWinControl::BindEvent(name, method);
}
