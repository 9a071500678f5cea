// Redirection of a function's entry point: the first instructions are replaced by a jump to a hook, and
// a trampoline (the moved instructions, then a jump back) keeps the original callable. Every caller is
// caught, through an import table or from inside the function's own module. x86-64 only.
#pragma once

#include <windows.h>

#include "RIZuruzezuDef.h"

// One patched entry point. Install and Remove are idempotent; Remove puts back the exact bytes that
// Install replaced, unless another patch has since been written over them (then the redirection stays
// and the trampoline is kept alive for it).
class RIZ_API CSkinSBEntryPatch {
public:
    CSkinSBEntryPatch() = default;
    ~CSkinSBEntryPatch() { Remove(); }
    CSkinSBEntryPatch(const CSkinSBEntryPatch&) = delete;
    CSkinSBEntryPatch& operator=(const CSkinSBEntryPatch&) = delete;

    // Redirects pTarget to pHook. Fails (and changes nothing) for a null address, when already
    // installed, or when the entry's first instructions are not ones the patch knows how to move.
    BOOL Install(void* pTarget, void* pHook);
    BOOL Remove();
    BOOL IsInstalled() const { return m_pTarget != nullptr; }

    // The unpatched function (the trampoline) while installed, null otherwise.
    void* Original() const { return m_pTrampoline; }
    template <class TFunc>
    TFunc OriginalAs() const {
        return reinterpret_cast<TFunc>(Original());
    }

    // The length of the whole instructions at pCode that cover at least nMin bytes and can be moved
    // into a trampoline, or 0. A jump that ends the function's first block may be the last of them.
    static int MovableLength(const BYTE* pCode, int nMin);

private:
    void* m_pTarget = nullptr;
    void* m_pTrampoline = nullptr;  // inside m_pBlock
    void* m_pBlock = nullptr;       // the relay and trampoline, within 2 GB of the target
    BYTE m_saved[16] = {};
    int m_nSaved = 0;
};
