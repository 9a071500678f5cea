#include "Contacts.h"

#include "ClientStyle.h"

namespace {

const LPCTSTR kGroupKeys[] = {_T("IDS_CLIENT_G_FRIENDS"), _T("IDS_CLIENT_G_CLASSMATES"),
                              _T("IDS_CLIENT_G_TEACHERS")};
const LPCTSTR kTeamKeys[] = {_T("IDS_CLIENT_T_FRIENDS"), _T("IDS_CLIENT_T_CLASS"),
                             _T("IDS_CLIENT_T_TEACHERS")};

const ContactEntry kContacts[] = {
    {1, 0, _T("IDS_CLIENT_U1"), _T("IDS_CLIENT_S1"), 0, IMUS_ONLINE},
    {2, 0, _T("IDS_CLIENT_U2"), _T("IDS_CLIENT_S2"), 1, IMUS_BUSY},
    {3, 0, _T("IDS_CLIENT_U3"), _T("IDS_CLIENT_S3"), 2, IMUS_OFFLINE},
    {4, 1, _T("IDS_CLIENT_U4"), _T("IDS_CLIENT_S4"), 3, IMUS_ONLINE},
    {5, 1, _T("IDS_CLIENT_U5"), _T("IDS_CLIENT_S5"), 4, IMUS_ONLINE},
    {6, 2, _T("IDS_CLIENT_U6"), _T("IDS_CLIENT_S6"), 5, IMUS_ONLINE},
};

}  // namespace

const ContactEntry* FindContact(DWORD dwId) {
    for (const ContactEntry& contact : kContacts)
        if (contact.dwId == dwId) return &contact;
    return nullptr;
}

BOOL CContactList::Create(CWnd* pParent, UINT nID, int nGroupMask) {
    m_nGroupMask = nGroupMask;
    if (!CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), pParent, nID)) return FALSE;
    for (int g = 0; g < 3; ++g) {
        if (!(nGroupMask & (1 << g))) continue;
        CIMGroupButton* pGroup = AddGroup(ClientText(kGroupKeys[g]), 0);
        CIMListTeamItem* pTeam = pGroup ? AddTeam(ClientText(kTeamKeys[g]), pGroup, 0) : nullptr;
        if (!pTeam) continue;
        pTeam->Expand(1);
        for (const ContactEntry& contact : kContacts)
            if (contact.nGroup == g)
                AddUser(contact.dwId, ClientText(contact.lpszName), ClientText(contact.lpszSignature),
                        contact.wPicture, contact.nStatus, pTeam, 0);
    }
    SetCurrentGroup(0, 0);
    RedrawCurrentGroup();
    return TRUE;
}

CIMListUserItem* CContactList::FindContactItem(DWORD dwId) const {
    for (int g = 0; g < GetGroupCount(); ++g) {
        CIMGroupButton* pGroup = GetGroup(g);
        for (int t = 0; pGroup && t < pGroup->GetChildCount(); ++t) {
            CIMListItem* pItem = pGroup->GetChild(t);
            if (!pItem || !pItem->IsKindOf(1)) continue;
            if (CIMListUserItem* pUser = FindUser(static_cast<CIMListTeamItem*>(pItem), dwId)) return pUser;
        }
    }
    return nullptr;
}

void CContactList::Translate() {
    int nShown = 0;
    for (int g = 0; g < 3; ++g) {
        if (!(m_nGroupMask & (1 << g))) continue;
        CIMGroupButton* pGroup = GetGroup(nShown++);
        if (!pGroup) continue;
        pGroup->SetTitle(ClientText(kGroupKeys[g]));
        CIMListItem* pTeam = pGroup->GetChildCount() ? pGroup->GetChild(0) : nullptr;
        if (pTeam) pTeam->SetTitle(ClientText(kTeamKeys[g]));
    }
    for (const ContactEntry& contact : kContacts) {
        if (CIMListUserItem* pUser = FindContactItem(contact.dwId)) {
            pUser->SetTitle(ClientText(contact.lpszName));
            pUser->SetUserIdiograph(ClientText(contact.lpszSignature));
        }
    }
    RedrawCurrentGroup();
    Invalidate();
}

BOOL CContactList::Flash(DWORD dwId, BOOL bFlash) {
    CIMListUserItem* pUser = FindContactItem(dwId);
    if (!pUser) return FALSE;
    CIMListTeamItem* pTeam = pUser->GetParent();
    for (int g = 0; g < GetGroupCount(); ++g) {
        CIMGroupButton* pGroup = GetGroup(g);
        for (int t = 0; pGroup && t < pGroup->GetChildCount(); ++t)
            if (pGroup->GetChild(t) == pTeam) {
                SetSparkleItem(pGroup, pTeam, pUser, bFlash);
                return TRUE;
            }
    }
    return FALSE;
}

void CContactList::OnUserItemDBClick(CIMListUserItem* pUser) {
    CIMListWnd::OnUserItemDBClick(pUser);
    if (pUser && m_onOpen) m_onOpen(pUser->GetUserID());
}
