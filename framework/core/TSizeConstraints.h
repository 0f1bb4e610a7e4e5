// Size limits of a control; 0 means no limit.
#pragma once

#include "framework/core/TObject.h"

#include <functional>

class TSizeConstraints : public TPersistent {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
public:
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetMinWidth(int v) { Set(minWidth_, v); }
    void SetMinHeight(int v) { Set(minHeight_, v); }
    void SetMaxWidth(int v) { Set(maxWidth_, v); }
    void SetMaxHeight(int v) { Set(maxHeight_, v); }

    // A size brought within the limits.
    int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
    int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }

    std::function<void()> OnChange;

private:
    void Set(int& field, int value);
    static int Constrain(int value, int min, int max);

    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};
