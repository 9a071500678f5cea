// Reading skin folders: skin.ini and the images it names.
#include "SkinFile.h"

#include "DecodedImages.h"
#include "ImageFile.h"
#include "TextFile.h"

#include <QVSkinRanges.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <set>

namespace {

// ---------------------------------------------------------------------------------------------------
// Sections and the key tables: one entry per record field, named by the rule of docs/skin-format.md.

enum SectionKind {
    SECTION_NONE,     // keys before the first section header
    SECTION_UNKNOWN,  // keys of a section this version does not know
    SECTION_SKIN,
    SECTION_WINDOW,
    SECTION_BUTTON,
    SECTION_IMLIST,
    SECTION_OTHER,
    SECTION_COLORS
};

struct CSectionName {
    const wchar_t* pszName;
    SectionKind kind;
};

const CSectionName s_sections[] = {{L"Skin", SECTION_SKIN},     {L"Window", SECTION_WINDOW},
                                   {L"Button", SECTION_BUTTON}, {L"IMList", SECTION_IMLIST},
                                   {L"Other", SECTION_OTHER},   {L"Colors", SECTION_COLORS}};

const wchar_t* SectionLabel(int nSection) {
    for (const CSectionName& section : s_sections) {
        if (section.kind == nSection) return section.pszName;
    }
    return L"";
}

enum FieldKind { FIELD_INT, FIELD_COLOR, FIELD_TEXT, FIELD_IMAGE, FIELD_PICTURE, FIELD_POINTS };

// One record field: its key, its type and where it lives in the record.
template <class R>
struct CField {
    const wchar_t* pszKey;
    FieldKind kind;
    int R::*pInt;
    COLORREF R::*pColor;
    CString R::*pText;
    CQVBitmap R::*pImage;
    CQVGdiplusImage R::*pPicture;  // images drawn through GDI+ with their own transparency
    std::vector<CPoint> R::*pPoints;
    int nFrames;               // images: frames side by side
    bool bOptional;            // images: a skin may leave it out without a warning
    const wchar_t* pszFolder;  // mask names: the folder of the skin the name is relative to
    int nMin;                  // ints: the valid range; points: of each coordinate
    int nMax;
};

// Flags and the numbers the library does not read take any int; every other number has a range.
template <class R>
constexpr CField<R> Int(const wchar_t* pszKey, int R::*p, int nMin = INT_MIN, int nMax = INT_MAX) {
    return {pszKey, FIELD_INT, p, nullptr, nullptr, nullptr, nullptr, nullptr, 0, false, nullptr, nMin, nMax};
}
template <class R>
constexpr CField<R> Color(const wchar_t* pszKey, COLORREF R::*p) {
    return {pszKey, FIELD_COLOR, nullptr, p, nullptr, nullptr, nullptr, nullptr, 0, false, nullptr, 0, 0};
}
template <class R>
constexpr CField<R> Mask(const wchar_t* pszKey, CString R::*p, const wchar_t* pszFolder) {
    return {pszKey, FIELD_TEXT, nullptr, nullptr, p, nullptr, nullptr, nullptr, 0, false, pszFolder, 0, 0};
}
template <class R>
constexpr CField<R> Image(const wchar_t* pszKey, CQVBitmap R::*p, int nFrames, bool bOptional = false) {
    return {pszKey,  FIELD_IMAGE, nullptr,   nullptr, nullptr, p, nullptr,
            nullptr, nFrames,     bOptional, nullptr, 0,       0};
}
// Optional pictures (PNG with alpha and the like), one frame.
template <class R>
constexpr CField<R> Picture(const wchar_t* pszKey, CQVGdiplusImage R::*p) {
    return {pszKey, FIELD_PICTURE, nullptr, nullptr, nullptr, nullptr, p, nullptr, 1, true, nullptr, 0, 0};
}
template <class R>
constexpr CField<R> Points(const wchar_t* pszKey, std::vector<CPoint> R::*p) {
    const int nMax = QVSkinRange::kMaxCornerPoint;
    return {pszKey, FIELD_POINTS, nullptr, nullptr, nullptr, nullptr, nullptr, p, 0, false, nullptr, 0, nMax};
}

// The ranges of docs/skin-format.md.
using namespace QVSkinRange;
constexpr int kPosMin = -kMaxPosition;

using W = CQVSkinWndRes;
const CField<W> s_wndFields[] = {
    Points(L"CornerTopLeft", &W::m_ptsCornerTopLeft),
    Points(L"CornerTopRight", &W::m_ptsCornerTopRight),
    Points(L"CornerBottomRight", &W::m_ptsCornerBottomRight),
    Points(L"CornerBottomLeft", &W::m_ptsCornerBottomLeft),
    Mask(L"MaskTopLeft", &W::m_strMaskTopLeft, L"Common\\Window\\"),
    Mask(L"MaskTopRight", &W::m_strMaskTopRight, L"Common\\Window\\"),
    Mask(L"MaskBottomLeft", &W::m_strMaskBottomLeft, L"Common\\Window\\"),
    Mask(L"MaskBottomRight", &W::m_strMaskBottomRight, L"Common\\Window\\"),
    Int(L"BorderLayout", &W::m_nBorderLayout),
    Int(L"CaptionBtnLayout", &W::m_nCaptionBtnLayout),
    Int(L"MinBtnRight", &W::m_nMinBtnRight, kPosMin, kMaxPosition),
    Int(L"MaxBtnRight", &W::m_nMaxBtnRight, kPosMin, kMaxPosition),
    Int(L"CloseBtnRight", &W::m_nCloseBtnRight, kPosMin, kMaxPosition),
    Int(L"MinBtnTop", &W::m_nMinBtnTop, kPosMin, kMaxPosition),
    Int(L"MaxBtnTop", &W::m_nMaxBtnTop, kPosMin, kMaxPosition),
    Int(L"CloseBtnTop", &W::m_nCloseBtnTop, kPosMin, kMaxPosition),
    Int(L"BtnGap", &W::m_nBtnGap, 0, kMaxButton),
    Int(L"IconTop", &W::m_nIconTop, kPosMin, kMaxPosition),
    Int(L"IconLeft", &W::m_nIconLeft, kPosMin, kMaxPosition),
    Int(L"TitleTop", &W::m_nTitleTop, kPosMin, kMaxPosition),
    Int(L"TitleLeft", &W::m_nTitleLeft, kPosMin, kMaxPosition),
    Int(L"ShowDisabledBtns", &W::m_nShowDisabledBtns),
    Int(L"MinBtnWidth", &W::m_nMinBtnWidth, 0, kMaxButton),
    Int(L"MinBtnHeight", &W::m_nMinBtnHeight, 0, kMaxButton),
    Int(L"MaxBtnWidth", &W::m_nMaxBtnWidth, 0, kMaxButton),
    Int(L"MaxBtnHeight", &W::m_nMaxBtnHeight, 0, kMaxButton),
    Int(L"CloseBtnWidth", &W::m_nCloseBtnWidth, 0, kMaxButton),
    Int(L"CloseBtnHeight", &W::m_nCloseBtnHeight, 0, kMaxButton),
    // The border widths share their names with the border images: they carry the word Size.
    Int(L"LeftBorderSize", &W::m_nLeftBorder, 0, kMaxFrame),
    Int(L"RightBorderSize", &W::m_nRightBorder, 0, kMaxFrame),
    Int(L"CaptionHeight", &W::m_nCaptionHeight, 0, kMaxFrame),
    Int(L"BottomBorderSize", &W::m_nBottomBorder, 0, kMaxFrame),
    Int(L"Reserved1", &W::m_nReserved1),
    Int(L"Reserved2", &W::m_nReserved2),
    Int(L"Reserved3", &W::m_nReserved3),
    Int(L"Reserved4", &W::m_nReserved4),
    Int(L"Reserved5", &W::m_nReserved5),
    Int(L"Reserved6", &W::m_nReserved6),
    Int(L"Reserved7", &W::m_nReserved7),
    Color(L"BtnKey", &W::m_clrBtnKey),
    Image(L"Caption", &W::m_bmpCaption, 2),
    Image(L"LeftBorder", &W::m_bmpLeftBorder, 2),
    Image(L"RightBorder", &W::m_bmpRightBorder, 2),
    Image(L"BottomBorder", &W::m_bmpBottomBorder, 2),
    Image(L"MinBtn", &W::m_bmpMinBtn, 8),
    Image(L"MaxBtn", &W::m_bmpMaxBtn, 8),
    Image(L"RestoreBtn", &W::m_bmpRestoreBtn, 8),
    Image(L"CloseBtn", &W::m_bmpCloseBtn, 8),
    Image(L"ClientBk", &W::m_bmpClientBk, 1, true),
    Image(L"ClientTop", &W::m_bmpClientTop, 1, true),
    Image(L"ClientMid", &W::m_bmpClientMid, 1, true),
    Image(L"ClientBottom", &W::m_bmpClientBottom, 1, true),
    Int(L"ClientTopHeight", &W::m_nClientTopHeight, 0, kMaxBand),
    Int(L"ClientBottomHeight", &W::m_nClientBottomHeight, 0, kMaxBand),
    Int(L"ClientBkMode", &W::m_nClientBkMode),
    // Shares its name with the background image: carries the word Color.
    Color(L"ClientBkColor", &W::m_clrClientBk),
    Image(L"ScrollBar", &W::m_bmpScrollBar, 1, true),
};

using B = CQVSkinBtnRes;
const CField<B> s_btnFields[] = {
    Int(L"SkinPushBtn", &B::m_nSkinPushBtn),
    Int(L"SkinCheckBox", &B::m_nSkinCheckBox),
    Int(L"SkinRadio", &B::m_nSkinRadio),
    Int(L"SkinSpin", &B::m_nSkinSpin),
    Int(L"SkinReserved", &B::m_nSkinReserved),
    Image(L"PushBtn", &B::m_bmpPushBtn, 4),
    Image(L"CheckBox", &B::m_bmpCheckBox, 11),
    Image(L"Radio", &B::m_bmpRadio, 8),
    Image(L"Spin", &B::m_bmpSpin, 8),
    Image(L"ComboDrop", &B::m_bmpComboDrop, 3),
    Image(L"Reserved", &B::m_bmpReserved, 1, true),
    Image(L"Tab", &B::m_bmpTab, 4),
    Image(L"TabWnd", &B::m_bmpTabWnd, 4),
    Image(L"Header", &B::m_bmpHeader, 4),
    Mask(L"TabWndMask", &B::m_strTabWndMask, L"Common\\Button\\"),
    Int(L"TabWndReserved", &B::m_nTabWndReserved),
    Int(L"Metric1", &B::m_nMetric1, 0, kMaxMetric),
    Int(L"PushBtnHeight", &B::m_nPushBtnHeight, 0, kMaxMetric),
    Int(L"CheckBoxWidth", &B::m_nCheckBoxWidth, 0, kMaxMetric),
    Int(L"CheckBoxHeight", &B::m_nCheckBoxHeight, 0, kMaxMetric),
    Int(L"RadioWidth", &B::m_nRadioWidth, 0, kMaxMetric),
    Int(L"RadioHeight", &B::m_nRadioHeight, 0, kMaxMetric),
    Int(L"SpinWidth", &B::m_nSpinWidth, 0, kMaxMetric),
    Int(L"SpinHeight", &B::m_nSpinHeight, 0, kMaxMetric),
    Int(L"ComboDropWidth", &B::m_nComboDropWidth, 0, kMaxMetric),
    Int(L"ComboDropHeight", &B::m_nComboDropHeight, 0, kMaxMetric),
    Int(L"Metric11", &B::m_nMetric11, 0, kMaxMetric),
    Int(L"Metric12", &B::m_nMetric12, 0, kMaxMetric),
    Int(L"TabMinWidth", &B::m_nTabMinWidth, 0, kMaxMetric),
    Int(L"TabHeight", &B::m_nTabHeight, 0, kMaxMetric),
    Int(L"TabWndTabWidth", &B::m_nTabWndTabWidth, 0, kMaxMetric),
    Int(L"TabWndTabHeight", &B::m_nTabWndTabHeight, 0, kMaxMetric),
    Int(L"Metric17", &B::m_nMetric17, 0, kMaxMetric),
    Int(L"HeaderHeight", &B::m_nHeaderHeight, 0, kMaxMetric),
    Int(L"TransparentImage", &B::m_nTransparentImage),
    Color(L"Transparent", &B::m_clrTransparent),
};

using IML = CQVSkinIMListRes;
const CField<IML> s_imlFields[] = {
    // Contact list: team rows and group buttons; without them the list draws its own colour frames.
    Image(L"TeamItem", &IML::m_bmpTeamItem, 2),
    Image(L"GroupBtn", &IML::m_bmpGroupBtn, 2),
    Color(L"Transparent", &IML::m_clrTransparent),
    Int(L"GroupBtnHeight", &IML::m_nGroupBtnHeight, 1, kMaxRowHeight),
};
const size_t s_nImlFields = sizeof(s_imlFields) / sizeof(s_imlFields[0]);
using O = CQVSkinOtherRes;
const CField<O> s_othFields[] = {
    // The slider's channel and thumb (frame 0 of each); without them the slider draws only the
    // parent's background and its tick marks.
    Image(L"SliderChannel", &O::m_bmpSliderChannel, 1, true),
    Image(L"SliderThumb", &O::m_bmpSliderThumb, 1, true),
    Int(L"SliderTransparent", &O::m_nSliderTransparent),
    Color(L"SliderKey", &O::m_clrSliderKey),
    // Menus draw it with white as the key colour; without it a checked item shows no mark.
    Image(L"MenuCheck", &O::m_bmpMenuCheck, 1, true),
    // Outlook bar headers; without the image a header shows only its text on the bar's background.
    Image(L"OutBarFolder", &O::m_bmpOutBarFolder, 3, true),
    Int(L"OutBarFolderHeight", &O::m_nOutBarFolderHeight, 1, kMaxRowHeight),
    Int(L"OutBarTransparent", &O::m_nOutBarTransparent),
    Color(L"OutBarKey", &O::m_clrOutBarKey),
    // File transfer list: icon overlays and the progress bar; without them the icon stays bare and the
    // bar is a blue fill in a black frame.
    Picture(L"FileSendOverlay", &O::m_imgFileSendOverlay),
    Picture(L"FileRecvOverlay", &O::m_imgFileRecvOverlay),
    Image(L"FileProgress", &O::m_bmpFileProgress, 2, true),
    Int(L"FileProgressTransparent", &O::m_nFileProgressTransparent),
    Color(L"FileProgressKey", &O::m_clrFileProgressKey),
};
const size_t s_nOthFields = sizeof(s_othFields) / sizeof(s_othFields[0]);

// ---------------------------------------------------------------------------------------------------
// Values.

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

int HexDigit(wchar_t ch) {
    if (IsDigit(ch)) return ch - L'0';
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    return -1;
}

// Decimal, optionally negative, or 0x and up to 32 bits of hex.
bool ParseInt(const std::wstring& s, int& nValue) {
    if (s.size() > 2 && s[0] == L'0' && (s[1] == L'x' || s[1] == L'X')) {
        if (s.size() > 10) return false;
        unsigned int u = 0;
        for (size_t i = 2; i < s.size(); ++i) {
            int d = HexDigit(s[i]);
            if (d < 0) return false;
            u = u * 16 + static_cast<unsigned int>(d);
        }
        nValue = static_cast<int>(u);
        return true;
    }
    size_t i = 0;
    bool bNegative = false;
    if (!s.empty() && s[0] == L'-') {
        bNegative = true;
        i = 1;
    }
    if (i == s.size() || s.size() - i > 10) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!IsDigit(s[i])) return false;
        v = v * 10 + (s[i] - L'0');
    }
    if (bNegative) v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    nValue = static_cast<int>(v);
    return true;
}

