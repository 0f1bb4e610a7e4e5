#include "framework/controls/TDBMemo.h"

#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TDBMemo)

TDBMemo::TDBMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}

TDBMemo::~TDBMemo() {
    link_.SetDataSource(nullptr);
}

void TDBMemo::SetDataSource(TDataSource* source) {
    if (DataSource())
        RemoveFreeNotification(DataSource());
    link_.SetDataSource(source);
    if (source)
        FreeNotification(source);
}

void TDBMemo::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMemo::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == DataSource())
        link_.SetDataSource(nullptr);
}

void TDBMemo::Link::DataSetScrolled(int) {
    // Without a field there is nothing to show for the new row.
    if (memo_->dataField_.isEmpty())
        memo_->SetText(QString());
}
