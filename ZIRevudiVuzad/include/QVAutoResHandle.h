// Makes a module the resource source of the framework for the length of a scope.
#pragma once

#include "ZIRevudiVuzadDef.h"

// The constructor makes hInstance the module resources are loaded from first (AfxSetResourceHandle);
// the destructor restores the module that was the source before. A NULL instance changes nothing.
class ZIR_API CQVAutoResHandle {
public:
    explicit CQVAutoResHandle(HINSTANCE hInstance);
    ~CQVAutoResHandle();
    CQVAutoResHandle(const CQVAutoResHandle&) = delete;
    CQVAutoResHandle& operator=(const CQVAutoResHandle&) = delete;

    HINSTANCE GetPrevious() const { return m_hPrevious; }

private:
    HINSTANCE m_hPrevious = NULL;
    BOOL m_bChanged = FALSE;
};
