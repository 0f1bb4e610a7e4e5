// The message library carried inside the executable as resource "_" of type "MDB".
#include "framework/platform/ResourceStore.h"

#include <cstddef>

__asm__(".section .rodata\n"
        ".balign 16\n"
        ".global duanxin_library_begin\n"
        "duanxin_library_begin:\n"
        ".incbin \"" DUANXIN_LIBRARY_FILE "\"\n"
        ".global duanxin_library_end\n"
        "duanxin_library_end:\n"
        ".previous\n");

extern "C" const std::byte duanxin_library_begin[];
extern "C" const std::byte duanxin_library_end[];

namespace {
const bool kRegistered = [] {
    ResourceStore::Register(QStringLiteral("_"), QStringLiteral("MDB"),
                            {duanxin_library_begin, duanxin_library_end});
    return true;
}();
} // namespace
