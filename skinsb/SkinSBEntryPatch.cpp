// Entry-point redirection with a trampoline (see the header).
#include "SkinSBEntryPatch.h"

#include <cstdint>
#include <cstring>

namespace {

const int kRelJump = 5;   // e9 rel32, written over the entry
const int kAbsJump = 14;  // ff 25 00000000 <address>
const SIZE_T kBlockSize = 256;

enum EMove { MOVE_COPY, MOVE_JMP_INDIRECT, MOVE_JMP_REL };

struct Instruction {
    int nLength;
    EMove move;
};

// The instructions entry points begin with: stack set-up, register saves, the hot-patch filler and the
// jumps of thunks. Any other gives length 0, and the entry is left alone.
Instruction Decode(const BYTE* p) {
    const bool bRexW = p[0] == 0x48 || p[0] == 0x4c || p[0] == 0x49;
    if (p[0] == 0x48 && p[1] == 0x8d && p[2] == 0xa4 && p[3] == 0x24)
        return {8, MOVE_COPY};  // lea rsp,[rsp+d32]
    if (p[0] == 0x48 && p[1] == 0x8d && p[2] == 0x64 && p[3] == 0x24)
        return {5, MOVE_COPY};                                        // lea rsp,[rsp+d8]
    if (p[0] == 0xff && p[1] == 0x25) return {6, MOVE_JMP_INDIRECT};  // jmp [rip+d32]
    if (p[0] == 0xe9) return {5, MOVE_JMP_REL};                       // jmp rel32
    if (p[0] == 0x8b && p[1] == 0xff) return {2, MOVE_COPY};          // mov edi,edi
    if (p[0] >= 0xb8 && p[0] <= 0xbf) return {5, MOVE_COPY};          // mov r32,imm32
    if (p[0] >= 0x50 && p[0] <= 0x57) return {1, MOVE_COPY};          // push r
    if ((p[0] == 0x40 || p[0] == 0x41) && p[1] >= 0x50 && p[1] <= 0x57) return {2, MOVE_COPY};
    if (bRexW && p[1] == 0x83 && p[2] == 0xec) return {4, MOVE_COPY};  // sub rsp,imm8
    if (bRexW && p[1] == 0x81 && p[2] == 0xec) return {7, MOVE_COPY};  // sub rsp,imm32
    if (bRexW && (p[1] == 0x89 || p[1] == 0x8b) && (p[2] & 0xc7) == 0x44 && p[3] == 0x24)
        return {5, MOVE_COPY};  // mov [rsp+d8],r and back
    if (bRexW && (p[1] == 0x89 || p[1] == 0x8b) && (p[2] & 0xc0) == 0xc0) return {3, MOVE_COPY};  // mov r,r
    return {0, MOVE_COPY};
}

bool EndsBlock(EMove move) {
    return move != MOVE_COPY;
}

BYTE* EmitAbsJump(BYTE* p, const void* pTo) {
    const BYTE jmp[6] = {0xff, 0x25, 0, 0, 0, 0};
    std::memcpy(p, jmp, 6);
    const uint64_t to = reinterpret_cast<uint64_t>(pTo);
    std::memcpy(p + 6, &to, 8);
    return p + kAbsJump;
}

int32_t Rel32(const BYTE* p) {
    int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// A block of executable memory within reach of a rel32 jump from pNear.
void* AllocNear(const void* pNear) {
    const uintptr_t from = reinterpret_cast<uintptr_t>(pNear);
    const uintptr_t kReach = 0x7ff00000;
    uintptr_t addr = from > kReach + 0x10000 ? from - kReach : 0x10000;
    const uintptr_t last = from + kReach;
    MEMORY_BASIC_INFORMATION mbi;
    while (addr < last && VirtualQuery(reinterpret_cast<void*>(addr), &mbi, sizeof(mbi))) {
        const uintptr_t base = reinterpret_cast<uintptr_t>(mbi.BaseAddress);
        const uintptr_t end = base + mbi.RegionSize;
        if (mbi.State == MEM_FREE) {
            const uintptr_t aligned = (base + 0xffff) & ~uintptr_t(0xffff);
            if (aligned + kBlockSize <= end && aligned < last) {
                void* p = VirtualAlloc(reinterpret_cast<void*>(aligned), kBlockSize, MEM_COMMIT | MEM_RESERVE,
                                       PAGE_EXECUTE_READWRITE);
                if (p) return p;
            }
        }
        if (end <= addr) break;
        addr = end;
    }
    return nullptr;
}

bool WriteCode(void* pTo, const void* pFrom, int n) {
    DWORD dwOld = 0;
    if (!VirtualProtect(pTo, n, PAGE_EXECUTE_READWRITE, &dwOld)) return false;
    std::memcpy(pTo, pFrom, n);
    VirtualProtect(pTo, n, dwOld, &dwOld);
    FlushInstructionCache(GetCurrentProcess(), pTo, n);
    return true;
}

void RelJumpBytes(BYTE (&jmp)[kRelJump], const void* pFrom, const void* pTo) {
    jmp[0] = 0xe9;
    const int32_t rel = static_cast<int32_t>(reinterpret_cast<intptr_t>(pTo) -
                                             (reinterpret_cast<intptr_t>(pFrom) + kRelJump));
    std::memcpy(jmp + 1, &rel, 4);
}

}  // namespace

int CSkinSBEntryPatch::MovableLength(const BYTE* pCode, int nMin) {
    int n = 0;
    while (n < nMin) {
        const Instruction ins = Decode(pCode + n);
        if (ins.nLength == 0) return 0;
        n += ins.nLength;
        if (EndsBlock(ins.move)) break;
    }
    // Bytes after a block-ending jump are overwritten only when they are filler.
    for (int i = n; i < nMin; ++i)
        if (pCode[i] != 0x90 && pCode[i] != 0xcc) return 0;
    return n < nMin ? nMin : n;
}

BOOL CSkinSBEntryPatch::Install(void* pTarget, void* pHook) {
    if (!pTarget || !pHook || m_pTarget) return FALSE;
    const BYTE* pCode = static_cast<const BYTE*>(pTarget);
    const int nMove = MovableLength(pCode, kRelJump);
    if (nMove == 0 || nMove > static_cast<int>(sizeof(m_saved))) return FALSE;
    BYTE* pBlock = static_cast<BYTE*>(AllocNear(pTarget));
    if (!pBlock) return FALSE;

    // The block: the relay to the hook, then the trampoline.
    BYTE* pTramp = EmitAbsJump(pBlock, pHook);
    BYTE* p = pTramp;
    int n = 0;
    bool bEnded = false;
    while (n < nMove && !bEnded) {
        const Instruction ins = Decode(pCode + n);
        if (ins.move == MOVE_JMP_INDIRECT) {  // mov rax, slot; jmp [rax]: rax is free at an entry
            const uint64_t slot = reinterpret_cast<uint64_t>(pCode + n + 6 + Rel32(pCode + n + 2));
            *p++ = 0x48;
            *p++ = 0xb8;
            std::memcpy(p, &slot, 8);
            p += 8;
            *p++ = 0xff;
            *p++ = 0x20;
        } else if (ins.move == MOVE_JMP_REL) {
            p = EmitAbsJump(p, pCode + n + 5 + Rel32(pCode + n + 1));
        } else {
            std::memcpy(p, pCode + n, ins.nLength);
            p += ins.nLength;
        }
        bEnded = EndsBlock(ins.move);
        n += ins.nLength;
    }
    if (!bEnded) EmitAbsJump(p, pCode + n);
    FlushInstructionCache(GetCurrentProcess(), pBlock, kBlockSize);

    std::memcpy(m_saved, pCode, nMove);
    BYTE patch[sizeof(m_saved)];
    std::memcpy(patch, pCode, nMove);
    BYTE jmp[kRelJump];
    RelJumpBytes(jmp, pTarget, pBlock);
    std::memcpy(patch, jmp, kRelJump);
    for (int i = kRelJump; i < nMove; ++i)
        patch[i] = 0xcc;
    if (!WriteCode(pTarget, patch, nMove)) {
        VirtualFree(pBlock, 0, MEM_RELEASE);
        return FALSE;
    }
    m_pTarget = pTarget;
    m_pTrampoline = pTramp;
    m_pBlock = pBlock;
    m_nSaved = nMove;
    return TRUE;
}

BOOL CSkinSBEntryPatch::Remove() {
    if (!m_pTarget) return FALSE;
    BYTE jmp[kRelJump];
    RelJumpBytes(jmp, m_pTarget, m_pBlock);
    const bool bOurs = std::memcmp(m_pTarget, jmp, kRelJump) == 0;
    const bool bRestored = bOurs && WriteCode(m_pTarget, m_saved, m_nSaved);
    if (bRestored) VirtualFree(m_pBlock, 0, MEM_RELEASE);
    m_pTarget = m_pTrampoline = m_pBlock = nullptr;
    m_nSaved = 0;
    return bRestored ? TRUE : FALSE;
}
