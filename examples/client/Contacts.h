// The client's contacts: who they are (a table of language keys) and the contact list that shows them,
// in groups and teams, with their pictures flashing while a message waits.
#pragma once

#include <afxwin.h>

#include <RIZuruzezu.h>

#include <functional>

struct ContactEntry {
    DWORD dwId;
    int nGroup;  // 0 friends, 1 classmates, 2 teachers
    LPCTSTR lpszName, lpszSignature;
    WORD wPicture;
    IMUserStatus nStatus;
};
const ContactEntry* FindContact(DWORD dwId);
// The contact that sends the simulated messages.
constexpr DWORD kMessagingContact = 4;

class CContactList : public CIMListWnd {
public:
    // The double-clicked contact's id.
    std::function<void(DWORD)> m_onOpen;

    // Makes the list with the contacts of the groups in nGroupMask (bit 0 friends ...).
    BOOL Create(CWnd* pParent, UINT nID, int nGroupMask);
    // Names, teams and signatures again from the current language.
    void Translate();
    // Starts or stops the flashing of a contact's picture; FALSE when the list does not hold them.
    BOOL Flash(DWORD dwId, BOOL bFlash);
    CIMListUserItem* FindContactItem(DWORD dwId) const;

protected:
    void OnUserItemDBClick(CIMListUserItem* pUser) override;

private:
    int m_nGroupMask = 0;
};
