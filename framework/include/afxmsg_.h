// Message maps: the tables that bind window messages, commands and notifications to member handlers.
//
// A class declares DECLARE_MESSAGE_MAP() and fills its table between BEGIN_MESSAGE_MAP(theClass, baseClass)
// and END_MESSAGE_MAP(). Each entry names the message (and, for commands and notifications, the code and
// the range of control IDs), a signature tag that says how the message's parameters are cracked, and the
// handler. Tables chain to the base class's table, so a message not in the derived table reaches the base.
#pragma once

#include "afxver_.h"

class CCmdTarget;
class CWnd;

// A handler, stored type-erased; the signature tag of its entry says how to call it.
typedef void (CCmdTarget::*AFX_PMSG)();
typedef void (CWnd::*AFX_PMSGW)();
#define AFX_MSG_CALL

// How a handler is called: return type, then the cracked parameters.
// v void, b BOOL, i int, u UINT, l LRESULT, h a handle, s a pointer from lParam, p a CPoint from lParam,
// D CDC*, W CWnd*, M CMenu*, S CScrollBar*, L CListBox*, t LPCTSTR.
enum AfxSig : UINT_PTR {
    AfxSig_end = 0,  // marks the end of a table

    // Commands and notifications, dispatched by CCmdTarget::OnCmdMsg.
    AfxSigCmd_v,         // void ()                       ON_COMMAND, ON_CONTROL, ON_CONTROL_REFLECT
    AfxSigCmd_b,         // BOOL ()                       ON_CONTROL_REFLECT_EX
    AfxSigCmd_RANGE,     // void (UINT nID)               ON_COMMAND_RANGE, ON_CONTROL_RANGE
    AfxSigCmd_EX,        // BOOL (UINT nID)               ON_COMMAND_EX, ON_COMMAND_EX_RANGE
    AfxSigCmdUI,         // void (CCmdUI*)                ON_UPDATE_COMMAND_UI(_RANGE)
    AfxSigNotify_v,      // void (NMHDR*, LRESULT*)       ON_NOTIFY, ON_NOTIFY_REFLECT
    AfxSigNotify_b,      // BOOL (NMHDR*, LRESULT*)       ON_NOTIFY_REFLECT_EX
    AfxSigNotify_RANGE,  // void (UINT, NMHDR*, LRESULT*) ON_NOTIFY_RANGE
    AfxSigNotify_EX,     // BOOL (UINT, NMHDR*, LRESULT*) ON_NOTIFY_EX, ON_NOTIFY_EX_RANGE

