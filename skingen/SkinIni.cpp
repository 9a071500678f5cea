// skin.ini: the description file of a skin (format in docs/skin-format.md).
#include "SkinDraw.h"

#include <stdio.h>

#include <string>

namespace {

// Builds the file line by line; the text is ASCII, so it is UTF-8 as it stands.
class CIniWriter {
public:
    void Comment(const std::string& strText) { m_text += "; " + strText + "\r\n"; }
    void Section(const char* pszName) {
        if (!m_text.empty()) m_text += "\r\n";
        m_text += std::string("[") + pszName + "]\r\n";
    }
    void Text(const char* pszKey, const std::string& strValue) {
        m_text += std::string(pszKey) + " = " + strValue + "\r\n";
    }
    void Int(const char* pszKey, int nValue) { Text(pszKey, std::to_string(nValue)); }
    void Edges(const char* pszKey, int nLeft, int nRight) {
        Text(pszKey, std::to_string(nLeft) + "," + std::to_string(nRight));
    }
    void Color(const char* pszKey, Rgb c) {
        Text(pszKey, std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    }
    void Points(const char* pszKey, const std::vector<POINT>& points) {
        std::string strValue;
        for (const POINT& pt : points) {
            if (!strValue.empty()) strValue += ' ';
            strValue += std::to_string(pt.x) + "," + std::to_string(pt.y);
        }
        Text(pszKey, strValue);
    }

    bool Save(const std::wstring& strPath) const {
        FILE* fp = _wfopen(strPath.c_str(), L"wb");
        if (!fp) return false;
        bool ok = fwrite(m_text.data(), 1, m_text.size(), fp) == m_text.size();
        ok = fclose(fp) == 0 && ok;
        return ok;
    }

private:
    std::string m_text;
};

std::string Narrow(const std::wstring& str) {
    return std::string(str.begin(), str.end());  // file names are ASCII
}

void WriteWindowSection(CIniWriter& ini, const SkinParams& p) {
    ini.Section("Window");
    ini.Comment(
        "Window outline: corner points, then the corner masks in Common\\Window (key colour = outside).");
    static const char* const kCornerKeys[CORNER_COUNT] = {"CornerTopLeft", "CornerTopRight",
                                                          "CornerBottomRight", "CornerBottomLeft"};
    for (int nCorner = 0; nCorner < CORNER_COUNT; ++nCorner)
        ini.Points(kCornerKeys[nCorner], CornerOutline(p, nCorner));
    ini.Text("MaskTopLeft", Narrow(CornerMaskName(p, CORNER_TOP_LEFT)));
    ini.Text("MaskTopRight", Narrow(CornerMaskName(p, CORNER_TOP_RIGHT)));
    ini.Text("MaskBottomLeft", Narrow(CornerMaskName(p, CORNER_BOTTOM_LEFT)));
    ini.Text("MaskBottomRight", Narrow(CornerMaskName(p, CORNER_BOTTOM_RIGHT)));

    ini.Comment("Caption buttons: placed from the right border and centred in the caption; the");
    ini.Comment("positions below serve the other layout and put them at the same places.");
    ini.Int("BorderLayout", 0);
    ini.Int("CaptionBtnLayout", 1);
    const int nCloseRight = p.nRightBorder + p.nCloseBtnWidth;
    const int nMaxRight = nCloseRight + p.nBtnGap + p.nCaptionBtnWidth;
    const int nMinRight = nMaxRight + p.nBtnGap + p.nCaptionBtnWidth;
    ini.Int("MinBtnRight", nMinRight);
    ini.Int("MaxBtnRight", nMaxRight);
    ini.Int("CloseBtnRight", nCloseRight);
    ini.Int("MinBtnTop", (p.nCaptionHeight - p.nCaptionBtnHeight) / 2);
    ini.Int("MaxBtnTop", (p.nCaptionHeight - p.nCaptionBtnHeight) / 2);
    ini.Int("CloseBtnTop", (p.nCaptionHeight - p.nCloseBtnHeight) / 2);
    ini.Int("BtnGap", p.nBtnGap);
    ini.Int("IconTop", p.nIconTop);
    ini.Int("IconLeft", p.nIconLeft);
    ini.Int("TitleTop", p.nTitleTop);
    ini.Int("TitleLeft", p.nTitleLeft);
    ini.Int("ShowDisabledBtns", p.nShowDisabledBtns);
    ini.Int("MinBtnWidth", p.nCaptionBtnWidth);
    ini.Int("MinBtnHeight", p.nCaptionBtnHeight);
    ini.Int("MaxBtnWidth", p.nCaptionBtnWidth);
    ini.Int("MaxBtnHeight", p.nCaptionBtnHeight);
    ini.Int("CloseBtnWidth", p.nCloseBtnWidth);
    ini.Int("CloseBtnHeight", p.nCloseBtnHeight);
    ini.Int("LeftBorderSize", p.nLeftBorder);
    ini.Int("RightBorderSize", p.nRightBorder);
    ini.Int("CaptionHeight", p.nCaptionHeight);
    ini.Int("BottomBorderSize", p.nBottomBorder);
    for (int i = 1; i <= 7; ++i)
        ini.Int(("Reserved" + std::to_string(i)).c_str(), 0);
    ini.Color("BtnKey", kKey);

    ini.Comment("Bands and borders: frame 0 active, 1 inactive. Caption buttons: normal, hover, pressed,");
    ini.Comment("disabled, then the same for an inactive window.");
    ini.Text("Caption", "Common\\Window\\Caption.bmp");
    ini.Text("LeftBorder", "Common\\Window\\LeftBorder.bmp");
    ini.Text("RightBorder", "Common\\Window\\RightBorder.bmp");
    ini.Text("BottomBorder", "Common\\Window\\BottomBorder.bmp");
    ini.Text("MinBtn", "Common\\Window\\MinBtn.bmp");
    ini.Text("MaxBtn", "Common\\Window\\MaxBtn.bmp");
    ini.Text("RestoreBtn", "Common\\Window\\RestoreBtn.bmp");
    ini.Text("CloseBtn", "Common\\Window\\CloseBtn.bmp");
    ini.Comment("Edges kept unstretched when a band is spread over a window: the borders and corners.");
    ini.Edges("CaptionEdges", p.nLeftBorder + p.topCorners.nSize + 2,
              p.nRightBorder + p.topCorners.nSize + 2);
    ini.Edges("BottomBorderEdges", p.nLeftBorder + p.bottomCorners.nSize + 2,
              p.nRightBorder + p.bottomCorners.nSize + 2);

    ini.Comment("Client background: 1 solid colour, 2 tiled image, 3 three bands.");
    ini.Text("ClientBk", "Common\\Window\\ClientBk.bmp");
    ini.Text("ClientTop", "Common\\Window\\ClientTop.bmp");
    ini.Text("ClientMid", "Common\\Window\\ClientMid.bmp");
    ini.Text("ClientBottom", "Common\\Window\\ClientBottom.bmp");
    ini.Int("ClientTopHeight", p.nClientTopHeight);
    ini.Int("ClientBottomHeight", p.nClientBottomHeight);
    ini.Int("ClientBkMode", p.nClientBkMode);
    ini.Color("ClientBkColor", p.clientBk);
    ini.Comment("Window scroll bars: 16 x 16 cells by part and state (see the skin format).");
    ini.Text("ScrollBar", "Common\\Window\\ScrollBar.bmp");
}

void WriteButtonSection(CIniWriter& ini, const SkinParams& p) {
    ini.Section("Button");
    ini.Int("SkinPushBtn", 1);
    ini.Int("SkinCheckBox", 1);
    ini.Int("SkinRadio", 1);
    ini.Int("SkinSpin", 1);
    ini.Int("SkinReserved", 1);
    ini.Comment("Push button, tabs, header: normal, hover, pressed, disabled (tabs: selected last).");
    ini.Comment("Check box: unchecked normal, hover, pressed, disabled, the same checked, mixed normal and");
    ini.Comment("hover, pressed. Radio: normal, hover, pressed, disabled, the same checked.");
    ini.Comment(
        "Spin: up normal, hot, pressed, disabled, the same down. Combo drop: normal, hover, pressed.");
    ini.Text("PushBtn", "Common\\Button\\PushBtn.bmp");
    ini.Text("CheckBox", "Common\\Button\\CheckBox.bmp");
    ini.Text("Radio", "Common\\Button\\Radio.bmp");
    ini.Text("Spin", "Common\\Button\\Spin.bmp");
    ini.Text("ComboDrop", "Common\\Button\\ComboDrop.bmp");
    ini.Text("Reserved", "Common\\Button\\Reserved.bmp");
    ini.Text("Tab", "Common\\Button\\Tab.bmp");
    ini.Text("TabWnd", "Common\\Button\\TabWnd.bmp");
    ini.Text("Header", "Common\\Button\\Header.bmp");
    ini.Comment("Edges kept unstretched when an image is spread over a control: the rounded corners.");
    const int nPushEdge = static_cast<int>(p.fPushBtnRadius + 0.999f) + 2;
    ini.Edges("PushBtnEdges", nPushEdge, nPushEdge);
    const int nTabEdge = static_cast<int>(p.fTabRadius + 0.999f) + 2;
    ini.Edges("TabEdges", nTabEdge, nTabEdge);
    const int nTabWndEdge = static_cast<int>(p.fTabWndRadius + 0.999f) + 2;
    ini.Edges("TabWndEdges", nTabWndEdge, nTabWndEdge);
    ini.Edges("HeaderEdges", 2, 2);
    ini.Text("TabWndMask", "TabWndMask.bmp");
    ini.Int("TabWndReserved", 0);
    ini.Int("Metric1", 0);
    ini.Int("PushBtnHeight", p.nPushBtnHeight);
    ini.Int("CheckBoxWidth", p.nCheckSize);
    ini.Int("CheckBoxHeight", p.nCheckSize);
    ini.Int("RadioWidth", p.nRadioSize);
    ini.Int("RadioHeight", p.nRadioSize);
    ini.Int("SpinWidth", p.nSpinWidth);
    ini.Int("SpinHeight", p.nSpinHeight);
    ini.Int("ComboDropWidth", p.nComboDropWidth);
    ini.Int("ComboDropHeight", p.nComboDropHeight);
    ini.Int("Metric11", 0);
    ini.Int("Metric12", 0);
    ini.Int("TabMinWidth", p.nTabMinWidth);
    ini.Int("TabHeight", p.nTabHeight);
    ini.Int("TabWndTabWidth", p.nTabWndWidth);
    ini.Int("TabWndTabHeight", p.nTabWndHeight);
    ini.Int("Metric17", 0);
    ini.Int("HeaderHeight", p.nHeaderHeight);
    ini.Int("TransparentImage", 1);
    ini.Color("Transparent", kKey);
}

void WriteColorSection(CIniWriter& ini, const SkinParams& p) {
    static const char* const kMeanings[17] = {
        "text",
        "disabled text",
        "control background",
        "tab control base line",
        "control border",
        "control bar gradient, first colour",
        "control bar gradient, second colour",
        "selected text",
        "selection background",
        "hot item fill",
        "separator and grid lines",
        "menu background",
        "menu image column",
        "menu selection fill",
        "menu selection outline",
        "file transfer list: top of the hovered row",
        "file transfer list: bottom of the hovered row",
    };
    ini.Section("Colors");
    for (int i = 0; i < 17; ++i) {
        ini.Comment(kMeanings[i]);
        ini.Color(("Color" + std::to_string(i)).c_str(), p.colors[i]);
    }
}

}  // namespace

bool WriteSkinIni(const SkinParams& p, const std::wstring& strSkin) {
    CIniWriter ini;
    ini.Comment(std::string(p.pszTitle) +
                " skin of RIZuruzezu, drawn by skingen: edit skingen, not this file.");
    ini.Section("Skin");
    ini.Text("Name", Narrow(p.pszFolder));
    ini.Text("Author", "RIZuruzezu");
    ini.Text("Version", "1.0");
    WriteWindowSection(ini, p);
    WriteButtonSection(ini, p);
    ini.Section("IMList");
    ini.Comment("Contact list: team badge and group button, normal and hot; the height stacks the buttons.");
    ini.Text("TeamItem", "Common\\IMList\\TeamItem.bmp");
    ini.Text("GroupBtn", "Common\\IMList\\GroupBtn.bmp");
    const int nGroupBtnEdge = static_cast<int>(p.fIMGroupBtnRadius + 0.999f) + 2;
    ini.Edges("GroupBtnEdges", nGroupBtnEdge, nGroupBtnEdge);
    ini.Color("Transparent", kKey);
    ini.Int("GroupBtnHeight", p.nIMGroupBtnHeight);
    ini.Section("Other");
    ini.Comment("Check mark of owner-drawn menu items; white is its key colour.");
    ini.Text("MenuCheck", "Common\\others\\MenuCheck.bmp");
    ini.Comment("Outlook bar folder headers: normal, hot, pressed; the height stacks the headers.");
    ini.Text("OutBarFolder", "Common\\others\\OutBarFolder.bmp");
    const int nOutBarEdge = static_cast<int>(p.fOutBarRadius + 0.999f) + 2;
    ini.Edges("OutBarFolderEdges", nOutBarEdge, nOutBarEdge);
    ini.Int("OutBarFolderHeight", p.nOutBarFolderHeight);
    ini.Int("OutBarTransparent", p.nOutBarTransparent);
    ini.Color("OutBarKey", kKey);
    ini.Comment("Slider: channel and thumb, frame 0 only; drawn with SliderKey when SliderTransparent is 1.");
    ini.Text("SliderChannel", "Common\\others\\SliderChannel.bmp");
    const int nChannelEdge = p.nSliderChannelHeight / 2 + 1;
    ini.Edges("SliderChannelEdges", nChannelEdge, nChannelEdge);
    ini.Text("SliderThumb", "Common\\others\\SliderThumb.bmp");
    ini.Int("SliderTransparent", p.nSliderTransparent);
    ini.Color("SliderKey", kKey);
    ini.Comment("File transfer list: icon overlays, the progress bar (bar, filled part) and its key.");
    ini.Text("FileSendOverlay", "Common\\others\\FileSendOverlay.png");
    ini.Text("FileRecvOverlay", "Common\\others\\FileRecvOverlay.png");
    ini.Text("FileProgress", "Common\\others\\FileProgress.bmp");
    ini.Int("FileProgressTransparent", p.nOutBarTransparent);
    ini.Color("FileProgressKey", kKey);
    WriteColorSection(ini, p);
    return ini.Save(strSkin + L"skin.ini");
}
