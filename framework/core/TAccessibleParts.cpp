#include "framework/core/TAccessibleParts.h"

#include "framework/platform/PartsAccessible.h"

TAccessibleParts::TAccessibleParts() {
    PartsAccessible::Install();
}