// R,G,B with each part 0-255; blanks around the parts are allowed.
bool ParseColor(const std::wstring& s, COLORREF& clr) {
    int parts[3] = {};
    size_t nStart = 0;
    for (int i = 0; i < 3; ++i) {
        size_t nComma = s.find(L',', nStart);
        if ((i < 2) != (nComma != std::wstring::npos)) return false;
        std::wstring part = zir::TrimBlanks(
            s.substr(nStart, nComma == std::wstring::npos ? std::wstring::npos : nComma - nStart));
        if (part.empty() || part.size() > 3) return false;
        for (wchar_t ch : part) {
            if (!IsDigit(ch)) return false;
        }
        parts[i] = std::stoi(part);
        if (parts[i] > 255) return false;
        nStart = nComma + 1;
    }
    clr = RGB(parts[0], parts[1], parts[2]);
    return true;
}

// x,y pairs separated by blanks; an empty value is the empty outline.
bool ParsePoints(const std::wstring& s, std::vector<CPoint>& points) {
    const size_t nMaxPoints = 4096;
    std::vector<CPoint> result;
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == L' ' || s[i] == L'\t') {
            ++i;
            continue;
        }
        size_t nEnd = s.find_first_of(L" \t", i);
        if (nEnd == std::wstring::npos) nEnd = s.size();
        std::wstring token = s.substr(i, nEnd - i);
        size_t nComma = token.find(L',');
        int x = 0, y = 0;
        if (nComma == std::wstring::npos || !ParseInt(token.substr(0, nComma), x) ||
            !ParseInt(token.substr(nComma + 1), y) || result.size() >= nMaxPoints)
            return false;
        result.push_back(CPoint(x, y));
        i = nEnd;
    }
    points.swap(result);
    return true;
}

