// List figures: the skinned list view (report view with its header), tree and list box repainted with
// 100 and with 100,000 items against the system control of the same size showing the same rows, and
// the skinned header painting 5 and 50 columns against the system header. Both draw only what shows,
// so the figures should stay flat from 100 to 100,000 items.
#include <RIZuruzezu.h>

#include <functional>
#include <memory>

#include "Bench.h"
#include "BenchWindows.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kRepaints = 100;

class CListBenchParent : public CWnd {
public:
    BOOL CreateParent() {
        return CreateEx(0,
                        AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        _T("list bench"), WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 2 * kWidth + 30,
                        kHeight + 20, NULL, NULL);
    }
};

// The window, its frame and its children (a list view's header) repainted n times.
std::function<void(int)> RepaintAll(HWND hWnd) {
    return [hWnd](int n) {
        for (int i = 0; i < n; ++i)
            ::RedrawWindow(hWnd, NULL, NULL,
                           RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
}

// One control kind: fills a window of its class with nItems items.
struct ListKind {
    const char* name;
    LPCTSTR lpszClass;
    DWORD dwStyle;
    std::function<CWnd*()> make;
    std::function<void(HWND, int)> fill;
};

void FillListView(HWND hWnd, int nItems) {
    const LPCTSTR columns[] = {_T("Word"), _T("Meaning"), _T("Added")};
    for (int c = 0; c < 3; ++c) {
        LVCOLUMN col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 100;
        col.pszText = const_cast<LPTSTR>(columns[c]);
        ::SendMessage(hWnd, LVM_INSERTCOLUMN, c, reinterpret_cast<LPARAM>(&col));
    }
    ::SendMessage(hWnd, LVM_SETITEMCOUNT, nItems, 0);
    TCHAR szText[32];
    for (int i = 0; i < nItems; ++i) {
        wsprintf(szText, _T("word %d"), i);
        LVITEM item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = szText;
        ::SendMessage(hWnd, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        ::SendMessage(hWnd, LVM_SETITEMTEXT, i, reinterpret_cast<LPARAM>(&item));
    }
}

void FillTree(HWND hWnd, int nItems) {
    TCHAR szText[32];
    HTREEITEM hBook = NULL;
    for (int i = 0; i < nItems; ++i) {
        wsprintf(szText, i % 100 == 0 ? _T("Book %d") : _T("Lesson %d"), i);
        TVINSERTSTRUCT tvi = {};
        tvi.hParent = i % 100 == 0 ? TVI_ROOT : hBook;
        tvi.hInsertAfter = TVI_LAST;
        tvi.item.mask = TVIF_TEXT;
        tvi.item.pszText = szText;
        const auto hItem = reinterpret_cast<HTREEITEM>(
            ::SendMessage(hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&tvi)));
        if (i % 100 == 0) hBook = hItem;
        if (i == 0) ::SendMessage(hWnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hItem));
    }
}

void FillListBox(HWND hWnd, int nItems) {
    ::SendMessage(hWnd, LB_INITSTORAGE, nItems, nItems * 16);
    TCHAR szText[32];
    for (int i = 0; i < nItems; ++i) {
        wsprintf(szText, _T("Unit %d"), i);
        ::SendMessage(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szText));
    }
}

const ListKind kKinds[] = {
    {"list view (report, 3 columns)", WC_LISTVIEW, LVS_REPORT, [] { return new CQVListCtrl; }, FillListView},
    {"tree", WC_TREEVIEW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, [] { return new CQVTreeCtrl; },
     FillTree},
    {"list box", _T("LISTBOX"), LBS_NOINTEGRALHEIGHT | WS_VSCROLL, [] { return new CQVListBox; },
     FillListBox},
};

HWND CreateFilled(const ListKind& kind, CWnd* pParent, int x, int nItems) {
    const HWND hWnd =
        ::CreateWindowEx(WS_EX_CLIENTEDGE, kind.lpszClass, _T(""), WS_CHILD | kind.dwStyle, x, 10, kWidth,
                         kHeight, pParent->m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
    if (!hWnd) return NULL;
    ::SendMessage(hWnd, WM_SETREDRAW, FALSE, 0);
    kind.fill(hWnd, nItems);
    ::SendMessage(hWnd, WM_SETREDRAW, TRUE, 0);
    ::ShowWindow(hWnd, SW_SHOWNA);
    return hWnd;
}

// Per kind and item count: the system control against the same control skinned, the same rows showing.
void ListSuite() {
    CListBenchParent parent;
    if (!parent.CreateParent()) return;
    for (const ListKind& kind : kKinds) {
        for (int nItems : {100, 100000}) {
            const HWND hSystem = CreateFilled(kind, &parent, 10, nItems);
            const HWND hSkinned = CreateFilled(kind, &parent, kWidth + 20, nItems);
            std::unique_ptr<CWnd> pSkinned(kind.make());
            if (!hSystem || !hSkinned || !pSkinned->SubclassWindow(hSkinned)) return;
            parent.UpdateWindow();
            rizbench::PumpPending();
            char szName[128];
            wsprintfA(szName, "%s, %d items, %dx%d", kind.name, nItems, kWidth, kHeight);
            rizbench::Suite suite(szName, "the system control: repaint with frame and header",
                                  RepaintAll(hSystem), kRepaints);
            suite.Add("skinned: repaint with frame and header", RepaintAll(hSkinned));
            if (auto* pList = dynamic_cast<CQVListCtrl*>(pSkinned.get()))
                pList->UnsubclassWindow();
            else
                pSkinned->UnsubclassWindow();
            ::DestroyWindow(hSkinned);
            ::DestroyWindow(hSystem);
            rizbench::PumpPending();
        }
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register
    s_registerLists(&ListSuite,
                    {"{list view (report, 3 columns)|tree|list box}, {100|100000} items, 320x240"});

// A header of 5 and of 50 columns, 80 pixels each, in a window 600 wide: the skinned one draws the
// items that show, the system one its own way.
void HeaderSuite() {
    CListBenchParent parent;
    if (!parent.CreateParent()) return;
    for (int nColumns : {5, 50}) {
        CHeaderCtrl system;
        CQVHeaderCtrl skinned;
        if (!system.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(10, 10, 610, 34), &parent, 1) ||
            !skinned.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(10, 50, 610, 74), &parent, 2))
            return;
        TCHAR szText[32];
        for (int i = 0; i < nColumns; ++i) {
            wsprintf(szText, _T("Column %d"), i + 1);
            HDITEM hdi = {};
            hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            hdi.cxy = 80;
            hdi.fmt = HDF_LEFT | HDF_STRING;
            hdi.pszText = szText;
            system.InsertItem(i, &hdi);
            skinned.InsertItem(i, &hdi);
        }
        parent.UpdateWindow();
        rizbench::PumpPending();
        char szName[96];
        wsprintfA(szName, "Header paint, %d columns, 600 pixels wide", nColumns);
        rizbench::Suite suite(szName, "the system header: Invalidate + UpdateWindow",
                              rizbench::Repaint(system), 200);
        suite.Add("skinned header: Invalidate + UpdateWindow", rizbench::Repaint(skinned));
        system.DestroyWindow();
        skinned.DestroyWindow();
    }
    parent.DestroyWindow();
    rizbench::PumpPending();
}

const rizbench::Register s_registerHeaders(&HeaderSuite, {"Header paint, {5|50} columns, 600 pixels wide"});

}  // namespace
