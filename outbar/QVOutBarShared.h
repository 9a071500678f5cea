// What the outlook bar's source files share: timer identifiers, text formats, fixed colours and the
// process-wide state of the bar. Not a public header.
#pragma once

#include "QVOutBarCtrl.h"
#include "QVSelectScope.h"

#include <optional>

namespace outbar {

const UINT_PTR kTimerHover = 1;   // ends the hover once the cursor has left the window
const UINT_PTR kTimerScroll = 2;  // repeats an arrow scroll while the arrow is held
const UINT_PTR kTimerWiggle = 3;  // moves the clicked item's icon

const UINT kFolderTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;  // 0x8025
const UINT kLargeLabelFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;   // 0x8015
const UINT kSmallLabelFormat = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;              // 0x8024
const UINT kLabelMeasureFormat = kLargeLabelFormat | DT_CALCRECT;                         // 0x8415

const COLORREF kMarkerOutline = 0xFFC0C0;
const COLORREF kMarkerFill = 0xFFE6E6;
const COLORREF kHoverOutline = 0x5A4334;
const COLORREF kHoverFill = 0x5FC2FA;
const COLORREF kHoverPressedFill = 0x559BFE;

// The pressed state of the last HighlightItem call that went through, shared by every bar.
int& LastHighlightPressed();

void SetSlideDelay(QVOUTBARSLIDEPROC pfnDelay);
void SlideDelay(CQVOutBarCtrl* pBar, CDC* pDC, int nMilliseconds);

}  // namespace outbar

// The bar's measuring DC: made (with the bar's font selected) by the outermost scope and shared by the
// scopes nested in it through m_pMeasureDC.
class CQVOutBarCtrl::CMeasureScope {
public:
    explicit CMeasureScope(CQVOutBarCtrl* pBar) : m_pBar(pBar), m_pPrevDC(pBar->m_pMeasureDC) {
        if (m_pPrevDC) return;
        m_dc.emplace(::IsWindow(pBar->m_hWnd) ? pBar : NULL);
        m_font.emplace(&*m_dc, pBar->m_font.GetSafeHandle());
        pBar->m_pMeasureDC = &*m_dc;
    }
    ~CMeasureScope() {
        if (m_dc) m_pBar->m_pMeasureDC = m_pPrevDC;
    }
    CMeasureScope(const CMeasureScope&) = delete;
    CMeasureScope& operator=(const CMeasureScope&) = delete;

private:
    CQVOutBarCtrl* m_pBar;
    CDC* m_pPrevDC;
    std::optional<CClientDC> m_dc;  // destroyed after the font is put back
    std::optional<CQVSelectScope> m_font;
};
