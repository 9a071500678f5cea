// The GDI+ encoder of an image format, looked up by MIME type. Inline and on the system headers only, so
// the skin generator, the gallery, the bench and the tests share it without loading this library.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cwchar>
#include <vector>

// The class id of the encoder for pszMimeType ("image/png", "image/bmp", "image/jpeg"...). FALSE when
// GDI+ has no such encoder or is not started.
inline bool QVGetEncoderClsid(const WCHAR* pszMimeType, CLSID* pClsid) {
    if (!pszMimeType || !pClsid) return false;
    UINT nCount = 0, nBytes = 0;
    if (Gdiplus::GetImageEncodersSize(&nCount, &nBytes) != Gdiplus::Ok || nBytes == 0) return false;
    std::vector<BYTE> buffer(nBytes);
    auto* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(nCount, nBytes, pCodecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < nCount; ++i) {
        if (pCodecs[i].MimeType && wcscmp(pCodecs[i].MimeType, pszMimeType) == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The PNG encoder, the one every screenshot and generated image here is written with.
inline bool QVGetPngEncoderClsid(CLSID* pClsid) {
    return QVGetEncoderClsid(L"image/png", pClsid);
}
