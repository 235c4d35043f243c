// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Every installed header beside <windows.h>, compiled by the Windows cross
// compiler (scripts/windows-check.sh): in both orders of inclusion, with and
// without WIN32_LEAN_AND_MEAN and NOMINMAX. The names the library shares
// with <windows.h> mean the same values either way.
#ifdef QZ8_WINDOWS_FIRST
#include <windows.h>
#endif
#include "installed_headers.inc" // every installed header, written by the script

#ifndef QZ8_WINDOWS_FIRST
// The library's own values, taken before <windows.h> makes the names macros.
namespace ours {
constexpr unsigned drawText[] = {qz8::DT_LEFT,      qz8::DT_CENTER,    qz8::DT_RIGHT,         qz8::DT_VCENTER,
                                 qz8::DT_BOTTOM,    qz8::DT_WORDBREAK, qz8::DT_SINGLELINE,    qz8::DT_NOCLIP,
                                 qz8::DT_CALCRECT,  qz8::DT_NOPREFIX,  qz8::DT_PATH_ELLIPSIS, qz8::DT_END_ELLIPSIS,
                                 qz8::DT_HIDEPREFIX};
constexpr unsigned srcCopy = qz8::SRCCOPY;
constexpr unsigned dpiChanged = qz8::WM_DPICHANGED;
constexpr unsigned appWindow = qz8::WS_EX_APPWINDOW;
} // namespace ours
#include <windows.h>
constexpr unsigned theirs[] = {DT_LEFT,          DT_CENTER,       DT_RIGHT,     DT_VCENTER,  DT_BOTTOM,
                               DT_WORDBREAK,     DT_SINGLELINE,   DT_NOCLIP,    DT_CALCRECT, DT_NOPREFIX,
                               DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_HIDEPREFIX};
constexpr bool sameFlags()
{
    for (int i = 0; i < 13; ++i)
        if (ours::drawText[i] != theirs[i])
            return false;
    return true;
}
static_assert(sameFlags(), "a DrawTextW flag differs from <windows.h>");
static_assert(ours::srcCopy == SRCCOPY);
static_assert(ours::dpiChanged == WM_DPICHANGED);
static_assert(ours::appWindow == WS_EX_APPWINDOW);
#endif

// The colour helpers: the library's functions (named in parentheses, past
// the macros) and the macros agree.
static_assert((qz8::RGB)(0x12, 0x34, 0x56) == RGB(0x12, 0x34, 0x56));
static_assert((qz8::GetRValue)(0x563412) == GetRValue(0x563412));
static_assert((qz8::GetGValue)(0x563412) == GetGValue(0x563412));
static_assert((qz8::GetBValue)(0x563412) == GetBValue(0x563412));

// A tool that uses both: the macros' values go into the library's calls.
inline int toolUsesBoth(qz8::TCanvas* canvas)
{
    qz8::TRect r{0, 0, 100, 20};
    canvas->Font.Color = static_cast<qz8::TColor>(RGB(10, 20, 30));
    return qz8::DrawTextW(canvas, QStringLiteral("a"), r, DT_CALCRECT | DT_SINGLELINE) + GetRValue(0x0A);
}
