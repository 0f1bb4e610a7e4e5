// A read-only grid over a data source: one column per field, a title row, a row indicator,
// lines between rows and columns. The current row is the data set's; mouse and keys move it.
#pragma once

#include "framework/controls/TColumn.h"
#include "framework/core/TCollection.h"
#include "framework/core/TWinControl.h"
#include "framework/data/TDataLink.h"
#include "framework/data/TDataSource.h"

#include <memory>

class DBGridModel;
class DBGridIndicator;
class QTableView;
class TTimer;

class TDBGrid : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(TFont* TitleFont READ TitleFont)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(TDBGridOptions Options READ Options WRITE SetOptions)
public:
    enum TDBGridOption {
        dgEditing = 0x1,
        dgTitles = 0x2,
        dgIndicator = 0x4,
        dgColumnResize = 0x8,
        dgColLines = 0x10,
        dgRowLines = 0x20,
        dgTabs = 0x40,
        dgRowSelect = 0x80,
        dgAlwaysShowSelection = 0x100,
        dgConfirmDelete = 0x200,
        dgCancelOnExit = 0x400,
    };
    Q_DECLARE_FLAGS(TDBGridOptions, TDBGridOption)
    Q_FLAG(TDBGridOptions)

    explicit TDBGrid(TComponent* AOwner);
    ~TDBGrid() override;

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source);
    TFont* TitleFont() const { return titleFont_.get(); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);

    int ColumnCount() const { return columns_.Count(); }
    TColumn* Columns(int index) const;
    // The field of the selected cell in the current row, or null while closed.
    TField* SelectedField() const;

    void WndProc(TMessage& message) override;
    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    std::function<void(TColumn* Column)> OnCellClick;

protected:
    LRESULT DialogCode() const override;
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void FontChanged() override;
    // Flat (Ctl3D off) is a plain one-pixel frame, else the sunken one.
    void Ctl3DChanged() override;
    virtual void CellClick(TColumn* column);
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    class Link : public TDataLink {
    public:
        explicit Link(TDBGrid* grid) : grid_(grid) {}

    protected:
        void ActiveChanged() override { grid_->Rebuild(); }
        void DataSetChanged() override { grid_->Rebuild(); }
        void DataSetScrolled(int) override { grid_->SyncCurrentRow(); }

    private:
        TDBGrid* grid_;
    };

    QTableView* View() const;
    void Rebuild();
    void SyncCurrentRow();
    void MoveToRow(int row);
    void MoveRows(int count);
    // The data cell under a point in window coordinates; column -1 when there is none.
    QModelIndex CellAt(LPARAM position) const;
    // A drag with the left button held moves the current row with the pointer; past the top or
    // bottom of the rows the list scrolls, a row at a time, while the pointer stays there.
    void DragTo(LPARAM position);
    void SetDragScroll(int step);
    void EndDrag();
    void ScrollSideways(int distance);
    void KeepHighlightOnCurrentRow(const QModelIndex& current);
    bool HandleNavigationKey(std::uint16_t key, TShiftState shift);
    void ApplyOptions();

    Link link_{this};
    std::unique_ptr<TFont> titleFont_;
    TCollection columns_;
    DBGridModel* model_ = nullptr;         // owned by the view
    DBGridIndicator* indicator_ = nullptr; // owned by the view
    bool dragging_ = false;                // the left button went down on a data cell
    int dragScroll_ = 0;                   // rows per tick past an edge: -1, 0 or 1
    std::unique_ptr<TTimer> dragScrollTimer_;
    bool readOnly_ = false;
    TDBGridOptions options_;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TDBGrid::TDBGridOptions)
