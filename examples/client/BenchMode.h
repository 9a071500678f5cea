// Timing runs of the client for the benchmarks, on the main window built as usual:
//  "--first-paint": the time from the process's start to the first complete paint of the window, in
//    milliseconds, printed and returned as the exit code in microseconds;
//  "--bench-skin N": N skin switches of the whole client (Default and Jade in turn, with a chat, a
//    transfer and the outlook bar showing) against invalidating and painting every window N times; the
//    medians, the ratio and the windows that cost most are printed.
// Both end the process when they are done and leave the settings file as it was.
#pragma once

#include <afxwin.h>

class CMainFrame;

// TRUE when the command line asks for a timing run.
BOOL IsBenchMode(LPCTSTR lpszCommandLine);
// Runs it on the shown main window and ends the process.
BOOL RunBenchMode(LPCTSTR lpszCommandLine, CMainFrame* pFrame);
