#include "framework/forms/StandardClasses.h"

#include "framework/controls/TButton.h"
#include "framework/controls/TDBGrid.h"
#include "framework/controls/TDBMemo.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TMemo.h"
#include "framework/controls/TPanel.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"
#include "framework/data/TDataSource.h"
#include "framework/forms/ClassRegistry.h"

void RegisterStandardClasses() {
    static const bool registered = [] {
        ClassRegistry::Register<TButton>();
        ClassRegistry::Register<TDBGrid>();
        ClassRegistry::Register<TDBMemo>();
        ClassRegistry::Register<TEdit>();
        ClassRegistry::Register<TLabel>();
        ClassRegistry::Register<TMemo>();
        ClassRegistry::Register<TPanel>();
        ClassRegistry::Register<TADOConnection>();
        ClassRegistry::Register<TADOQuery>();
        ClassRegistry::Register<TDataSource>();
        return true;
    }();
    (void)registered;
}
