#include "framework/controls/TMemo.h"

#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TMemo)
