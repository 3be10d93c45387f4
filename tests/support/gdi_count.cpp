#include "gdi_count.h"

#include <windows.h>

#include <cstddef>

int gdiObjectCount() {
    DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return static_cast<int>(counted);
    // Wine: the handle table pointer sits in the process environment block (at fs:0x30 in a
    // 32-bit process, gs:0x60 in a 64-bit one); 24-byte entries whose type byte (offset 14) is
    // nonzero when in use.
    const BYTE* environment = nullptr;
#if defined(__x86_64__)
    asm("movq %%gs:0x60, %0" : "=r"(environment));
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(environment + 0xf8);
#else
    asm("movl %%fs:0x30, %0" : "=r"(environment));
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(environment + 0x94);
#endif
    if (table == nullptr)
        return -1;
    MEMORY_BASIC_INFORMATION region = {};
    if (VirtualQuery(table, &region, sizeof region) == 0)
        return -1;
    // Only the part of the table that is mapped from here on is read.
    auto mapped = static_cast<std::size_t>(static_cast<const BYTE*>(region.BaseAddress) +
                                           region.RegionSize - table);
    std::size_t entries = mapped / 24;
    if (entries > 0x10000)
        entries = 0x10000;
    int count = 0;
    for (std::size_t i = 0; i < entries; ++i)
        count += table[i * 24 + 14] != 0 ? 1 : 0;
    return count;
}
