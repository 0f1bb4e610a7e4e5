#include "framework/controls/TEdit.h"

#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TEdit)
