// Framework page: text in English and Chinese and the basic shapes, drawn through the GDI wrappers.
#include "../GalleryPage.h"

namespace {

class CFrameworkPage : public CGalleryPaintPage {
public:
    LPCTSTR GetName() const override { return _T("framework"); }
    LPCTSTR GetTitle() const override { return _T("Framework drawing"); }

protected:
    void Paint(CDC* pDC, const CRect& rcClient) override;

private:
    void PaintLessonCard(CDC* pDC, const CRect& rc, LPCTSTR lpszTitle, LPCTSTR lpszBody, COLORREF crAccent);
};

REGISTER_GALLERY_PAGE(CFrameworkPage);

void CFrameworkPage::PaintLessonCard(CDC* pDC, const CRect& rc, LPCTSTR lpszTitle, LPCTSTR lpszBody,
                                     COLORREF crAccent) {
    CBrush brFill(RGB(250, 250, 245));
    CPen penFrame(PS_SOLID, 1, crAccent);
    CBrush* pOldBrush = pDC->SelectObject(&brFill);
    CPen* pOldPen = pDC->SelectObject(&penFrame);
    pDC->RoundRect(rc, CPoint(12, 12));
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);

    CRect rcBand(rc.left + 1, rc.top + 1, rc.left + 8, rc.bottom - 1);
    pDC->FillSolidRect(&rcBand, crAccent);

    CFont fontTitle;
    fontTitle.CreatePointFont(120, _T("宋体"), pDC);
    CFont* pOldFont = pDC->SelectObject(&fontTitle);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(30, 30, 30));
    pDC->TextOut(rc.left + 18, rc.top + 10, lpszTitle);

    CFont fontBody;
    fontBody.CreatePointFont(100, _T("宋体"), pDC);
    pDC->SelectObject(&fontBody);
    pDC->SetTextColor(RGB(80, 80, 80));
    CRect rcBody(rc.left + 18, rc.top + 36, rc.right - 10, rc.bottom - 8);
    pDC->DrawText(lpszBody, -1, &rcBody, DT_WORDBREAK | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CFrameworkPage::Paint(CDC* pDC, const CRect& rcClient) {
    pDC->FillSolidRect(&rcClient, RGB(255, 255, 255));

    CFont fontHeading;
    fontHeading.CreatePointFont(160, _T("Tahoma"), pDC);
    CFont* pOldFont = pDC->SelectObject(&fontHeading);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(20, 60, 120));
    pDC->TextOut(20, 14, CString(_T("Study plan · 学习计划")));
    pDC->SelectObject(pOldFont);

    PaintLessonCard(pDC, CRect(20, 60, 380, 160), _T("Lesson 3: Greetings"),
                    _T("Hello, how are you? Fine, thank you. Practise the dialogue with a partner."),
                    RGB(40, 120, 200));
    PaintLessonCard(pDC, CRect(400, 60, 780, 160), _T("第三课：问候"),
                    _T("你好！你好吗？我很好，谢谢。和同伴一起练习对话。"), RGB(200, 80, 40));

    // Shapes: lines, rectangles, ellipses, a polygon and 3D frames.
    CRect rcShapes(20, 190, 780, 360);
    pDC->Draw3dRect(&rcShapes, RGB(255, 255, 255), RGB(128, 128, 128));
    CPen penBlue(PS_SOLID, 2, RGB(40, 90, 200));
    CPen* pOldPen = pDC->SelectObject(&penBlue);
    for (int i = 0; i < 6; ++i) {
        pDC->MoveTo(40 + i * 12, 210);
        pDC->LineTo(40 + i * 12, 340);
    }
    CBrush brGreen(RGB(90, 170, 90));
    CBrush* pOldBrush = pDC->SelectObject(&brGreen);
    pDC->Rectangle(140, 210, 260, 340);
    CBrush brOrange(RGB(240, 160, 40));
    pDC->SelectObject(&brOrange);
    pDC->Ellipse(290, 210, 420, 340);
    CBrush brPurple(RGB(150, 90, 190));
    pDC->SelectObject(&brPurple);
    POINT star[] = {{520, 210}, {545, 260}, {600, 265}, {560, 300}, {575, 340},
                    {520, 315}, {465, 340}, {480, 300}, {440, 265}, {495, 260}};
    pDC->Polygon(star, _countof(star));
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    pDC->Draw3dRect(630, 220, 120, 50, RGB(255, 255, 255), RGB(64, 64, 64));
    pDC->Draw3dRect(630, 280, 120, 50, RGB(64, 64, 64), RGB(255, 255, 255));

    // Progress of the week, with prices of the study packs.
    CRect rcBar(20, 390, 780, 410);
    pDC->FillSolidRect(&rcBar, RGB(230, 230, 230));
    CRect rcDone(rcBar);
    rcDone.right = rcBar.left + rcBar.Width() * 62 / 100;
    pDC->FillSolidRect(&rcDone, RGB(60, 160, 90));
    CString strProgress;
    strProgress.Format(_T("%d of %d lessons done (%d%%) · 已完成 %d 课"), 31, 50, 62, 31);
    CFont fontText;
    fontText.CreatePointFont(90, _T("Tahoma"), pDC);
    pOldFont = pDC->SelectObject(&fontText);
    pDC->SetTextColor(RGB(30, 30, 30));
    pDC->TextOut(20, 420, strProgress);
    CString strPrice;
    strPrice.Format(_T("Word book pack: $%.2f   单词包：￥%.2f"), 4.99, 29.0);
    pDC->TextOut(20, 445, strPrice);
    pDC->SelectObject(pOldFont);
}

}  // namespace