    // Window messages, dispatched by CWnd::OnWndMsg.
    AfxSig_l_w_l,     // LRESULT (WPARAM, LPARAM)      ON_MESSAGE, ON_REGISTERED_MESSAGE
    AfxSig_v_v,       // void ()
    AfxSig_b_v,       // BOOL ()
    AfxSig_u_v,       // UINT ()
    AfxSig_l_v,       // LRESULT ()
    AfxSig_h_v,       // HANDLE ()                     (HCURSOR OnQueryDragIcon)
    AfxSig_i_s,       // int (pointer)                 OnCreate(LPCREATESTRUCT), CompareItem reflect
    AfxSig_b_s,       // BOOL (pointer)                OnNcCreate, OnHelpInfo
    AfxSig_v_s,       // void (pointer)                WINDOWPOS*, MINMAXINFO*, owner-draw reflect
    AfxSig_b_D,       // BOOL (CDC*)                   OnEraseBkgnd
    AfxSig_v_D,       // void (CDC*)                   OnIconEraseBkgnd
    AfxSig_v_u_ii,    // void (UINT, int, int)         OnSize, OnDisplayChange
    AfxSig_v_ii,      // void (int, int)               OnMove
    AfxSig_v_u_s,     // void (UINT, pointer)          OnSizing, OnMoving (LPRECT)
    AfxSig_v_u_t,     // void (UINT, LPCTSTR)          OnSettingChange
    AfxSig_v_t,       // void (LPCTSTR)                OnWinIniChange, OnDevModeChange
    AfxSig_v_b_s,     // void (BOOL, pointer)          OnNcCalcSize
    AfxSig_l_p,       // LRESULT (CPoint)              OnNcHitTest
    AfxSig_b_b,       // BOOL (BOOL)                   OnNcActivate
    AfxSig_v_b,       // void (BOOL)                   OnEnable, OnEndSession, menu loop
    AfxSig_v_u_W_b,   // void (UINT, CWnd*, BOOL)      OnActivate
    AfxSig_v_b_dw,    // void (BOOL, DWORD)            OnActivateApp
    AfxSig_i_W_u_u,   // int (CWnd*, UINT, UINT)       OnMouseActivate
    AfxSig_b_W_u_u,   // BOOL (CWnd*, UINT, UINT)      OnSetCursor
    AfxSig_v_u_p,     // void (UINT, CPoint)           mouse and non-client mouse messages
    AfxSig_b_u_sh_p,  // BOOL (UINT, short, CPoint)    OnMouseWheel
    AfxSig_v_u_sh_p,  // void (UINT, short, CPoint)    OnMouseHWheel
    AfxSig_v_u_u_p,   // void (UINT, UINT, CPoint)     OnXButtonDown/Up/DblClk
    AfxSig_v_up,      // void (UINT_PTR)               OnTimer
    AfxSig_v_u_u_u,   // void (UINT, UINT, UINT)       keyboard messages
    AfxSig_v_u_l,     // void (UINT, LPARAM)           OnSysCommand, OnParentNotify
    AfxSig_v_W,       // void (CWnd*)                  OnSetFocus, OnKillFocus, OnPaletteChanged
    AfxSig_v_Wl,      // void (CWnd* from lParam)    OnCaptureChanged
    AfxSig_v_b_u,     // void (BOOL, UINT)             OnShowWindow
    AfxSig_h_D_W_u,   // HBRUSH (CDC*, CWnd*, UINT)    OnCtlColor
    AfxSig_h_D_u,     // HBRUSH (CDC*, UINT)           ON_WM_CTLCOLOR_REFLECT
    AfxSig_v_i_s,     // void (int, pointer)           OnDrawItem, OnMeasureItem, OnDeleteItem, OnStyleChanged
    AfxSig_i_i_s,     // int (int, pointer)            OnCompareItem
    AfxSig_i_u_L_u,   // int (UINT, CListBox*, UINT)   OnCharToItem, OnVKeyToItem
    AfxSig_i_u_u,     // int (UINT, UINT)              char/vkey-to-item reflect
    AfxSig_v_M,       // void (CMenu*)                 OnInitMenu
    AfxSig_v_M_u_b,   // void (CMenu*, UINT, BOOL)     OnInitMenuPopup
    AfxSig_v_M_u,     // void (CMenu*, UINT)           OnUnInitMenuPopup
    AfxSig_v_u_M,     // void (UINT, CMenu*)           OnMenuRButtonUp
    AfxSig_v_u_u_hm,  // void (UINT, UINT, HMENU)      OnMenuSelect
    AfxSig_l_u_u_M,   // LRESULT (UINT, UINT, CMenu*)  OnMenuChar
    AfxSig_v_u_W,     // void (UINT, CWnd*)            OnEnterIdle
    AfxSig_v_W_p,     // void (CWnd*, CPoint)          OnContextMenu
    AfxSig_v_u_u_S,   // void (UINT, UINT, CScrollBar*) OnHScroll, OnVScroll
    AfxSig_v_u_u,     // void (UINT, UINT)             scroll reflect, OnChangeUIState
    AfxSig_v_h,       // void (HANDLE)                 OnDropFiles (HDROP)
    AfxSig_b_W_s,     // BOOL (CWnd*, pointer)         OnCopyData
    AfxSig_v_W_W,     // void (CWnd*, CWnd*)           (reserved)
    AfxSig_v_b_W_W,   // void (BOOL, CWnd*, CWnd*)     OnMDIActivate
};

// One entry of a message map.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; 0xC000 for a registered message
    UINT nCode;     // control or notification code (commands and notifications)
    UINT nID;       // first control ID (commands and notifications)
    UINT nLastID;   // last control ID of a range; nID otherwise
    UINT_PTR nSig;  // AfxSig tag; for a registered message the address of the UINT holding its value
    AFX_PMSG pfn;   // the handler
};

