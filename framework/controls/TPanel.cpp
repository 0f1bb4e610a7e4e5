#include "framework/controls/TPanel.h"

#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TPanel)
