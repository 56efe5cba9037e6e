#include "platform/win32/window/gui_font.hpp"

#include <string>
#include <utility>

#include "text/texts.hpp"

namespace {
// Dedicated DC for queries; released on every path.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

int CALLBACK noteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool faceInstalled(const char* face) {
    ScreenDc dc;
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(dc.get(), &query, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The designed face first, then Japanese faces found on other systems.
std::string chooseFace() {
    const char* candidates[] = {txt::kWindowFontFace, "MS UI Gothic", "IPAPGothic", "IPAGothic", "Noto Sans CJK JP",
                                "VL PGothic", "TakaoPGothic"};
    for (const char* face : candidates)
        if (faceInstalled(face)) return face;
    return txt::kWindowFontFace;  // let the font mapper choose
}
}  // namespace

int screenDpi() {
    ScreenDc dc;
    const int dpi = dc.get() != nullptr ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

int scaleToDpi(int value96, int dpi) { return MulDiv(value96, dpi, 96); }

UniqueFont createWindowFont(int pixelHeight, int dpi, int weight, bool underline) {
    static const std::string face = chooseFace();
    LOGFONTA font{};
    font.lfHeight = -scaleToDpi(pixelHeight, dpi);
    font.lfWeight = weight;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&font));
}

UniqueFont remakeWindowFont(UniqueFont& font, int& dpi, int newDpi) {
    if (newDpi <= 0 || newDpi == dpi) return UniqueFont();
    UniqueFont made = createWindowFont(12, newDpi);
    if (!made) return UniqueFont();
    dpi = newDpi;
    return std::exchange(font, std::move(made));
}
