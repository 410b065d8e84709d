#include "Fonts.h"

#include "text/Catalogue.h"

#include <algorithm>

namespace tavrolin::win32 {

namespace {

HFONT fontOfWidth(const FontStyle& f, const DeviceScale& scale, int averageWidth, int escapement = 0)
{
    const wchar_t* family = f.family == FontFamily::TimesNewRoman ? L"Times New Roman" : L"MS Sans Serif";
    // Sized in pixels, as the layout is drawn for 96 dpi, times the screen's
    // scale; in the character set of the language's letters: the Central
    // European one for Czech and its neighbours, the Cyrillic one for
    // Ukrainian (MS Sans Serif is a bitmap font with one set per file).
    const DWORD charset = writtenInCyrillic(currentLanguage()) ? RUSSIAN_CHARSET : EASTEUROPE_CHARSET;
    return CreateFontW(-scale.size(f.pixelSize()), averageWidth, escapement, escapement, f.bold ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, family);
}

} // namespace

HFONT createFont(const FontStyle& f, const DeviceScale& scale) { return fontOfWidth(f, scale, 0); }

// Tenths of a degree, anticlockwise: the text runs down the screen.
HFONT createTurnedFont(const FontStyle& f, const DeviceScale& scale) { return fontOfWidth(f, scale, 0, 2700); }

int textWidth(HDC dc, HFONT font, std::wstring_view text)
{
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

HFONT narrowedFont(HDC dc, const FontStyle& f, const DeviceScale& scale, HFONT normal, std::wstring_view text,
                   int width)
{
    // An outline font is drawn narrower by giving it a smaller average
    // character width; the glyphs' rounding decides the last pixel, so the
    // width is taken down until the text fits.
    const HGDIOBJ old = SelectObject(dc, normal);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    const int natural = std::max(1, textWidth(dc, normal, text));
    for (int average = std::max(1, int(tm.tmAveCharWidth * std::min(1.0, double(width) / natural)));; --average) {
        HFONT narrow = fontOfWidth(f, scale, average);
        if (average == 1 || textWidth(dc, narrow, text) <= width) return narrow;
        DeleteObject(narrow);
    }
}

} // namespace tavrolin::win32
