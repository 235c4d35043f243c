// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/FontCoverage_p.h"

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#else
#include <fontconfig/fontconfig.h>
#endif

#include <memory>

namespace qz8 {

namespace {

// Adds one character to the runs (characters come in ascending order).
void AddCharacter(std::vector<std::pair<char16_t, int>>& runs, unsigned c)
{
    if (!runs.empty() && unsigned(runs.back().first) + unsigned(runs.back().second) == c)
        ++runs.back().second;
    else
        runs.emplace_back(static_cast<char16_t>(c), 1);
}

} // namespace

#ifdef Q_OS_WIN

std::vector<std::pair<char16_t, int>> FontCharacterRuns16(const QFont& font)
{
    std::vector<std::pair<char16_t, int>> runs;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return runs;
    LOGFONTW lf{};
    const std::wstring family = font.family().toStdWString();
    wcsncpy_s(lf.lfFaceName, LF_FACESIZE, family.c_str(), _TRUNCATE);
    lf.lfHeight = -(font.pixelSize() > 0 ? font.pixelSize() : 16);
    lf.lfWeight = font.bold() ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic() ? TRUE : FALSE;
    HFONT hfont = CreateFontIndirectW(&lf);
    if (hfont) {
        const HGDIOBJ old = SelectObject(dc, hfont);
        const DWORD size = ::GetFontUnicodeRanges(dc, nullptr);
        if (size >= sizeof(GLYPHSET)) {
            std::vector<unsigned char> buffer(size);
            auto* set = reinterpret_cast<GLYPHSET*>(buffer.data());
            if (::GetFontUnicodeRanges(dc, set) == size) {
                for (DWORD i = 0; i < set->cRanges; ++i)
                    runs.emplace_back(static_cast<char16_t>(set->ranges[i].wcLow), set->ranges[i].cGlyphs);
            }
        }
        SelectObject(dc, old);
        DeleteObject(hfont);
    }
    DeleteDC(dc);
    return runs;
}

#else

std::vector<std::pair<char16_t, int>> FontCharacterRuns16(const QFont& font)
{
    std::vector<std::pair<char16_t, int>> runs;
    if (!FcInit())
        return runs;
    // The font fontconfig gives for the family and style, as Qt asks for it.
    const auto destroy = [](FcPattern* p) { FcPatternDestroy(p); };
    std::unique_ptr<FcPattern, decltype(destroy)> pattern(FcPatternCreate(), destroy);
    if (!pattern)
        return runs;
    const QByteArray family = font.family().toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, font.bold() ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, font.italic() ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(destroy)> match(FcFontMatch(nullptr, pattern.get(), &result), destroy);
    FcCharSet* charset = nullptr; // owned by the match
    if (!match || FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &charset) != FcResultMatch || !charset)
        return runs;
    // The set in pages of 256 characters, each a bitmap of eight words.
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    for (FcChar32 base = FcCharSetFirstPage(charset, map, &next); base != FC_CHARSET_DONE && base < 0x10000;
         base = FcCharSetNextPage(charset, map, &next)) {
        for (unsigned word = 0; word < FC_CHARSET_MAP_SIZE; ++word) {
            for (unsigned bit = 0; bit < 32; ++bit) {
                if (map[word] & (1u << bit))
                    AddCharacter(runs, base + word * 32 + bit);
            }
        }
    }
    return runs;
}

#endif

} // namespace qz8
