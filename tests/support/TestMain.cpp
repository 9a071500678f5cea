// Entry point of every test program: no crash dialogs, a watchdog against hangs, then the tests.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "Watchdog.h"

namespace {

// Names the module and offset of the faulting address, so a crash can be found with addr2line.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    void* address = info->ExceptionRecord->ExceptionAddress;
    HMODULE module = nullptr;
    char name[MAX_PATH] = "?";
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             static_cast<LPCSTR>(address), &module))
        ::GetModuleFileNameA(module, name, MAX_PATH);
    std::fprintf(
        stderr, "\ncrash: exception 0x%08lx at %p (%s+0x%llx)\n", info->ExceptionRecord->ExceptionCode,
        address, name,
        static_cast<unsigned long long>(static_cast<char*>(address) - reinterpret_cast<char*>(module)));
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 4);
    return EXCEPTION_EXECUTE_HANDLER;
}

// GDI and USER create some objects lazily at their first use (stock objects, the display DC, the
// thread's IME window); doing that once here keeps those out of the tests' leak counts.
void WarmUpGui() {
    for (int i = WHITE_BRUSH; i <= DC_PEN; ++i)
        ::GetStockObject(i);
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    HWND probe =
        ::CreateWindow(TEXT("STATIC"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(probe);
}

}  // namespace

int main(int argc, char** argv) {
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::SetUnhandledExceptionFilter(&ReportCrash);
    WarmUpGui();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new riztest::Watchdog());
    return RUN_ALL_TESTS();
}
