// A menu wrapper for owner-drawn menus: the item data of owner-drawn items points at it while the menu
// is in use, so it must live longer than a temporary wrapper would.
#pragma once

#include "RIZuruzezuDef.h"

// Never in the framework's handle map (the host's own wrappers of the same menu stay as they are) and
// never destroys its menu: the menu belongs to its window or to whoever made it.
class CQVMenuRef : public CMenu {
public:
    CQVMenuRef() = default;
    ~CQVMenuRef() override { m_hMenu = nullptr; }
    CQVMenuRef(const CQVMenuRef&) = delete;
    CQVMenuRef& operator=(const CQVMenuRef&) = delete;

    // Wraps hMenu (NULL for none) and answers this wrapper, or NULL when there is no menu.
    CMenu* Use(HMENU hMenu) {
        m_hMenu = (hMenu != nullptr && ::IsMenu(hMenu)) ? hMenu : nullptr;
        return m_hMenu != nullptr ? this : nullptr;
    }
    void Release() { m_hMenu = nullptr; }
};