DWORD Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24);
}
WORD Le16(const unsigned char* p) {
    return static_cast<WORD>(p[0] | (p[1] << 8));
}
DWORD Be32(const unsigned char* p) {
    return (static_cast<DWORD>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

enum ProbeResult {
    PROBE_OK,         // a BMP or PNG whose header and length look right
    PROBE_OTHER,      // another format: left to the image loader
    PROBE_EMPTY,      // zero bytes
    PROBE_TRUNCATED,  // shorter than its header says
    PROBE_DAMAGED,    // a header that makes no sense
    PROBE_TOO_LARGE,  // a header announcing an absurd size
    PROBE_UNREADABLE
};

// Looks at the header of a BMP or PNG before the image loader does, so that an absurd size or a cut-off
// file never reaches it. bytes holds the file's first bytes (all of them unless it is larger than the
// loader takes); nSize is the file's size.
ProbeResult ProbeImage(const std::vector<unsigned char>& bytes, ULONGLONG nSize) {
    if (nSize == 0) return PROBE_EMPTY;
    const unsigned char* p = bytes.data();
    long long cx = 0, cy = 0;
    if (bytes.size() >= 2 && p[0] == 'B' && p[1] == 'M') {
        if (bytes.size() < 26) return PROBE_TRUNCATED;
        DWORD dwOffBits = Le32(p + 10);
        DWORD dwHeader = Le32(p + 14);
        int nBitCount = 0;
        DWORD dwCompression = BI_RGB;
        if (dwHeader == sizeof(BITMAPCOREHEADER)) {
            cx = Le16(p + 18);
            cy = Le16(p + 20);
            nBitCount = Le16(p + 24);
        } else if (dwHeader >= sizeof(BITMAPINFOHEADER)) {
            if (bytes.size() < 14 + sizeof(BITMAPINFOHEADER)) return PROBE_TRUNCATED;
            cx = static_cast<LONG>(Le32(p + 18));
            cy = static_cast<LONG>(Le32(p + 22));
            nBitCount = Le16(p + 28);
            dwCompression = Le32(p + 30);
        } else {
            return PROBE_DAMAGED;
        }
        if (cy < 0) cy = -cy;
        if (cx <= 0 || cy <= 0) return PROBE_DAMAGED;
        if (cx > CSkinFile::MAX_IMAGE_SIDE || cy > CSkinFile::MAX_IMAGE_SIDE ||
            cx * cy > CSkinFile::MAX_IMAGE_PIXELS)
            return PROBE_TOO_LARGE;
        if (dwCompression == BI_RGB || dwCompression == BI_BITFIELDS) {
            if (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 16 && nBitCount != 24 &&
                nBitCount != 32)
                return PROBE_DAMAGED;
            unsigned long long nStride = ((static_cast<unsigned long long>(cx) * nBitCount + 31) / 32) * 4;
            if (dwOffBits + nStride * static_cast<unsigned long long>(cy) > nSize) return PROBE_TRUNCATED;
        }
        return PROBE_OK;
    }
    static const unsigned char s_png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (bytes.size() >= 8 && std::memcmp(p, s_png, 8) == 0) {
        if (bytes.size() < 24) return PROBE_TRUNCATED;
        if (std::memcmp(p + 12, "IHDR", 4) != 0) return PROBE_DAMAGED;
        cx = Be32(p + 16);
        cy = Be32(p + 20);
        if (cx <= 0 || cy <= 0) return PROBE_DAMAGED;
        if (cx > CSkinFile::MAX_IMAGE_SIDE || cy > CSkinFile::MAX_IMAGE_SIDE ||
            cx * cy > CSkinFile::MAX_IMAGE_PIXELS)
            return PROBE_TOO_LARGE;
        // The last chunk of a whole file is IEND: length 0, type, CRC. A file too large to have been
        // read whole is left to the loader, which refuses it.
        if (bytes.size() < nSize) return PROBE_OK;
        const bool bTail = nSize >= 8 + 12 && std::memcmp(bytes.data() + bytes.size() - 8, "IEND", 4) == 0;
        return bTail ? PROBE_OK : PROBE_TRUNCATED;
    }
    return PROBE_OTHER;
}

LPCTSTR ProbeText(ProbeResult result) {
    switch (result) {
    case PROBE_EMPTY:
        return _T("empty file");
    case PROBE_TRUNCATED:
        return _T("truncated file");
    case PROBE_DAMAGED:
        return _T("damaged image header");
    case PROBE_TOO_LARGE:
        return _T("image header announces an absurd size");
    case PROBE_UNREADABLE:
        return _T("file cannot be read");
    default:
        return _T("");
    }
}

// ---------------------------------------------------------------------------------------------------
// Applying the entries.

std::wstring Lower(const std::wstring& s) {
    std::wstring lower(s);
    if (!lower.empty()) ::CharLowerBuffW(&lower[0], static_cast<DWORD>(lower.size()));
    return lower;
}

bool SameKey(const std::wstring& s, const wchar_t* psz) {
    return _wcsicmp(s.c_str(), psz) == 0;
}

// Color0 to Color16: the index, or -1.
int ColorIndex(const std::wstring& lower) {
    if (lower.size() < 6 || lower.size() > 7 || lower.compare(0, 5, L"color") != 0) return -1;
    std::wstring digits = lower.substr(5);
    for (wchar_t ch : digits) {
        if (!IsDigit(ch)) return -1;
    }
    if (digits.size() == 2 && digits[0] == L'0') return -1;
    int nIndex = std::stoi(digits);
    return nIndex < CQVSkinColorDef::COLOR_COUNT ? nIndex : -1;
}

class CApplyContext {
public:
    CApplyContext(const CString& strFolder, std::vector<CSkinFile::CIssue>* pIssues)
        : m_strFolder(strFolder), m_pIssues(pIssues) {}

    const CString& Folder() const { return m_strFolder; }
    bool Checking() const { return m_pIssues != NULL; }

    void Add(BOOL bError, int nLine, const CString& strText) const {
        if (m_pIssues == NULL) return;
        CSkinFile::CIssue issue;
        issue.bError = bError;
        issue.nLine = nLine;
        issue.strText = strText;
        m_pIssues->push_back(issue);
    }

    // Loads one picture of a skin; it stays empty, and draws nothing, when it cannot be read.
    void LoadPicture(CQVGdiplusImage& image, const CString& strRelative, int nLine,
                     const CString& strLabel) const {
        image.Unload();
        if (strRelative.IsEmpty()) return;
        const CString strWhat = strLabel + _T(": ") + strRelative + _T(": ");
        if (strRelative.Find(_T(':')) >= 0 || strRelative[0] == _T('\\')) {
            Add(TRUE, nLine, strWhat + _T("not a path relative to the skin folder"));
            return;
        }
        const CString strFile = m_strFolder + strRelative;
        if (!zir::IsFile(strFile)) {
            Add(TRUE, nLine, strWhat + _T("file missing"));
            return;
        }
        if (!image.Load(strFile)) Add(TRUE, nLine, strWhat + _T("cannot be read as an image"));
    }

    // Loads one image of a skin: nothing for a file that is missing, damaged or too small for its
    // frames; the image then stays empty and draws nothing.
    void LoadImage(CQVBitmap& bmp, const CString& strRelative, int nFrames, int nLine,
                   const CString& strLabel) const {
        bmp.DeleteObject();
        if (strRelative.IsEmpty()) return;
        CString strWhat = strLabel + _T(": ") + strRelative + _T(": ");
        if (strRelative.Find(_T(':')) >= 0 || strRelative[0] == _T('\\')) {
            Add(TRUE, nLine, strWhat + _T("not a path relative to the skin folder"));
            return;
        }
        // A file this reader decoded before and unchanged since comes from the cache; any other is
        // read once, probed and decoded from the same bytes, and kept under the stamp taken before the
        // read. Only what passed the probe is kept, under the reader's own use.
        CString strFile = m_strFolder + strRelative;
        zir::FileStamp stamp;
        const bool bStamped = zir::StampFile(strFile, stamp);
        if (HBITMAP hDib = bStamped ? zir::DecodedDib(strFile, stamp, zir::DecodedUse::SkinImage) : NULL) {
            zir::AdoptDib(bmp, hDib);
            CheckFrames(bmp, nFrames, nLine, strWhat);
            return;
        }
        std::vector<unsigned char> bytes;
        ULONGLONG nSize = 0;
        if (!zir::ReadFileBytes(strFile, zir::kMaxImageFileBytes + 1, bytes, &nSize)) {
            Add(TRUE, nLine,
                strWhat + (zir::IsFile(strFile) ? ProbeText(PROBE_UNREADABLE) : _T("file missing")));
            return;
        }
        ProbeResult probe = ProbeImage(bytes, nSize);
        if (probe != PROBE_OK && probe != PROBE_OTHER) {
            Add(TRUE, nLine, strWhat + ProbeText(probe));
            return;
        }
        if (bytes.size() != nSize || !bmp.LoadFromMemory(bytes.data(), bytes.size())) {
            Add(TRUE, nLine, strWhat + _T("cannot be read as an image"));
            return;
        }
        if (bStamped)
            zir::KeepDecoded(strFile, stamp, zir::DecodedUse::SkinImage, bmp.GetWidth(), bmp.GetHeight(),
                             bmp.GetBits());
        CheckFrames(bmp, nFrames, nLine, strWhat);
    }

    // Splits a loaded image into its frames; an image too narrow for them is dropped.
    void CheckFrames(CQVBitmap& bmp, int nFrames, int nLine, const CString& strWhat) const {
        int cx = bmp.GetWidth();
        CString strText;
        if (cx < nFrames) {
            strText.Format(_T("%d pixels wide, narrower than its %d frames"), cx, nFrames);
            Add(TRUE, nLine, strWhat + strText);
            bmp.DeleteObject();
            return;
        }
        if (cx % nFrames != 0) {
            strText.Format(_T("%d pixels wide, not a multiple of its %d frames"), cx, nFrames);
            Add(TRUE, nLine, strWhat + strText);
        }
        bmp.SetMultiState(nFrames, TRUE);
    }

    // A mask image and its region cache, as the window frame will read them (checking only).
    void CheckMask(const CString& strRelative, int nLine, const CString& strLabel) const {
        CQVBitmap mask;
        LoadImage(mask, strRelative, 1, nLine, strLabel);
        if (mask.IsNull()) return;
        CRgn rgn;
        if (!mask.CreateBitmapRgn(rgn, RGB(255, 0, 255), 1, 0, kMaxMaskRects)) {
            CString strText;
            strText.Format(
                _T(": %s: too detailed, its region needs more than %d rectangles: the corner stays ")
                _T("square"),
                strRelative.GetString(), kMaxMaskRects);
            Add(TRUE, nLine, strLabel + strText);
        }
        CString strCache = m_strFolder + strRelative + _T(".rgn");
        if (!zir::IsFile(strCache)) return;  // made by the window frame at its first use
        std::vector<unsigned char> bytes;
        ULONGLONG nSize = 0;
        CString strWhat = strLabel + _T(": ") + strRelative + _T(".rgn: ");
        const size_t nHeader = sizeof(RGNDATAHEADER);
        if (!zir::ReadFileBytes(strCache, 16 * 1024 * 1024, bytes, &nSize) || nSize != bytes.size() ||
            bytes.size() < nHeader + 8) {
            Add(FALSE, nLine, strWhat + _T("damaged region cache (rebuilt at run time)"));
            return;
        }
        const unsigned char* p = bytes.data();
        DWORD dwSize = Le32(p), dwType = Le32(p + 4), dwCount = Le32(p + 8);
        if (dwSize != nHeader || dwType != RDH_RECTANGLES ||
            nHeader + static_cast<unsigned long long>(dwCount) * sizeof(RECT) != bytes.size() - 8) {
            Add(FALSE, nLine, strWhat + _T("damaged region cache (rebuilt at run time)"));
            return;
        }
        if (dwCount > static_cast<DWORD>(kMaxMaskRects)) {
            CString strText;
            strText.Format(_T("%lu rectangles, more than %d: refused (rebuilt from the mask at run time)"),
                           static_cast<unsigned long>(dwCount), kMaxMaskRects);
            Add(FALSE, nLine, strWhat + strText);
            return;
        }
        int cx = static_cast<int>(Le32(p + bytes.size() - 8));
        int cy = static_cast<int>(Le32(p + bytes.size() - 4));
        if (cx != mask.GetWidth() || cy != mask.GetHeight()) {
            CString strText;
            strText.Format(_T("region cache made from a %dx%d image, the mask is %dx%d: delete the cache"),
                           cx, cy, mask.GetWidth(), mask.GetHeight());
            Add(FALSE, nLine, strWhat + strText);
        }
    }

private:
    CString m_strFolder;
    std::vector<CSkinFile::CIssue>* m_pIssues;
};

CString Label(int nSection, const wchar_t* pszKey) {
    return zir::ToText(std::wstring(L"[") + SectionLabel(nSection) + L"] " + pszKey);
}

CString PathValue(const std::wstring& value) {
    CString str = zir::ToText(value);
    str.Replace(_T('/'), _T('\\'));
    return str;
}

// Sets the field named by the entry's key; false when the record has no such key.
template <class R>
bool ApplyField(const CField<R>* pFields, size_t nFields, R& record, int nSection, int nLine,
                const std::wstring& key, const std::wstring& value, const CApplyContext& context) {
    for (size_t i = 0; i < nFields; ++i) {
        const CField<R>& field = pFields[i];
        if (!SameKey(key, field.pszKey)) continue;
        CString strLabel = Label(nSection, field.pszKey);
        bool bParsed = true;
        switch (field.kind) {
        case FIELD_INT: {
            int nValue = 0;
            bParsed = ParseInt(value, nValue);
            if (!bParsed) break;
            if (nValue >= field.nMin && nValue <= field.nMax) {
                record.*field.pInt = nValue;
                break;
            }
            // Out of its range: the key's default, as if the skin had left it out.
            record.*field.pInt = R().*field.pInt;
            CString strText;
            strText.Format(_T(": %d is outside its range %d to %d, the default %d is used"), nValue,
                           field.nMin, field.nMax, record.*field.pInt);
            context.Add(TRUE, nLine, strLabel + strText);
            break;
        }
        case FIELD_COLOR:
            bParsed = ParseColor(value, record.*field.pColor);
            break;
        case FIELD_POINTS: {
            std::vector<CPoint> points;
            bParsed = ParsePoints(value, points);
            if (!bParsed) break;
            auto outside = [&field](const CPoint& pt) {
                return pt.x < field.nMin || pt.x > field.nMax || pt.y < field.nMin || pt.y > field.nMax;
            };
            auto itBad = std::find_if(points.begin(), points.end(), outside);
            if (itBad == points.end()) {
                (record.*field.pPoints).swap(points);
                break;
            }
            record.*field.pPoints = R().*field.pPoints;
            CString strText;
            strText.Format(_T(": point %d,%d is outside its range %d to %d, the default outline is used"),
                           itBad->x, itBad->y, field.nMin, field.nMax);
            context.Add(TRUE, nLine, strLabel + strText);
            break;
        }
        case FIELD_TEXT:
            record.*field.pText = PathValue(value);
            if (context.Checking() && !value.empty())
                context.CheckMask(zir::ToText(field.pszFolder) + record.*field.pText, nLine, strLabel);
            break;
        case FIELD_IMAGE:
            context.LoadImage(record.*field.pImage, PathValue(value), field.nFrames, nLine, strLabel);
            break;
        case FIELD_PICTURE:
            context.LoadPicture(record.*field.pPicture, PathValue(value), nLine, strLabel);
            break;
        }
        if (!bParsed)
            context.Add(TRUE, nLine,
                        strLabel + _T(": value does not parse, the default is kept: ") + zir::ToText(value));
        return true;
    }
    return false;
}

// The kept edges of an image drawn stretched (<ImageKey>Edges = left,right), set once every key is read
// so that the order of the two keys does not matter.
struct CEdges {
    CQVBitmap* pImage = nullptr;
    int nLeft = 0;
    int nRight = 0;
    int nLine = 0;
    CString strLabel;
};

bool ParseEdges(const std::wstring& s, int& nLeft, int& nRight) {
    size_t nComma = s.find(L',');
    if (nComma == std::wstring::npos) return false;
    return ParseInt(zir::TrimBlanks(s.substr(0, nComma)), nLeft) &&
           ParseInt(zir::TrimBlanks(s.substr(nComma + 1)), nRight);
}

// Takes an <ImageKey>Edges entry; false when the key is not one.
template <class R>
bool ApplyEdges(const CField<R>* pFields, size_t nFields, R& record, int nSection, int nLine,
                const std::wstring& key, const std::wstring& value, std::vector<CEdges>& edges,
                const CApplyContext& context) {
    const size_t nSuffix = 5;
    if (key.size() <= nSuffix || _wcsicmp(key.c_str() + key.size() - nSuffix, L"Edges") != 0) return false;
    std::wstring image = key.substr(0, key.size() - nSuffix);
    for (size_t i = 0; i < nFields; ++i) {
        const CField<R>& field = pFields[i];
        if (field.kind != FIELD_IMAGE || !SameKey(image, field.pszKey)) continue;
        CEdges entry;
        entry.pImage = &(record.*field.pImage);
        entry.nLine = nLine;
        entry.strLabel = Label(nSection, (std::wstring(field.pszKey) + L"Edges").c_str());
        if (!ParseEdges(value, entry.nLeft, entry.nRight)) {
            context.Add(TRUE, nLine,
                        entry.strLabel + _T(": value does not parse, the default is kept: ") +
                            zir::ToText(value));
        } else if (entry.nLeft < 0 || entry.nRight < 0 || entry.nLeft > kMaxEdge || entry.nRight > kMaxEdge) {
            // Out of range: no kept edges, the default, so the whole frame stretches.
            CString strText;
            strText.Format(_T(": %d,%d is outside its range 0 to %d, the default (no edges) is used"),
                           entry.nLeft, entry.nRight, kMaxEdge);
            context.Add(TRUE, nLine, entry.strLabel + strText);
            entry.nLeft = entry.nRight = 0;
            edges.push_back(entry);
        } else {
            edges.push_back(entry);
        }
        return true;
    }
    return false;
}

// Images a skin should give, and the metrics that should match their frames (checking only).
template <class R>
void CheckUnsetImages(const CField<R>* pFields, size_t nFields, int nSection,
                      const std::set<std::wstring>& given, const CApplyContext& context) {
    for (size_t i = 0; i < nFields; ++i) {
        const CField<R>& field = pFields[i];
        if (field.kind == FIELD_IMAGE && !field.bOptional && given.count(Lower(field.pszKey)) == 0)
            context.Add(FALSE, 0, Label(nSection, field.pszKey) + _T(": not set, draws nothing"));
    }
}

void CheckFrameSize(const CQVBitmap& bmp, int nWidth, int nHeight, const wchar_t* pszImage, int nSection,
                    const CApplyContext& context) {
    if (bmp.IsNull() || bmp.GetMultiState() < 1) return;
    int cx = bmp.GetWidth() / bmp.GetMultiState();
    int cy = bmp.GetHeight();
    if ((nWidth > 0 && nWidth != cx) || (nHeight > 0 && nHeight != cy)) {
        CString strText;
        strText.Format(_T(": frames are %dx%d, the metrics say %dx%d"), cx, cy, nWidth, nHeight);
        context.Add(FALSE, 0, Label(nSection, pszImage) + strText);
    }
}

void CheckUserIcons(const CApplyContext& context) {
    CString strFolder = context.Folder() + _T("UserIcon\\");
    for (const CString& strName : zir::ListFolder(strFolder, _T("*.bmp"), FALSE)) {
        CQVBitmap icon;
        context.LoadImage(icon, _T("UserIcon\\") + strName, 1, 0, _T("user picture"));
    }
}

}  // namespace

BOOL CSkinFile::Read(LPCTSTR lpszFolder) {
    m_entries.clear();
    m_readIssues.clear();
    m_strError.Empty();
    m_strFolder = zir::FullFolderPath(lpszFolder);
    if (m_strFolder.IsEmpty()) {
        m_strError = _T("no folder given");
        return FALSE;
    }
    if (!zir::IsFolder(m_strFolder.Left(m_strFolder.GetLength() - 1))) {
        m_strError = _T("folder not found");
        return FALSE;
    }
    std::wstring text;
    int nBadLine = 0;
    switch (zir::ReadUtf8File(m_strFolder + _T("skin.ini"), MAX_FILE_BYTES, text, &nBadLine)) {
    case zir::TEXT_OK:
        break;
    case zir::TEXT_NOT_FOUND:
        m_strError = _T("skin.ini not found");
        return FALSE;
    case zir::TEXT_TOO_LARGE:
        m_strError = _T("skin.ini is too large");
        return FALSE;
    case zir::TEXT_NUL_BYTE:
        m_strError.Format(_T("skin.ini line %d: NUL byte, not a text file"), nBadLine);
        return FALSE;
    case zir::TEXT_NOT_UTF8:
        m_strError.Format(_T("skin.ini line %d: not UTF-8"), nBadLine);
        return FALSE;
    default:
        m_strError = _T("skin.ini cannot be read");
        return FALSE;
    }

    bool bWindow = false;
    int nSection = SECTION_NONE;
    for (const zir::TextLine& line : zir::SplitLines(text)) {
        std::wstring trimmed = zir::TrimBlanks(line.text);
        if (trimmed.empty() || trimmed[0] == L';' || trimmed[0] == L'#') continue;
        CIssue issue;
        issue.nLine = line.nLine;
        if (trimmed[0] == L'[') {
            nSection = SECTION_UNKNOWN;
            if (trimmed.back() != L']') {
                issue.bError = TRUE;
                issue.strText = _T("malformed section header, its keys are ignored");
                m_readIssues.push_back(issue);
                continue;
            }
            std::wstring name = zir::TrimBlanks(trimmed.substr(1, trimmed.size() - 2));
            for (const CSectionName& section : s_sections) {
                if (SameKey(name, section.pszName)) nSection = section.kind;
            }
            if (nSection == SECTION_WINDOW) bWindow = true;
            if (nSection == SECTION_UNKNOWN) {
                issue.strText = _T("unknown section [") + zir::ToText(name) + _T("], its keys are ignored");
                m_readIssues.push_back(issue);
            }
            continue;
        }
        size_t nEqual = trimmed.find(L'=');
        if (nEqual == std::wstring::npos || nEqual == 0) {
            issue.bError = TRUE;
            issue.strText =
                nEqual == 0 ? _T("empty key, line ignored") : _T("no '=' in the line, line ignored");
            m_readIssues.push_back(issue);
            continue;
        }
        CEntry entry;
        entry.nLine = line.nLine;
        entry.nSection = nSection;
        entry.key = zir::TrimBlanks(trimmed.substr(0, nEqual));
        entry.value = zir::TrimBlanks(trimmed.substr(nEqual + 1));
        if (entry.key.empty()) {
            issue.bError = TRUE;
            issue.strText = _T("empty key, line ignored");
            m_readIssues.push_back(issue);
            continue;
        }
        m_entries.push_back(std::move(entry));
    }
    if (!bWindow) {
        m_strError = _T("skin.ini has no [Window] section");
        m_entries.clear();
        m_readIssues.clear();
        return FALSE;
    }
    return TRUE;
}

void CSkinFile::Apply(CSkinRecords& records, std::vector<CIssue>* pIssues) const {
    CApplyContext context(m_strFolder, pIssues);
    if (pIssues) pIssues->insert(pIssues->end(), m_readIssues.begin(), m_readIssues.end());

    CString strFolderName = m_strFolder.Left(m_strFolder.GetLength() - 1);
    records.strName = strFolderName.Mid(strFolderName.ReverseFind(_T('\\')) + 1);

    const size_t nWndFields = sizeof(s_wndFields) / sizeof(s_wndFields[0]);
    const size_t nBtnFields = sizeof(s_btnFields) / sizeof(s_btnFields[0]);
    std::set<std::wstring> given[SECTION_COLORS + 1];
    std::vector<CEdges> edges;
    for (const CEntry& entry : m_entries) {
        std::wstring lower = Lower(entry.key);
        if (entry.nSection == SECTION_UNKNOWN) continue;
        if (entry.nSection == SECTION_NONE) {
            CString strText;
            strText.Format(_T("key outside any section, ignored: %s"), zir::ToText(entry.key).GetString());
            context.Add(FALSE, entry.nLine, strText);
            continue;
        }
        if (!given[entry.nSection].insert(lower).second)
            context.Add(FALSE, entry.nLine,
                        Label(entry.nSection, entry.key.c_str()) + _T(": given again, this value wins"));

        bool bKnown = false;
        switch (entry.nSection) {
        case SECTION_SKIN:
            bKnown = true;
            if (lower == L"name")
                records.strName = zir::ToText(entry.value);
            else if (lower == L"author")
                records.strAuthor = zir::ToText(entry.value);
            else if (lower == L"version")
                records.strVersion = zir::ToText(entry.value);
            else
                bKnown = false;
            break;
        case SECTION_WINDOW:
            bKnown = ApplyField(s_wndFields, nWndFields, records.wnd, entry.nSection, entry.nLine, entry.key,
                                entry.value, context) ||
                     ApplyEdges(s_wndFields, nWndFields, records.wnd, entry.nSection, entry.nLine, entry.key,
                                entry.value, edges, context);
            break;
        case SECTION_BUTTON:
            bKnown = ApplyField(s_btnFields, nBtnFields, records.btn, entry.nSection, entry.nLine, entry.key,
                                entry.value, context) ||
                     ApplyEdges(s_btnFields, nBtnFields, records.btn, entry.nSection, entry.nLine, entry.key,
                                entry.value, edges, context);
            break;
        case SECTION_IMLIST:
            bKnown = ApplyField(s_imlFields, s_nImlFields, records.iml, entry.nSection, entry.nLine,
                                entry.key, entry.value, context) ||
                     ApplyEdges(s_imlFields, s_nImlFields, records.iml, entry.nSection, entry.nLine,
                                entry.key, entry.value, edges, context);
            break;
        case SECTION_OTHER:
            bKnown = ApplyField(s_othFields, s_nOthFields, records.oth, entry.nSection, entry.nLine,
                                entry.key, entry.value, context) ||
                     ApplyEdges(s_othFields, s_nOthFields, records.oth, entry.nSection, entry.nLine,
                                entry.key, entry.value, edges, context);
            break;
        case SECTION_COLORS: {
            int nIndex = ColorIndex(lower);
            if (nIndex >= 0) {
                bKnown = true;
                if (!ParseColor(entry.value, records.clr.m_clrColors[nIndex]))
                    context.Add(TRUE, entry.nLine,
                                Label(entry.nSection, entry.key.c_str()) +
                                    _T(": value does not parse, the default is kept: ") +
                                    zir::ToText(entry.value));
            }
            break;
        }
        default:
            break;
        }
        if (!bKnown)
            context.Add(FALSE, entry.nLine,
                        Label(entry.nSection, entry.key.c_str()) + _T(": unknown key, ignored"));
    }

    for (const CEdges& entry : edges) {
        entry.pImage->SetFillParam(entry.nLeft, entry.nRight, 1);
        const CQVBitmap& image = *entry.pImage;
        if (!image.IsNull() && entry.nLeft + entry.nRight > image.GetWidth() / image.GetMultiState()) {
            CString strText;
            strText.Format(_T(": %d and %d pixels of edges, the frames are %d wide"), entry.nLeft,
                           entry.nRight, image.GetWidth() / image.GetMultiState());
            context.Add(TRUE, entry.nLine, entry.strLabel + strText);
        }
    }

    if (!context.Checking()) return;
    CheckUnsetImages(s_wndFields, nWndFields, SECTION_WINDOW, given[SECTION_WINDOW], context);
    CheckUnsetImages(s_btnFields, nBtnFields, SECTION_BUTTON, given[SECTION_BUTTON], context);
    CheckUnsetImages(s_imlFields, s_nImlFields, SECTION_IMLIST, given[SECTION_IMLIST], context);
    const CQVSkinWndRes& wnd = records.wnd;
    CheckFrameSize(wnd.m_bmpMinBtn, wnd.m_nMinBtnWidth, wnd.m_nMinBtnHeight, L"MinBtn", SECTION_WINDOW,
                   context);
    CheckFrameSize(wnd.m_bmpMaxBtn, wnd.m_nMaxBtnWidth, wnd.m_nMaxBtnHeight, L"MaxBtn", SECTION_WINDOW,
                   context);
    CheckFrameSize(wnd.m_bmpRestoreBtn, wnd.m_nMaxBtnWidth, wnd.m_nMaxBtnHeight, L"RestoreBtn",
                   SECTION_WINDOW, context);
    CheckFrameSize(wnd.m_bmpCloseBtn, wnd.m_nCloseBtnWidth, wnd.m_nCloseBtnHeight, L"CloseBtn",
                   SECTION_WINDOW, context);
    const CQVSkinBtnRes& btn = records.btn;
    CheckFrameSize(btn.m_bmpCheckBox, btn.m_nCheckBoxWidth, btn.m_nCheckBoxHeight, L"CheckBox",
                   SECTION_BUTTON, context);
    CheckFrameSize(btn.m_bmpRadio, btn.m_nRadioWidth, btn.m_nRadioHeight, L"Radio", SECTION_BUTTON, context);
    CheckFrameSize(btn.m_bmpSpin, btn.m_nSpinWidth, btn.m_nSpinHeight, L"Spin", SECTION_BUTTON, context);
    CheckFrameSize(btn.m_bmpComboDrop, btn.m_nComboDropWidth, btn.m_nComboDropHeight, L"ComboDrop",
                   SECTION_BUTTON, context);
    // Skinned spin buttons size themselves and their buddy to the arrow image's metrics.
    if (btn.m_nSkinSpin && (btn.m_bmpSpin.IsNull() || btn.m_nSpinWidth <= 0 || btn.m_nSpinHeight <= 0))
        context.Add(TRUE, 0, _T("[Button] SkinSpin is set, but Spin is empty or SpinWidth/SpinHeight is 0"));
    // The window scroll bars cut their images from fixed 16-pixel cells.
    if (!wnd.m_bmpScrollBar.IsNull() &&
        (wnd.m_bmpScrollBar.GetWidth() < 240 || wnd.m_bmpScrollBar.GetHeight() < 48)) {
        CString strText;
        strText.Format(
            _T("[Window] ScrollBar is %d x %d, smaller than its 240 x 48 cells: the system's bars are drawn"),
            wnd.m_bmpScrollBar.GetWidth(), wnd.m_bmpScrollBar.GetHeight());
        context.Add(TRUE, 0, strText);
    }
    // The background images the client mode draws.
    if (wnd.m_nClientBkMode == 2 && wnd.m_bmpClientBk.IsNull())
        context.Add(FALSE, 0, _T("[Window] ClientBkMode 2 tiles ClientBk, which is empty"));
    if (wnd.m_nClientBkMode == 3 &&
        (wnd.m_bmpClientTop.IsNull() || wnd.m_bmpClientMid.IsNull() || wnd.m_bmpClientBottom.IsNull()))
        context.Add(FALSE, 0,
                    _T("[Window] ClientBkMode 3 draws ClientTop, ClientMid and ClientBottom, one is empty"));
    CheckUserIcons(context);
}
