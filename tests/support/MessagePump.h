// Message pumping and posted input, so that tests drive windows and modal loops without blocking.
#pragma once

#include <windows.h>

namespace riztest {

// Dispatches every queued message of this thread until the queue stays empty (or maxMillis pass).
// Returns the number of messages dispatched.
int PumpUntilIdle(DWORD maxMillis = 2000);

// Dispatches messages as an application's loop does, each through the framework's pre-translation
// (AfxPreTranslateMessage: tooltips, dialog keys, a control's own keys) first; stops at WM_QUIT.
// Stops when the queue is empty or millis pass; with wholeTime it pumps for all of millis, waiting
// for messages in between, so that timers and the system's own polling run.
int PumpMessages(DWORD millis, bool wholeTime = false);

// Posts one mouse message with the point in client coordinates of hWnd.
void PostMouse(HWND hWnd, UINT message, int x, int y, WPARAM keys = 0);

// Posts a full left click (button down, then up) at a client point.
void PostClick(HWND hWnd, int x, int y);

// Posts a key press (WM_KEYDOWN then WM_KEYUP) for a virtual key.
void PostKey(HWND hWnd, UINT vk);

// Posts WM_CHAR for each character of the text.
void PostChars(HWND hWnd, const TCHAR* text);

}  // namespace riztest
