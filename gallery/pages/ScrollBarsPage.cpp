// Scroll bars page: windows whose standard scroll bars are drawn from the skin: lesson notes with both
// bars and the size box, the bar on the left, a bar with nothing to scroll, and the word books and
// lessons of a list box and a list view beside the same controls with the system's bars.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>

#include <commctrl.h>
#include <functional>

namespace {

constexpr int kMargin = 16;
constexpr int kCaption = 20;
constexpr int kLineHeight = 18;
const TCHAR kNotesClass[] = _T("RIZGalleryLessonNotes");

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

const LPCTSTR kNotes[] = {
    _T("Unit 1  Greetings: How do you do? Nice to meet you, Mr. Brown."),
    _T("Unit 2  Numbers: twelve, twenty, a hundred and one, a thousand."),
    _T("Unit 3  Time: It is half past seven; the lesson starts at eight."),
    _T("Unit 4  Weather: It looks like rain, so take an umbrella with you."),
    _T("Unit 5  Shopping: How much is this jacket? Can I try it on?"),
    _T("Unit 6  Travel: Which platform does the train to Oxford leave from?"),
    _T("Unit 7  Food: I would like the soup of the day and a glass of water."),
    _T("Unit 8  Health: I have had a sore throat since Monday."),
    _T("Unit 9  Work: Could you send me the report by Friday afternoon?"),
    _T("Unit 10 Hobbies: She has been learning the piano for six years."),
    _T("Unit 11 Sport: Our team won the match three goals to one."),
    _T("Unit 12 Home: The kitchen is next to the living room, on the left."),
    _T("Unit 13 School: We are revising for the end-of-term exam."),
    _T("Unit 14 Films: The story was moving, but the ending was too long."),
    _T("Unit 15 Review: Read the dialogues again and note the new words."),
};

// Notes that scroll by lines and pixels through the platform's scroll-bar functions, as a client's
// own window does; the skinned bars answer them.
LRESULT CALLBACK NotesProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_VSCROLL:
    case WM_HSCROLL: {
        const int nBar = nMsg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        const int nLine = nBar == SB_VERT ? 1 : 16;
        SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(hWnd, nBar, &si);
        const int nPage = static_cast<int>(si.nPage);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            si.nPos -= nLine;
            break;
        case SB_LINEDOWN:
            si.nPos += nLine;
            break;
        case SB_PAGEUP:
            si.nPos -= nPage;
            break;
        case SB_PAGEDOWN:
            si.nPos += nPage;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            si.nPos = si.nTrackPos;
            break;
        default:
            return 0;
        }
        si.fMask = SIF_POS;
        ::SetScrollInfo(hWnd, nBar, &si, TRUE);
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        CDC* pDC = CDC::FromHandle(::BeginPaint(hWnd, &ps));
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        pDC->FillSolidRect(&rc, RGB(252, 252, 248));
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->SetBkMode(TRANSPARENT);
        const int nTop = ::GetScrollPos(hWnd, SB_VERT), nLeft = ::GetScrollPos(hWnd, SB_HORZ);
        for (int i = nTop; i < static_cast<int>(_countof(kNotes)); ++i) {
            pDC->SetTextColor(i % 5 == 0 ? RGB(30, 80, 160) : RGB(40, 40, 40));
            pDC->TextOut(4 - nLeft, 2 + (i - nTop) * kLineHeight, kNotes[i]);
        }
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    }
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
}

// Both ranges of the notes, with the view scrolled to nTop and nLeft.
void SetNotesRanges(HWND hWnd, int nTop, int nLeft, UINT fExtra = 0) {
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    SCROLLINFO vert = {sizeof(vert),
                       SIF_ALL | fExtra,
                       0,
                       static_cast<int>(_countof(kNotes)) - 1,
                       static_cast<UINT>(rc.Height() / kLineHeight),
                       nTop,
                       0};
    SCROLLINFO horz = {sizeof(horz), SIF_ALL, 0, 399, static_cast<UINT>(rc.Width()), nLeft, 0};
    ::SetScrollInfo(hWnd, SB_VERT, &vert, TRUE);
    ::SetScrollInfo(hWnd, SB_HORZ, &horz, TRUE);
}

