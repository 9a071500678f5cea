#include "ResourceCounter.h"

#include <winternl.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "MessagePump.h"
#include "Watchdog.h"

namespace riztest {

namespace {

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

const GdiHandleEntry* GdiHandleTable() {
    PROCESS_BASIC_INFORMATION info = {};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info),
                                    nullptr) != 0 ||
        !info.PebBaseAddress)
        return nullptr;
    const auto* peb = reinterpret_cast<const std::uint8_t*>(info.PebBaseAddress);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + kPebGdiSharedHandleTable);
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
    // The system's per-thread IME window comes and goes with the thread's first window: not a leak.
    TCHAR cls[16] = {};
    ::GetClassName(hWnd, cls, 16);
    if (lstrcmp(cls, TEXT("IME")) == 0) return TRUE;
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountChild, lParam);  // walks all descendants
    return TRUE;
}

}  // namespace

int CountGdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported) return static_cast<int>(reported);
    const GdiHandleEntry* table = GdiHandleTable();
    if (!table) return -1;
    int n = 0;
    for (int i = 0; i < kGdiHandleCount; ++i)
        if (table[i].type != 0 && !(table[i].unique & kStockFlag)) ++n;
    return n;
}

int CountThreadWindows() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&n));
    return n;
}

void ExpectCyclesLeakNothing(const std::function<void(int)>& cycle) {
    for (int k = 0; k < 20; ++k)
        cycle(k);
    PumpUntilIdle();
    FreeTemporaries();
    const ResourceSnapshot before;
    const int nCycles = SoakCycles();
    for (int k = 0; k < nCycles; ++k) {
        cycle(k);
        if (k % 100 == 0) PumpUntilIdle();
    }
    PumpUntilIdle();
    FreeTemporaries();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}

}  // namespace riztest
