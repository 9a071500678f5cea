// The file transfers page: a skinned dialog of a chat's transfers. Its areas:
//  - left (x 12-330): today's transfers (y 30-380): a listening file received at 47 % with its speed
//    (hovered, its cancel link under the mouse), a word list sent and finished, an essay that failed with
//    a detail, a folder of class photos offered as an offline file, a refused and a cancelled row;
//  - right (x 345-628): earlier transfers (y 30-200), more rows than fit, scrolled to the last one added,
//    and below them (y 220-380) a received file finished with its open and open-folder links.
// Every text comes from the language table.
#include "../GalleryCanvasDialog.h"

namespace {

GUID TransferId(unsigned long n) {
    GUID id = {0x7a3c0000UL + n, 0x51d2, 0x4e8b, {0x9f, 0x10, 0x2c, 0x44, 0x00, 0x00, 0x00, 0x01}};
    return id;
}

class CFileTransfersDlg : public CGalleryCanvasDialog {
public:
    CFileTransfersDlg() : CGalleryCanvasDialog(_T("IDS_GALLERY_XFER_DIALOG")) {}

protected:
    void CreateContent() override {
        Caption(m_todayCaption, _T("IDS_GALLERY_XFER_TODAY"), CRect(12, 10, 330, 26), kIdTodayCaption);
        Caption(m_earlierCaption, _T("IDS_GALLERY_XFER_EARLIER"), CRect(345, 10, 628, 26), kIdEarlierCaption);
        Caption(m_doneCaption, _T("IDS_GALLERY_XFER_DONE"), CRect(345, 200, 628, 216), kIdDoneCaption);
        CreateToday();
        CreateEarlier();
        CreateDone();
    }

    void MakeList(CQVFileTransferList& list, const CRect& rc, UINT nID) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, this, nID);
        list.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    }

    void CreateToday() {
        MakeList(m_today, CRect(12, 30, 330, 380), kIdToday);
        const unsigned __int64 kMB = 1024 * 1024;
        m_today.AddItem(TransferId(1), GalleryKeyText(_T("IDS_GALLERY_XFER_F_LISTENING")), 12 * kMB, FALSE,
                        FALSE, FALSE);
        m_today.SetItemTransferType(TransferId(1), QVTT_RELAY);
        m_today.SetItemStatus(TransferId(1), QVTFS_TRANSFERRING, _T(""));
        m_today.UpdateTransferProgress(TransferId(1), 12 * kMB * 47 / 100, 47, 286.4f);
        m_today.AddItem(TransferId(2), GalleryKeyText(_T("IDS_GALLERY_XFER_F_VOCABULARY")), 84 * 1024, TRUE,
                        FALSE, FALSE);
        m_today.SetItemTransferType(TransferId(2), QVTT_DIRECT);
        m_today.SetItemStatus(TransferId(2), QVTFS_FINISHED, _T(""));
        m_today.AddItem(TransferId(3), GalleryKeyText(_T("IDS_GALLERY_XFER_F_ESSAY")), 310 * 1024, TRUE,
                        FALSE, FALSE);
        m_today.SetItemStatus(TransferId(3), QVTFS_FAILED, GalleryKeyText(_T("IDS_GALLERY_XFER_DETAIL")));
        m_today.AddItem(TransferId(4), GalleryKeyText(_T("IDS_GALLERY_XFER_F_PHOTOS")), 46 * kMB, FALSE, TRUE,
                        TRUE);
        m_today.AddItem(TransferId(5), GalleryKeyText(_T("IDS_GALLERY_XFER_F_SLIDES")), 5 * kMB, TRUE, FALSE,
                        FALSE);
        m_today.SetItemStatus(TransferId(5), QVTFS_REFUSED, _T(""));
        m_today.AddItem(TransferId(6), GalleryKeyText(_T("IDS_GALLERY_XFER_F_RECORDING")), 2 * kMB, FALSE,
                        FALSE, FALSE);
        m_today.SetItemStatus(TransferId(6), QVTFS_CANCELLED, _T(""));
        // The listening file is hovered, the mouse over its cancel link.
        const tagTransferFileItem* pItem = m_today.FindItem(TransferId(1));
        const CPoint pt = pItem->links.back().rect.CenterPoint();
        m_today.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }

    void CreateEarlier() {
        MakeList(m_earlier, CRect(345, 30, 628, 190), kIdEarlier);
        const LPCTSTR kNames[] = {_T("IDS_GALLERY_XFER_F_GRAMMAR"), _T("IDS_GALLERY_XFER_F_DICTATION"),
                                  _T("IDS_GALLERY_XFER_F_TIMETABLE"), _T("IDS_GALLERY_XFER_F_WORDCARDS")};
        for (unsigned long n = 0; n < 4; ++n) {
            const GUID id = TransferId(20 + n);
            m_earlier.AddItem(id, GalleryKeyText(kNames[n]), (n + 1) * 700 * 1024, n % 2, FALSE, FALSE);
            m_earlier.SetItemTransferType(id, n % 2 ? QVTT_DIRECT : QVTT_RELAY);
            m_earlier.SetItemStatus(id, n == 3 ? QVTFS_CONNECTING : QVTFS_FINISHED, _T(""));
        }
    }

    void CreateDone() {
        MakeList(m_done, CRect(345, 220, 628, 380), kIdDone);
        m_done.AddItem(TransferId(30), GalleryKeyText(_T("IDS_GALLERY_XFER_F_LESSON")), 3 * 1024 * 1024,
                       FALSE, FALSE, TRUE);
        m_done.SetItemDestFile(TransferId(30), _T("C:\\Lessons\\Unit 3, Lesson 2.pdf"));
        m_done.SetItemStatus(TransferId(30), QVTFS_FINISHED, _T(""));
        m_done.AddItem(TransferId(31), GalleryKeyText(_T("IDS_GALLERY_XFER_F_HOMEWORK")), 96 * 1024, FALSE,
                       FALSE, FALSE);
        m_done.SetItemStatus(TransferId(31), QVTFS_CONNECTING, _T(""));
    }

    static constexpr UINT kIdTodayCaption = 1601, kIdEarlierCaption = 1602, kIdDoneCaption = 1603;
    static constexpr UINT kIdToday = 1611, kIdEarlier = 1612, kIdDone = 1613;
    CQVLabel m_todayCaption, m_earlierCaption, m_doneCaption;
    CQVFileTransferList m_today, m_earlier, m_done;

private:
};

class CFileTransfersPage : public CGalleryDialogPage<CFileTransfersDlg> {
public:
    CFileTransfersPage() : CGalleryDialogPage(_T("file-transfers"), _T("File transfers"), L"", L"") {}

protected:
    void Paint(CDC* pDC, const CRect&) override {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(kDialogLeft, kDialogLeft, GalleryKeyText(_T("IDS_GALLERY_XFER_LINE")));
    }
};

}  // namespace

REGISTER_GALLERY_PAGE(CFileTransfersPage);