class CScrollBarsPage : public CGalleryPaintPage {
public:
    LPCTSTR GetName() const override { return _T("scroll-bars"); }
    LPCTSTR GetTitle() const override { return _T("Scroll bars"); }

    BOOL Create(HWND hParent, const RECT& rc) override {
        if (!CGalleryPaintPage::Create(hParent, rc)) return FALSE;
        InstallScrollBarHook();  // the gallery's main installs it too; a second call does nothing
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        WNDCLASS wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = NotesProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kNotesClass;
        ::RegisterClass(&wc);

        const int cx = 250, cy = 170, y1 = 40, y2 = y1 + cy + 40, y3 = y2 + cy + 40;
        const DWORD dwBars = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL;
        HWND hBoth = Child(0, kNotesClass, dwBars, kMargin, y1, cx, cy);
        m_hBoth = hBoth;
        HWND hLeft = Child(WS_EX_LEFTSCROLLBAR, kNotesClass, dwBars, kMargin + cx + 20, y1, cx, cy);
        HWND hShort = Child(0, kNotesClass, dwBars, kMargin + 2 * (cx + 20), y1, cx, 110);
        for (HWND hWnd : {hBoth, hLeft, hShort})
            SubclassScrollBar(hWnd);
        SetNotesRanges(hBoth, 5, 60);
        SetNotesRanges(hLeft, 0, 0);
        // Everything fits: the bar stays, with both arrows disabled.
        SCROLLINFO fits = {sizeof(fits), SIF_ALL | SIF_DISABLENOSCROLL, 0, 3, 6, 0, 0};
        ::SetScrollInfo(hShort, SB_VERT, &fits, TRUE);
        SCROLLINFO horz = {sizeof(horz), SIF_ALL, 0, 399, 230, 120, 0};
        ::SetScrollInfo(hShort, SB_HORZ, &horz, TRUE);

        for (int nSkinned = 1; nSkinned >= 0; --nSkinned) {
            const int x = kMargin + (1 - nSkinned) * (cx + 20);
            HWND hList =
                Child(WS_EX_CLIENTEDGE, _T("LISTBOX"),
                      WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, x, y2, cx, cy);
            if (nSkinned) SubclassScrollBar(hList);
            FillWordBooks(hList);
            HWND hView = Child(WS_EX_CLIENTEDGE, WC_LISTVIEW, WS_CHILD | WS_VISIBLE | LVS_REPORT,
                               kMargin + (1 - nSkinned) * 395, y3, 375, 190);
            if (nSkinned) SubclassScrollBar(hView);
            FillLessons(hView);
        }
        return TRUE;
    }

    // The notes with both bars are shot with their down arrow held: the cursor is placed on the arrow
    // first (the bar reads the press point from the message), the press scrolls one line, the shot shows
    // the pressed cell, and the release ends the press before the repeat starts.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        CRect rc;
        ::GetClientRect(m_hBoth, &rc);
        ::MapWindowPoints(m_hBoth, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        const CPoint ptArrow(rc.right + 8, rc.bottom - 8);
        CPoint ptSaved;
        ::GetCursorPos(&ptSaved);
        ::SetCursorPos(ptArrow.x, ptArrow.y);
        ::PostMessage(m_hBoth, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(ptArrow.x, ptArrow.y));
        PumpNow();
        ::UpdateWindow(m_hBoth);
        ::GdiFlush();
        HBITMAP hShot = capture();
        CPoint ptClient = ptArrow;
        ::ScreenToClient(m_hBoth, &ptClient);
        ::PostMessage(m_hBoth, WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
        PumpNow();
        ::SetCursorPos(ptSaved.x, ptSaved.y);
        return hShot;
    }

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        const int cx = 250, cy = 170, y1 = 40, y2 = y1 + cy + 40, y3 = y2 + cy + 40;
        const struct {
            int x, y;
            LPCTSTR lpszKey;
        } captions[] = {
            {kMargin, y1, _T("IDS_GALLERY_SB_BOTH")},
            {kMargin + cx + 20, y1, _T("IDS_GALLERY_SB_LEFT")},
            {kMargin + 2 * (cx + 20), y1, _T("IDS_GALLERY_SB_DISABLED")},
            {kMargin, y2, _T("IDS_GALLERY_SB_LISTBOX")},
            {kMargin + cx + 20, y2, _T("IDS_GALLERY_SB_SYSTEM")},
            {kMargin, y3, _T("IDS_GALLERY_SB_LISTVIEW")},
            {kMargin + 395, y3, _T("IDS_GALLERY_SB_SYSTEM")},
        };
        for (const auto& c : captions)
            pDC->TextOut(c.x, c.y - kCaption, Text(c.lpszKey));
    }

private:
    // Dispatches what is queued now (the press and the paints it causes), not waiting for timers.
    static void PumpNow() {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }

