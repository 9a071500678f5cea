// What the contact-list tests share: solid-colour pictures, surfaces read as CDCs, text drawn the way
// the items draw it, a list window that records every callback, and a shown host for real input.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "IMListWnd.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "TestImage.h"
#include "TMBUserIcon.h"

namespace imtest {

using riztest::PumpMessages;

// A one-frame picture of one colour.
void SolidBitmap(CQVBitmap& bmp, int cx, int cy, COLORREF color);

inline CDC* Dc(const riztest::Surface& surface) {
    return CDC::FromHandle(surface.Dc());
}

// Pixels of rc that differ between two surfaces.
int CountDifferent(const riztest::Surface& a, const riztest::Surface& b, const RECT& rc);
// The bounding box of the pixels of rc near a colour; empty when none.
CRect FindColor(const riztest::Surface& surface, const RECT& rc, COLORREF color, int tolerance = 0);

// Draws text as the items do: the default face at nPointSize, transparent, one centred line.
void DrawItemText(CDC* pDC, const CString& strText, CRect rc, COLORREF color, int nPointSize,
                  UINT nExtra = 0);

// One callback as the test subclass saw it.
struct Call {
    enum Kind {
        GROUP_CLICK,
        TEAM_CLICK,
        USER_CLICK,
        GROUP_DBCLICK,
        TEAM_DBCLICK,
        USER_DBCLICK,
        USER_MOVE,
        USER_IMAGE_MOVE,
        USER_IMAGE_LEAVE,
        TEAM_MOVE,
        SPARKLE_DBCLICK,
    };
    Kind kind;
    const void* pItem;
};

// Records every callback; a test may attach an action run after the record (to delete, destroy...).
class CRecordingList : public CIMListWnd {
public:
    std::vector<Call> m_calls;
    std::function<void(const Call&)> m_action;

    int Count(Call::Kind kind) const;
    void Clear() { m_calls.clear(); }

    void OnGroupButtonClick(CIMGroupButton* pGroup) override { Record(Call::GROUP_CLICK, pGroup); }
    void OnTeamItemClick(CIMListTeamItem* pTeam) override { Record(Call::TEAM_CLICK, pTeam); }
    void OnUserItemClick(CIMListUserItem* pUser) override { Record(Call::USER_CLICK, pUser); }
    void OnGroupButtonDBClick(CIMGroupButton* pGroup) override { Record(Call::GROUP_DBCLICK, pGroup); }
    void OnTeamItemDBClick(CIMListTeamItem* pTeam) override { Record(Call::TEAM_DBCLICK, pTeam); }
    void OnUserItemDBClick(CIMListUserItem* pUser) override { Record(Call::USER_DBCLICK, pUser); }
    void OnUserItemMouseMove(CIMListUserItem* pUser) override { Record(Call::USER_MOVE, pUser); }
    void OnUserItemImageMouseMove(CIMListUserItem* pUser) override { Record(Call::USER_IMAGE_MOVE, pUser); }
    void OnUserItemImageMouseLeave() override { Record(Call::USER_IMAGE_LEAVE, nullptr); }
    void OnTeamItemMouseMove(CIMListTeamItem* pTeam) override { Record(Call::TEAM_MOVE, pTeam); }
    void OnSparkleItemDBClick() override { Record(Call::SPARKLE_DBCLICK, nullptr); }

private:
    void Record(Call::Kind kind, const void* pItem);
};

// A shown top-level window at (60, 60) that hosts the list.
class CHostWnd : public CWnd {
public:
    BOOL Create(int cx, int cy);
};

void ParkCursor();
// Moves the pointer away and sends the window that was under it its leave (its tracking cancelled).
void Leave();
// Real input: the pointer is moved and the button pressed by SendInput, so that hover tracking,
// GetKeyState and timer 2 see it.
void MoveTo(HWND hWnd, CPoint pt);
void ButtonDown();
void ButtonUp();
void Click(HWND hWnd, CPoint pt);
// The pointer moved there, then the messages of a double click posted: it does not depend on two
// clicks landing within the system's double-click time.
void DoubleClick(HWND hWnd, CPoint pt);
// Waits until the window is on screen under its own centre.
void WaitUntilShown(HWND hWnd);
// The client area as it is on screen, without repainting.
void ReadClient(HWND hWnd, const riztest::Surface& target);

// Fixture: a host with a list 200 x 300 at (0, 0), three groups, teams and users with the skin's pictures.
class ListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void CreateList(int cx = 200, int cy = 300);
    // "G0".."G2"; G1 holds teams "T0" (5 users, statuses 6,5,4,2,1) and "T1" (3 users); G0 and G2 one
    // team of two users.
    void Fill();
    CIMGroupButton* Group(int n) const { return m_list.GetGroup(n); }
    CIMListTeamItem* Team(int nGroup, int nTeam) const;
    // Whole window against a fresh paint into a surface.
    int DiffFromFreshPaint();
    // Sends the list n ticks of one of its timers, as the system would.
    void Tick(UINT_PTR nTimer, int n = 1);
    // Steps every slide to its end by sent animation ticks, and one tick more that stops the timer.
    void FinishSlides();

    CHostWnd m_host;
    CRecordingList m_list;
};

}  // namespace imtest
