#include "framework/core/TSizeConstraints.h"

#include <algorithm>

void TSizeConstraints::Set(int& field, int value) {
    value = std::max(0, value);
    if (field == value)
        return;
    field = value;
    if (OnChange)
        OnChange();
}

int TSizeConstraints::Constrain(int value, int min, int max) {
    if (max > 0)
        value = std::min(value, max);
    if (min > 0)
        value = std::max(value, min);
    return value;
}
