#include "framework/forms/StandardClasses.h"

#include "framework/controls/TButton.h"
#include "framework/controls/TDBGrid.h"
#include "framework/controls/TDBMemo.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TImageList.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TMemo.h"
#include "framework/controls/TPanel.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"
#include "framework/data/TDataSource.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"

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
        ClassRegistry::Register<TImageList>();
        ClassRegistry::Register<TMainMenu>();
        ClassRegistry::Register<TMenuItem>();
        ClassRegistry::Register<TPopupMenu>();
        return true;
    }();
    (void)registered;
}
