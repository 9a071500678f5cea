// The counting behind QVCountGdiObjects and QVCountThreadWindows, inline so that the test kit, which
// does not load the library, counts the same way.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace qvcount {

// One entry of the GDI handle table the system maps into every process (PEB::GdiSharedHandleTable).
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;  // bit 7: stock object; high byte: generation
    std::uint8_t type;     // 0: free entry
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry is 24 bytes on x64");

constexpr int kGdiHandleCount = 0x10000;
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;  // offset in the x64 PEB
constexpr std::uint16_t kStockFlag = 0x80;

inline const GdiHandleEntry* GdiHandleTable() {
    PROCESS_BASIC_INFORMATION info = {};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info),
                                    nullptr) != 0 ||
        !info.PebBaseAddress)
        return nullptr;
    const auto* peb = reinterpret_cast<const std::uint8_t*>(info.PebBaseAddress);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + kPebGdiSharedHandleTable);
}

inline BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

inline BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
    TCHAR cls[16] = {};
    ::GetClassName(hWnd, cls, 16);
    if (lstrcmp(cls, TEXT("IME")) == 0) return TRUE;
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountChild, lParam);  // walks all descendants
    return TRUE;
}

// Live GDI objects of this process, stock objects excluded; -1 when they cannot be counted.
inline int GdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported) return static_cast<int>(reported);
    const GdiHandleEntry* table = GdiHandleTable();
    if (!table) return -1;
    int n = 0;
    for (int i = 0; i < kGdiHandleCount; ++i)
        if (table[i].type != 0 && !(table[i].unique & kStockFlag)) ++n;
    return n;
}

// Windows of the calling thread and all their descendants, the per-thread IME window excluded.
inline int ThreadWindows() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&n));
    return n;
}

}  // namespace qvcount
