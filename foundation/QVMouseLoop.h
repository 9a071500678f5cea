// The mouse on one window: leave tracking, and the modal loop of a press or drag.
#pragma once

#include "QVAliveToken.h"

#include <functional>

// How a mouse loop ended.
enum QVMouseLoopResult {
    QVML_ENDED,         // a handler ended it (usually on the button's release)
    QVML_CANCELLED,     // Escape, or a handler cancelled it
    QVML_CAPTURE_LOST,  // the window no longer holds the capture (another window took it, or it was released)
    QVML_QUIT,          // WM_QUIT arrived; it is posted again so that the outer loop ends too
    QVML_DESTROYED,     // the window or its object went away during the loop: touch neither again
};

// What a handler tells the loop to do with the message it was given.
enum QVMouseLoopStep {
    QVML_CONTINUE,  // handled (or dropped); the loop goes on
    QVML_DISPATCH,  // translated and dispatched as usual; the loop goes on
    QVML_END,       // the loop ends with QVML_ENDED
    QVML_CANCEL,    // the loop ends with QVML_CANCELLED
};

// Made where a press starts: takes the mouse capture for the window. Run pumps the thread's messages,
// handing mouse moves, the left button's release and key presses to the handlers set, and dispatching
// the rest (timers, paints and other windows go on working), until a handler ends the loop, the capture
// is lost, WM_QUIT arrives or the window or its object is destroyed. After every handler and every
// dispatch the loop checks the alive token first, so a handler may destroy the window safely. The
// capture is released when the loop ends (if still held) and when the object goes out of scope.
class RIZ_API CQVMouseLoop {
public:
    typedef std::function<QVMouseLoopStep(const CPoint& pt)> CPointHandler;
    typedef std::function<QVMouseLoopStep(const MSG& msg)> CMessageHandler;

    // The token tells when the window's object is gone; by default the window's own token.
    explicit CQVMouseLoop(CWnd* pWnd);
    CQVMouseLoop(CWnd* pWnd, const CQVAliveToken& alive);
    ~CQVMouseLoop();
    CQVMouseLoop(const CQVMouseLoop&) = delete;
    CQVMouseLoop& operator=(const CQVMouseLoop&) = delete;

    // WM_MOUSEMOVE, with the point in the window's client coordinates; by default dispatched.
    void SetMoveHandler(CPointHandler handler) { m_onMove = std::move(handler); }
    // WM_LBUTTONUP, the point as above; by default the loop ends.
    void SetButtonUpHandler(CPointHandler handler) { m_onButtonUp = std::move(handler); }
    // WM_KEYDOWN; by default Escape cancels and other keys are dropped.
    void SetKeyHandler(CMessageHandler handler) { m_onKey = std::move(handler); }
    // Every other message; by default dispatched.
    void SetMessageHandler(CMessageHandler handler) { m_onMessage = std::move(handler); }

    QVMouseLoopResult Run();

    // The point of a mouse message in the window's client coordinates (messages of other windows are
    // mapped).
    CPoint ClientPoint(const MSG& msg) const;

private:
    QVMouseLoopStep Handle(const MSG& msg);
    QVMouseLoopResult Finish(QVMouseLoopResult result);

    HWND m_hWnd;
    CQVAliveToken m_alive;
    CPointHandler m_onMove;
    CPointHandler m_onButtonUp;
    CMessageHandler m_onKey;
    CMessageHandler m_onMessage;
};

// Asks for one WM_MOUSELEAVE (WM_NCMOUSELEAVE when bNonClient) when the mouse leaves the window. The
// system ends the request when it posts the message, so a control calls this again on the next entry.
// Returns FALSE when the window is not a window or the system refused.
RIZ_API BOOL QVTrackMouseLeave(HWND hWnd, BOOL bNonClient = FALSE);
