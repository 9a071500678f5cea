// A windowless text link: shrinks to its text, turns red under the pointer and opens its address when
// clicked (a press and a release with no move between).
#pragma once

#include "QVUILabel.h"

enum QVUILinkState {
    QVUILS_NORMAL = 0,
    QVUILS_HOVER = 1,
    QVUILS_PRESSED = 2,
};

class RIZ_API CQVUITextLink : public CQVUILabel {
public:
    explicit CQVUITextLink(CQVUIObject* pParent = nullptr);

    // Narrows the rect to the text's width; it never widens it.
    void Layout() override;
    int OnMouseMove(const CPoint& pt) override;
    int OnLButtonDown(const CPoint& pt) override;
    int OnLButtonUp(const CPoint& pt) override;
    int OnMouseLeave() override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    // "http://..." (exactly so, lower case) and "www...." open in the browser program; anything else
    // goes to the shell's "open". The click is reported even without an address.
    void SetUrl(const CString& strUrl) { m_strUrl = strUrl; }
    const CString& GetUrl() const { return m_strUrl; }
    int GetLinkState() const { return m_nLinkState; }

protected:
    void ChangeState(int nState);
    void OpenUrl() const;

    int m_nLinkState = QVUILS_NORMAL;
    CString m_strUrl;
};
