// The program entry point for hosts whose application object is a CWinApp: the framework's WinMain.
// It lives in a static library because an entry point cannot come from a DLL; the library's link
// options make the linker take it. WinMain serves both character sets (the wide command line is read
// in the Unicode build); wWinMain serves hosts that link with -municode.
#include <afxwin.h>

#ifdef _UNICODE
extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR /*lpCmdLine*/,
                              int nCmdShow) {
    // NULL lets AfxWinInit take the wide command line after the program name.
    return AfxWinMain(hInstance, hPrevInstance, nullptr, nCmdShow);
}
#else
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
#endif
