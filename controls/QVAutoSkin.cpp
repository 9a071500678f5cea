// Automatic skinning of a window's child controls.
#include "QVAutoSkin.h"

#include <QVSkinResManager.h>

#include "QVAutoSkinTable.h"
#include "QVButton.h"
#include "QVComboBox.h"
#include "QVDateTimeCtrl.h"
#include "QVEdit.h"
#include "QVGroupBox.h"
#include "QVHotKeyCtrl.h"
#include "QVLabel.h"
#include "QVListBox.h"
#include "QVListCtrl.h"
#include "QVSliderCtrl.h"
#include "QVSpinButtonCtrl.h"
#include "QVTreeCtrl.h"
#include "SkinScrollBar.h"

namespace {

CWnd* NewObjectOfKind(QVAutoSkinKind nKind) {
    switch (nKind) {
    case QVASK_EDIT:
    case QVASK_EDIT_TRANSPARENT:
        return new CQVEdit;
    case QVASK_COMBOBOX:
        return new CQVComboBox;
    case QVASK_LISTBOX:
        return new CQVListBox;
    case QVASK_LISTCTRL:
        return new CQVListCtrl;
    case QVASK_TREECTRL:
        return new CQVTreeCtrl;
    case QVASK_BUTTON:
        return new CQVButton;
    case QVASK_GROUPBOX:
        return new CQVGroupBox;
    case QVASK_LABEL_COLOUR:
    case QVASK_LABEL_TRANSPARENT:
        return new CQVLabel;
    case QVASK_SLIDER:
        return new CQVSliderCtrl;
    case QVASK_SPIN:
        return new CQVSpinButtonCtrl;
    case QVASK_HOTKEY:
        return new CQVHotKeyCtrl;
    case QVASK_DATETIME:
        return new CQVDateTimeCtrl;
    case QVASK_NONE:
        break;
    }
    return nullptr;
}

// A label's background under the skin's rule: the client colour, or the parent's background. A mode
// that paints no background leaves the label as it is.
void ApplyLabelRule(CQVLabel* pLabel, const CQVSkinWndRes& res) {
    switch (QVAutoSkinLabelKind(res.m_nClientBkMode)) {
    case QVASK_LABEL_COLOUR:
        pLabel->SetBkColor(res.m_clrClientBk);
        pLabel->SetTransparent(FALSE);
        break;
    case QVASK_LABEL_TRANSPARENT:
        pLabel->SetTransparent(TRUE);
        break;
    default:
        break;
    }
}

}  // namespace

void QVSkin_AutoLoadControl(CWnd* pParent, std::vector<CWnd*>& vecCtrls) {
    if (pParent == nullptr || !::IsWindow(pParent->GetSafeHwnd())) return;
    const CQVSkinWndRes& res = *CQVSkinResManager::GetSingletonPtr()->GetWndRes();

    std::vector<HWND> vecChildren;
    for (HWND hChild = ::GetWindow(pParent->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        vecChildren.push_back(hChild);

    for (HWND hChild : vecChildren) {
        if (!::IsWindow(hChild)) continue;
        // Fails for a child whose bars are already skinned: a second call leaves them as they are.
        SubclassScrollBar(hChild);
        if (CWnd::FromHandlePermanent(hChild) != nullptr) continue;

        TCHAR szClass[261] = {};
        ::GetClassName(hChild, szClass, 261);
        const auto dwStyle = static_cast<DWORD>(::GetWindowLongPtr(hChild, GWL_STYLE));
        const QVAutoSkinKind nKind = QVAutoSkinKindFor(szClass, dwStyle, res.m_nClientBkMode);
        CWnd* pObject = NewObjectOfKind(nKind);
        if (pObject == nullptr) continue;
        if (!pObject->SubclassWindow(hChild)) {
            delete pObject;
            continue;
        }
        if (nKind == QVASK_EDIT_TRANSPARENT) static_cast<CQVEdit*>(pObject)->SetTransparent(TRUE);
        if (nKind == QVASK_LABEL_COLOUR || nKind == QVASK_LABEL_TRANSPARENT)
            ApplyLabelRule(static_cast<CQVLabel*>(pObject), res);
        vecCtrls.push_back(pObject);
    }
}

void QVSkin_ReleaseControl(CWnd* /*pParent*/, std::vector<CWnd*>& vecCtrls) {
    // The vector is emptied before the objects go, so a release reached again meanwhile finds nothing.
    std::vector<CWnd*> vecObjects;
    vecObjects.swap(vecCtrls);
    for (CWnd* pObject : vecObjects) {
        if (pObject->m_hWnd != nullptr && ::IsWindow(pObject->m_hWnd)) pObject->UnsubclassWindow();
        delete pObject;
    }
}

void QVSkin_AutoSkinChanged(CWnd* /*pParent*/, const std::vector<CWnd*>& vecCtrls) {
    const CQVSkinWndRes& res = *CQVSkinResManager::GetSingletonPtr()->GetWndRes();
    for (CWnd* pObject : vecCtrls) {
        if (pObject->m_hWnd == nullptr || pObject->GetRuntimeClass() != RUNTIME_CLASS(CQVLabel)) continue;
        ApplyLabelRule(static_cast<CQVLabel*>(pObject), res);
        pObject->Invalidate(TRUE);
    }
}
