#include "framework/controls/TDBGrid.h"

#include "framework/controls/DBGridCellDelegate.h"
#include "framework/controls/DBGridIndicator.h"
#include "framework/controls/DBGridModel.h"
#include "framework/core/MessageWindow.h"
#include "framework/data/TDataSet.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/Colors.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

REGISTER_COMPONENT_CLASS(TDBGrid)

namespace {
// A row is the font's height with a little room above and below, as the classic grid had it.
constexpr int kRowPadding = 4;
constexpr int kMinColumnWidth = 64;
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
    auto* view = new MessageWindow<QTableView>(this, parentWidget);
    model_ = new DBGridModel(view);
    view->setModel(model_);
    view->setItemDelegate(new DBGridCellDelegate(view));
    indicator_ = new DBGridIndicator(view);
    view->setVerticalHeader(indicator_);
    // The data set decides the current row: the headers' own selecting is switched off.
    QObject::disconnect(indicator_, &QHeaderView::sectionPressed, view, nullptr);
    QObject::disconnect(view->horizontalHeader(), &QHeaderView::sectionPressed, view, nullptr);
    QObject::connect(indicator_, &QHeaderView::sectionPressed, this,
                     [this](int row) { MoveToRow(row); });
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

void TDBGrid::SetCtl3D(bool v) {
    ctl3D_ = v;
    View()->setFrameShape(v ? QFrame::StyledPanel : QFrame::Box);
    View()->setFrameShadow(v ? QFrame::Sunken : QFrame::Plain);
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
        if (CanFocus())
            SetFocus();
        break;
    }
    case WM_LBUTTONUP: {
        const QModelIndex cell = CellAt(message.LParam);
        TWinControl::WndProc(message);
        if (cell.isValid() && cell.column() < columns_.Count())
            CellClick(Columns(cell.column()));
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
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
