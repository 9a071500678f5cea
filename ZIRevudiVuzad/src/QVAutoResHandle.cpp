// CQVAutoResHandle: the framework's resource source changed for a scope.
#include "QVAutoResHandle.h"

CQVAutoResHandle::CQVAutoResHandle(HINSTANCE hInstance) : m_hPrevious(AfxGetResourceHandle()) {
    if (hInstance) {
        AfxSetResourceHandle(hInstance);
        m_bChanged = TRUE;
    }
}

CQVAutoResHandle::~CQVAutoResHandle() {
    if (m_bChanged && m_hPrevious) AfxSetResourceHandle(m_hPrevious);
}