    HWND m_hBoth = nullptr;
    HWND Child(DWORD dwExStyle, LPCTSTR lpszClass, DWORD dwStyle, int x, int y, int cx, int cy) {
        return ::CreateWindowEx(dwExStyle, lpszClass, _T(""), dwStyle, x, y, cx, cy, GetSafeHwnd(), nullptr,
                                ::GetModuleHandle(nullptr), nullptr);
    }

    static void FillWordBooks(HWND hList) {
        static const LPCTSTR kBooks[] = {
            _T("CET-4 core words (2,000)"),
            _T("CET-6 advanced words (1,500)"),
            _T("Travel English (600)"),
            _T("Business letters and e-mail phrases (450)"),
            _T("IELTS academic word list (570)"),
            _T("Phrasal verbs for everyday talk (300)"),
            _T("Kitchen and food (220)"),
            _T("Health and the body (180)"),
            _T("Computers and the internet (260)"),
            _T("Idioms with colours (90)"),
            _T("Sports and games (150)"),
            _T("Weather and seasons (120)"),
        };
        for (LPCTSTR lpszBook : kBooks)
            ::SendMessage(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszBook));
        ::SendMessage(hList, LB_SETHORIZONTALEXTENT, 360, 0);
        ::SendMessage(hList, LB_SETCURSEL, 2, 0);
    }

    static void FillLessons(HWND hView) {
        static const LPCTSTR kColumns[] = {_T("IDS_GALLERY_SB_COL_LESSON"), _T("IDS_GALLERY_SB_COL_UNIT"),
                                           _T("IDS_GALLERY_SB_COL_WORDS"), _T("IDS_GALLERY_SB_COL_SCORE")};
        static const int kWidths[] = {150, 110, 70, 80};
        for (int i = 0; i < 4; ++i) {
            CString strTitle = Text(kColumns[i]);
            LVCOLUMN col = {};
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.cx = kWidths[i];
            col.pszText = strTitle.GetBuffer();
            ListView_InsertColumn(hView, i, &col);
        }
        for (int i = 0; i < 24; ++i) {
            CString strLesson, strUnit, strWords, strScore;
            strLesson.Format(_T("Lesson %d: %s"), i + 1, i % 2 ? _T("Listening") : _T("Reading"));
            strUnit.Format(_T("Unit %d"), i / 3 + 1);
            strWords.Format(_T("%d"), 20 + (i * 7) % 30);
            strScore.Format(_T("%d%%"), 60 + (i * 13) % 40);
            LVITEM item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = strLesson.GetBuffer();
            ListView_InsertItem(hView, &item);
            ListView_SetItemText(hView, i, 1, strUnit.GetBuffer());
            ListView_SetItemText(hView, i, 2, strWords.GetBuffer());
            ListView_SetItemText(hView, i, 3, strScore.GetBuffer());
        }
        ListView_EnsureVisible(hView, 9, FALSE);
        ListView_SetItemState(hView, 4, LVIS_SELECTED, LVIS_SELECTED);
    }
};

REGISTER_GALLERY_PAGE(CScrollBarsPage);

}  // namespace