// A class's table and the way to its base class's table.
struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages come back to the control that sent them as WM_REFLECT_BASE + the message.
#define WM_REFLECT_BASE 0xBC00
// The WM_CTLCOLOR* family is mapped through one entry; the handler gets the kind (CTLCOLOR_*).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Declares the message map of a class (inside the class, after the handlers).
#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                     \
    const AFX_MSGMAP* GetMessageMap() const override;

// Handler casts in a table go through the documented signature first (a wrong handler type does not
// compile), then are stored type-erased; the erasing cast is deliberate, hence the silenced warning.
#define AFX_MSGMAP_PUSH_WARNINGS                                                                             \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"")
#define AFX_MSGMAP_POP_WARNINGS _Pragma("GCC diagnostic pop")

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name>                                                                            \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const {                                           \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name>                                                                            \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() {                                      \
        typedef theClass<type_name> ThisClass;                                                               \
        typedef baseClass TheBaseClass;                                                                      \
        (void)sizeof(ThisClass*);                                                                            \
        AFX_MSGMAP_PUSH_WARNINGS                                                                             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                 \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        (void)sizeof(ThisClass*);                                                                            \
        AFX_MSGMAP_PUSH_WARNINGS                                                                             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 }                                                                  \
    }                                                                                                        \
    ;                                                                                                        \
    AFX_MSGMAP_POP_WARNINGS                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// ---- Generic entries ----

// LRESULT OnMyMessage(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {message,                                                                                                \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_l_w_l,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(memberFxn))},

// A message whose number comes from RegisterWindowMessage, kept in the UINT variable nMessageVariable.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000,                                                                                                 \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)(UINT*)(&nMessageVariable),                                                                   \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(memberFxn))},

// ---- Commands (menu items, accelerators, controls) ----

// Notification codes of commands routed through OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// void OnCommand()
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND,  CN_COMMAND,                                                                                \
     (WORD)(id),  (WORD)(id),                                                                                \
     AfxSigCmd_v, static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)()>(memberFxn))},
// void OnCommandRange(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,      CN_COMMAND,                                                                            \
     (WORD)(id),      (WORD)(idLast),                                                                        \
     AfxSigCmd_RANGE, (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT)>(memberFxn))},
// BOOL OnCommandEx(UINT nID): FALSE lets the command go on to the next target
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND,   (WORD)(id),                                                                   \
     (WORD)(id), AfxSigCmd_EX, (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT)>(memberFxn))},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                           \
    {WM_COMMAND,   CN_COMMAND,                                                                               \
     (WORD)(id),   (WORD)(idLast),                                                                           \
     AfxSigCmd_EX, (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT)>(memberFxn))},
// void OnUpdateSomething(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {WM_COMMAND,  CN_UPDATE_COMMAND_UI,                                                                      \
     (WORD)(id),  (WORD)(id),                                                                                \
     AfxSigCmdUI, (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*)>(memberFxn))},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,  CN_UPDATE_COMMAND_UI,                                                                      \
     (WORD)(id),  (WORD)(idLast),                                                                            \
     AfxSigCmdUI, (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*)>(memberFxn))},

// ---- Control notifications through WM_COMMAND: void OnNotificationHandler() ----

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND,  (WORD)(wNotifyCode),                                                                       \
     (WORD)(id),  (WORD)(id),                                                                                \
     AfxSigCmd_v, static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)()>(memberFxn))},
