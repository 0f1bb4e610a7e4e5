// The Windows font names that form descriptions use, mapped once at start-up to families this
// system has.
#pragma once

class FontSubstitutes {
public:
    static void Install();
};
