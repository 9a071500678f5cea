// Generic-text string functions of the ANSI build. The C runtime's tchar.h declares the _tcs... names as
// runtime exports for multi-byte builds, but the runtime exports them only under their _mbs... names; the
// framework DLL exports them, forwarding to the double-byte-aware _mbs... functions.
// This file deliberately includes no framework header: those declare the names as imports.
#ifdef _MBCS

#include <mbstring.h>
#include <stddef.h>

#define RIZ_TCS_EXPORT extern "C" __declspec(dllexport)

namespace {

inline const unsigned char* U(const char* s) {
    return reinterpret_cast<const unsigned char*>(s);
}
inline unsigned char* U(char* s) {
    return reinterpret_cast<unsigned char*>(s);
}
inline char* C(const unsigned char* s) {
    return const_cast<char*>(reinterpret_cast<const char*>(s));
}

}  // namespace

RIZ_TCS_EXPORT char* __cdecl _tcschr(const char* s, unsigned int c) {
    return C(_mbschr(U(s), c));
}
RIZ_TCS_EXPORT char* __cdecl _tcsrchr(const char* s, unsigned int c) {
    return C(_mbsrchr(U(s), c));
}
RIZ_TCS_EXPORT char* __cdecl _tcsstr(const char* s, const char* sub) {
    return C(_mbsstr(U(s), U(sub)));
}
RIZ_TCS_EXPORT char* __cdecl _tcspbrk(const char* s, const char* set) {
    return C(_mbspbrk(U(s), U(set)));
}
RIZ_TCS_EXPORT size_t __cdecl _tcscspn(const char* s, const char* set) {
    return _mbscspn(U(s), U(set));
}
RIZ_TCS_EXPORT size_t __cdecl _tcsspn(const char* s, const char* set) {
    return _mbsspn(U(s), U(set));
}
RIZ_TCS_EXPORT char* __cdecl _tcsspnp(const char* s, const char* set) {
    return C(_mbsspnp(U(s), U(set)));
}
RIZ_TCS_EXPORT char* __cdecl _tcstok(char* s, const char* delim) {
    return C(_mbstok(U(s), U(delim)));
}
RIZ_TCS_EXPORT char* __cdecl _tcsncat(char* d, const char* s, size_t n) {
    return C(_mbsnbcat(U(d), U(s), n));
}
RIZ_TCS_EXPORT char* __cdecl _tcsncpy(char* d, const char* s, size_t n) {
    return C(_mbsnbcpy(U(d), U(s), n));
}
RIZ_TCS_EXPORT char* __cdecl _tcsnset(char* s, unsigned int c, size_t n) {
    return C(_mbsnbset(U(s), c, n));
}
RIZ_TCS_EXPORT char* __cdecl _tcsset(char* s, unsigned int c) {
    return C(_mbsset(U(s), c));
}
RIZ_TCS_EXPORT char* __cdecl _tcsrev(char* s) {
    return C(_mbsrev(U(s)));
}
RIZ_TCS_EXPORT char* __cdecl _tcslwr(char* s) {
    return C(_mbslwr(U(s)));
}
RIZ_TCS_EXPORT char* __cdecl _tcsupr(char* s) {
    return C(_mbsupr(U(s)));
}
RIZ_TCS_EXPORT int __cdecl _tcscmp(const char* a, const char* b) {
    return _mbscmp(U(a), U(b));
}
RIZ_TCS_EXPORT int __cdecl _tcsicmp(const char* a, const char* b) {
    return _mbsicmp(U(a), U(b));
}
RIZ_TCS_EXPORT int __cdecl _tcsncmp(const char* a, const char* b, size_t n) {
    return _mbsnbcmp(U(a), U(b), n);
}
RIZ_TCS_EXPORT int __cdecl _tcsnicmp(const char* a, const char* b, size_t n) {
    return _mbsnbicmp(U(a), U(b), n);
}
RIZ_TCS_EXPORT int __cdecl _tcsnccmp(const char* a, const char* b, size_t n) {
    return _mbsncmp(U(a), U(b), n);
}
RIZ_TCS_EXPORT int __cdecl _tcsncicmp(const char* a, const char* b, size_t n) {
    return _mbsnicmp(U(a), U(b), n);
}
RIZ_TCS_EXPORT int __cdecl _tcscoll(const char* a, const char* b) {
    return _mbscoll(U(a), U(b));
}
RIZ_TCS_EXPORT int __cdecl _tcsicoll(const char* a, const char* b) {
    return _mbsicoll(U(a), U(b));
}
RIZ_TCS_EXPORT size_t __cdecl _tcsclen(const char* s) {
    return _mbslen(U(s));
}
RIZ_TCS_EXPORT size_t __cdecl _tcscnlen(const char* s, size_t n) {
    return _mbsnlen(U(s), n);
}
RIZ_TCS_EXPORT char* __cdecl _tcsinc(const char* p) {
    return C(_mbsinc(U(p)));
}
RIZ_TCS_EXPORT char* __cdecl _tcsdec(const char* start, const char* p) {
    return C(_mbsdec(U(start), U(p)));
}
RIZ_TCS_EXPORT char* __cdecl _tcsninc(const char* p, size_t n) {
    return C(_mbsninc(U(p), n));
}
RIZ_TCS_EXPORT unsigned int __cdecl _tcsnextc(const char* s) {
    return _mbsnextc(U(s));
}
RIZ_TCS_EXPORT size_t __cdecl _tcsnbcnt(const char* s, size_t n) {
    return _mbsnbcnt(U(s), n);
}
RIZ_TCS_EXPORT size_t __cdecl _tcsnccnt(const char* s, size_t n) {
    return _mbsnccnt(U(s), n);
}

#endif  // _MBCS