// void OnNotificationRange(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND,      (WORD)(wNotifyCode),                                                                   \
     (WORD)(id),      (WORD)(idLast),                                                                        \
     AfxSigCmd_RANGE, (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT)>(memberFxn))},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_DBLCLK(id, memberFxn) ON_CONTROL(BN_DBLCLK, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_BN_PUSHED(id, memberFxn) ON_CONTROL(BN_PUSHED, id, memberFxn)
#define ON_BN_UNPUSHED(id, memberFxn) ON_CONTROL(BN_UNPUSHED, id, memberFxn)
#define ON_BN_HILITE(id, memberFxn) ON_CONTROL(BN_HILITE, id, memberFxn)
#define ON_BN_UNHILITE(id, memberFxn) ON_CONTROL(BN_UNHILITE, id, memberFxn)
#define ON_BN_DISABLE(id, memberFxn) ON_CONTROL(BN_DISABLE, id, memberFxn)
#define ON_BN_PAINT(id, memberFxn) ON_CONTROL(BN_PAINT, id, memberFxn)

#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)

#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)

#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

// ---- Notifications through WM_NOTIFY ----

// void OnNotify(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {                                                                                                        \
        WM_NOTIFY,                                                                                           \
        (WORD)(int)(wNotifyCode),                                                                            \
        (WORD)(id),                                                                                          \
        (WORD)(id),                                                                                          \
        AfxSigNotify_v,                                                                                      \
        (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},
// void OnNotifyRange(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     AfxSigNotify_RANGE,                                                                                     \
     (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},
// BOOL OnNotifyEx(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets others see it too
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(id),                                                                                             \
     AfxSigNotify_EX,                                                                                        \
     (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     AfxSigNotify_EX,                                                                                        \
     (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},

// ---- Reflection: the control handles its own notifications (in the control's message map) ----

// void OnReflectedCode()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (WORD)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigCmd_v,                                                                                            \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)()>(memberFxn))},
// BOOL OnReflectedCode(): FALSE lets the parent handle it too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (WORD)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigCmd_b,                                                                                            \
     (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)()>(memberFxn))},
// void OnReflectedNotify(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigNotify_v,                                                                                         \
     (AFX_PMSG)(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},
// BOOL OnReflectedNotify(NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets the parent handle it too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigNotify_b,                                                                                         \
     (AFX_PMSG)(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a NULL brush lets the parent's OnCtlColor decide
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {WM_CTLCOLOR + WM_REFLECT_BASE,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_h_D_u,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT)>(&ThisClass::CtlColor))},
// void HScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    {WM_HSCROLL + WM_REFLECT_BASE,                                                                           \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_u_u,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(UINT, UINT)>(&ThisClass::HScroll))},
// void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    {WM_VSCROLL + WM_REFLECT_BASE,                                                                           \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_u_u,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(UINT, UINT)>(&ThisClass::VScroll))},
// void DrawItem(LPDRAWITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    {WM_DRAWITEM + WM_REFLECT_BASE,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_s,                                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT)>(                       \
         &ThisClass::DrawItem))},
// void MeasureItem(LPMEASUREITEMSTRUCT)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    {WM_MEASUREITEM + WM_REFLECT_BASE,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_s,                                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT)>(                    \
         &ThisClass::MeasureItem))},
// void DeleteItem(LPDELETEITEMSTRUCT)
#define ON_WM_DELETEITEM_REFLECT()                                                                           \
    {WM_DELETEITEM + WM_REFLECT_BASE,                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_s,                                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT)>(                     \
         &ThisClass::DeleteItem))},
// int CompareItem(LPCOMPAREITEMSTRUCT)
#define ON_WM_COMPAREITEM_REFLECT()                                                                          \
    {WM_COMPAREITEM + WM_REFLECT_BASE,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_i_s,                                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT)>(                     \
         &ThisClass::CompareItem))},
// int CharToItem(UINT nKey, UINT nIndex)
#define ON_WM_CHARTOITEM_REFLECT()                                                                           \
    {WM_CHARTOITEM + WM_REFLECT_BASE,                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_i_u_u,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (AFX_MSG_CALL CWnd::*)(UINT, UINT)>(&ThisClass::CharToItem))},
// int VKeyToItem(UINT nKey, UINT nIndex)
#define ON_WM_VKEYTOITEM_REFLECT()                                                                           \
    {WM_VKEYTOITEM + WM_REFLECT_BASE,                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_i_u_u,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (AFX_MSG_CALL CWnd::*)(UINT, UINT)>(&ThisClass::VKeyToItem))},
// void ParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    {WM_PARENTNOTIFY + WM_REFLECT_BASE,                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_v_u_l,                                                                                           \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM)>(                           \
         &ThisClass::ParentNotify))},

// ---- Window messages, with the handler each one calls ----

#define AFX_ON_WM(message, sig, type, fxn)                                                                   \
    {message, 0, 0, 0, sig, (AFX_PMSG)(AFX_PMSGW)(static_cast<type>(&ThisClass::fxn))},

// Creation and destruction.
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, AfxSig_i_s, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_ON_WM(WM_NCCREATE, AfxSig_b_s, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, AfxSig_v_v, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, AfxSig_v_v, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, AfxSig_v_v, void (CWnd::*)(), OnClose)
#define ON_WM_QUERYENDSESSION() AFX_ON_WM(WM_QUERYENDSESSION, AfxSig_b_v, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_ON_WM(WM_ENDSESSION, AfxSig_v_b, void (CWnd::*)(BOOL), OnEndSession)

// Painting.
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, AfxSig_v_v, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() AFX_ON_WM(WM_NCPAINT, AfxSig_v_v, void (CWnd::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, AfxSig_b_D, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_ICONERASEBKGND()                                                                               \
    AFX_ON_WM(WM_ICONERASEBKGND, AfxSig_v_D, void (CWnd::*)(CDC*), OnIconEraseBkgnd)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, AfxSig_v_v, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_THEMECHANGED() AFX_ON_WM(WM_THEMECHANGED, AfxSig_l_v, LRESULT (CWnd::*)(), OnThemeChanged)
#define ON_WM_QUERYDRAGICON() AFX_ON_WM(WM_QUERYDRAGICON, AfxSig_h_v, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_QUERYNEWPALETTE() AFX_ON_WM(WM_QUERYNEWPALETTE, AfxSig_b_v, BOOL (CWnd::*)(), OnQueryNewPalette)
#define ON_WM_PALETTECHANGED()                                                                               \
    AFX_ON_WM(WM_PALETTECHANGED, AfxSig_v_W, void (CWnd::*)(CWnd*), OnPaletteChanged)

// Size and position.
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, AfxSig_v_u_ii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, AfxSig_v_ii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SIZING() AFX_ON_WM(WM_SIZING, AfxSig_v_u_s, void (CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_MOVING() AFX_ON_WM(WM_MOVING, AfxSig_v_u_s, void (CWnd::*)(UINT, LPRECT), OnMoving)
#define ON_WM_ENTERSIZEMOVE() AFX_ON_WM(WM_ENTERSIZEMOVE, AfxSig_v_v, void (CWnd::*)(), OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_ON_WM(WM_EXITSIZEMOVE, AfxSig_v_v, void (CWnd::*)(), OnExitSizeMove)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFX_ON_WM(WM_WINDOWPOSCHANGING, AfxSig_v_s, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxSig_v_s, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFX_ON_WM(WM_GETMINMAXINFO, AfxSig_v_s, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_NCCALCSIZE()                                                                                   \
    AFX_ON_WM(WM_NCCALCSIZE, AfxSig_v_b_s, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, AfxSig_l_p, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, AfxSig_v_b_u, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_STYLECHANGED()                                                                                 \
    AFX_ON_WM(WM_STYLECHANGED, AfxSig_v_i_s, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING()                                                                                \
    AFX_ON_WM(WM_STYLECHANGING, AfxSig_v_i_s, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_CHILDACTIVATE() AFX_ON_WM(WM_CHILDACTIVATE, AfxSig_v_v, void (CWnd::*)(), OnChildActivate)
#define ON_WM_DISPLAYCHANGE()                                                                                \
    AFX_ON_WM(WM_DISPLAYCHANGE, AfxSig_v_u_ii, void (CWnd::*)(UINT, int, int), OnDisplayChange)

// Activation and focus.
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, AfxSig_v_u_W_b, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP()                                                                                  \
    AFX_ON_WM(WM_ACTIVATEAPP, AfxSig_v_b_dw, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_NCACTIVATE() AFX_ON_WM(WM_NCACTIVATE, AfxSig_b_b, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_MOUSEACTIVATE()                                                                                \
    AFX_ON_WM(WM_MOUSEACTIVATE, AfxSig_i_W_u_u, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, AfxSig_v_W, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, AfxSig_v_W, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, AfxSig_v_b, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, AfxSig_v_v, void (CWnd::*)(), OnCancelMode)
#define ON_WM_CAPTURECHANGED()                                                                               \
    AFX_ON_WM(WM_CAPTURECHANGED, AfxSig_v_Wl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_MDIACTIVATE()                                                                                  \
    AFX_ON_WM(WM_MDIACTIVATE, AfxSig_v_b_W_W, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)

// Mouse.
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN()                                                                                  \
    AFX_ON_WM(WM_LBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_LBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()                                                                                  \
    AFX_ON_WM(WM_RBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_RBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()                                                                                  \
    AFX_ON_WM(WM_MBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_WM(WM_MBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_MBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_XBUTTONDOWN()                                                                                  \
    AFX_ON_WM(WM_XBUTTONDOWN, AfxSig_v_u_u_p, void (CWnd::*)(UINT, UINT, CPoint), OnXButtonDown)
#define ON_WM_XBUTTONUP()                                                                                    \
    AFX_ON_WM(WM_XBUTTONUP, AfxSig_v_u_u_p, void (CWnd::*)(UINT, UINT, CPoint), OnXButtonUp)
#define ON_WM_XBUTTONDBLCLK()                                                                                \
    AFX_ON_WM(WM_XBUTTONDBLCLK, AfxSig_v_u_u_p, void (CWnd::*)(UINT, UINT, CPoint), OnXButtonDblClk)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFX_ON_WM(WM_MOUSEWHEEL, AfxSig_b_u_sh_p, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEHWHEEL()                                                                                  \
    AFX_ON_WM(WM_MOUSEHWHEEL, AfxSig_v_u_sh_p, void (CWnd::*)(UINT, short, CPoint), OnMouseHWheel)
#define ON_WM_MOUSEHOVER() AFX_ON_WM(WM_MOUSEHOVER, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, AfxSig_v_v, void (CWnd::*)(), OnMouseLeave)
#define ON_WM_SETCURSOR()                                                                                    \
    AFX_ON_WM(WM_SETCURSOR, AfxSig_b_W_u_u, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)

// Non-client mouse: void OnNcXxx(UINT nHitTest, CPoint point), point in screen coordinates.
#define ON_WM_NCMOUSEMOVE()                                                                                  \
    AFX_ON_WM(WM_NCMOUSEMOVE, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()                                                                                \
    AFX_ON_WM(WM_NCLBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()                                                                                  \
    AFX_ON_WM(WM_NCLBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK()                                                                              \
    AFX_ON_WM(WM_NCLBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()                                                                                \
    AFX_ON_WM(WM_NCRBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP()                                                                                  \
    AFX_ON_WM(WM_NCRBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK()                                                                              \
    AFX_ON_WM(WM_NCRBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN()                                                                                \
    AFX_ON_WM(WM_NCMBUTTONDOWN, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP()                                                                                  \
    AFX_ON_WM(WM_NCMBUTTONUP, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK()                                                                              \
    AFX_ON_WM(WM_NCMBUTTONDBLCLK, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcMButtonDblClk)
#define ON_WM_NCMOUSEHOVER()                                                                                 \
    AFX_ON_WM(WM_NCMOUSEHOVER, AfxSig_v_u_p, void (CWnd::*)(UINT, CPoint), OnNcMouseHover)
#define ON_WM_NCMOUSELEAVE() AFX_ON_WM(WM_NCMOUSELEAVE, AfxSig_v_v, void (CWnd::*)(), OnNcMouseLeave)

// Keyboard: void OnKeyXxx(UINT nChar, UINT nRepCnt, UINT nFlags).
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_DEADCHAR() AFX_ON_WM(WM_DEADCHAR, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnDeadChar)
#define ON_WM_SYSKEYDOWN()                                                                                   \
    AFX_ON_WM(WM_SYSKEYDOWN, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_ON_WM(WM_SYSKEYUP, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_ON_WM(WM_SYSCHAR, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SYSDEADCHAR()                                                                                  \
    AFX_ON_WM(WM_SYSDEADCHAR, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnSysDeadChar)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, AfxSig_u_v, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, AfxSig_b_s, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_CHANGEUISTATE()                                                                                \
    AFX_ON_WM(WM_CHANGEUISTATE, AfxSig_v_u_u, void (CWnd::*)(UINT, UINT), OnChangeUIState)
#define ON_WM_UPDATEUISTATE()                                                                                \
    AFX_ON_WM(WM_UPDATEUISTATE, AfxSig_v_u_u, void (CWnd::*)(UINT, UINT), OnUpdateUIState)
#define ON_WM_QUERYUISTATE() AFX_ON_WM(WM_QUERYUISTATE, AfxSig_u_v, UINT (CWnd::*)(), OnQueryUIState)

// Timers.
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, AfxSig_v_up, void (CWnd::*)(UINT_PTR), OnTimer)

// Controls talking to their parent.
#define ON_WM_CTLCOLOR()                                                                                     \
    AFX_ON_WM(WM_CTLCOLOR, AfxSig_h_D_W_u, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM()                                                                                     \
    AFX_ON_WM(WM_DRAWITEM, AfxSig_v_i_s, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                  \
    AFX_ON_WM(WM_MEASUREITEM, AfxSig_v_i_s, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DELETEITEM()                                                                                   \
    AFX_ON_WM(WM_DELETEITEM, AfxSig_v_i_s, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM()                                                                                  \
    AFX_ON_WM(WM_COMPAREITEM, AfxSig_i_i_s, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_CHARTOITEM()                                                                                   \
    AFX_ON_WM(WM_CHARTOITEM, AfxSig_i_u_L_u, int (CWnd::*)(UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM()                                                                                   \
    AFX_ON_WM(WM_VKEYTOITEM, AfxSig_i_u_L_u, int (CWnd::*)(UINT, CListBox*, UINT), OnVKeyToItem)
#define ON_WM_HSCROLL()                                                                                      \
    AFX_ON_WM(WM_HSCROLL, AfxSig_v_u_u_S, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()                                                                                      \
    AFX_ON_WM(WM_VSCROLL, AfxSig_v_u_u_S, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_PARENTNOTIFY()                                                                                 \
    AFX_ON_WM(WM_PARENTNOTIFY, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), OnParentNotify)

// Menus.
#define ON_WM_INITMENU() AFX_ON_WM(WM_INITMENU, AfxSig_v_M, void (CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_INITMENUPOPUP()                                                                                \
    AFX_ON_WM(WM_INITMENUPOPUP, AfxSig_v_M_u_b, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_UNINITMENUPOPUP()                                                                              \
    AFX_ON_WM(WM_UNINITMENUPOPUP, AfxSig_v_M_u, void (CWnd::*)(CMenu*, UINT), OnUnInitMenuPopup)
#define ON_WM_MENUSELECT()                                                                                   \
    AFX_ON_WM(WM_MENUSELECT, AfxSig_v_u_u_hm, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_MENUCHAR()                                                                                     \
    AFX_ON_WM(WM_MENUCHAR, AfxSig_l_u_u_M, LRESULT (CWnd::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_MENURBUTTONUP()                                                                                \
    AFX_ON_WM(WM_MENURBUTTONUP, AfxSig_v_u_M, void (CWnd::*)(UINT, CMenu*), OnMenuRButtonUp)
#define ON_WM_ENTERMENULOOP() AFX_ON_WM(WM_ENTERMENULOOP, AfxSig_v_b, void (CWnd::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_ON_WM(WM_EXITMENULOOP, AfxSig_v_b, void (CWnd::*)(BOOL), OnExitMenuLoop)
#define ON_WM_ENTERIDLE() AFX_ON_WM(WM_ENTERIDLE, AfxSig_v_u_W, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFX_ON_WM(WM_CONTEXTMENU, AfxSig_v_W_p, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)

// System-wide changes and shell.
#define ON_WM_SETTINGCHANGE()                                                                                \
    AFX_ON_WM(WM_SETTINGCHANGE, AfxSig_v_u_t, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_WININICHANGE() AFX_ON_WM(WM_WININICHANGE, AfxSig_v_t, void (CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_DEVMODECHANGE() AFX_ON_WM(WM_DEVMODECHANGE, AfxSig_v_t, void (CWnd::*)(LPTSTR), OnDevModeChange)
#define ON_WM_FONTCHANGE() AFX_ON_WM(WM_FONTCHANGE, AfxSig_v_v, void (CWnd::*)(), OnFontChange)
#define ON_WM_TIMECHANGE() AFX_ON_WM(WM_TIMECHANGE, AfxSig_v_v, void (CWnd::*)(), OnTimeChange)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, AfxSig_v_h, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_COPYDATA()                                                                                     \
    AFX_ON_WM(WM_COPYDATA, AfxSig_b_W_s, BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)
