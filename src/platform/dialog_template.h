// A dialog described as data: every control with its identifier, kind,
// caption, geometry in dialog units and the group and tab marks that decide
// the radio groups and the tab order.
#pragma once

#include <span>
#include <string_view>

namespace tarnvik::platform {

enum class ControlKind {
    Label,      // static text, left-aligned
    Line,       // etched horizontal rule
    GroupBox,   // captioned frame, visual only
    InputBox,   // single-line edit box with border
    OutputBox,  // read-only single-line edit box
    Combo,      // selection list (no text field)
    Radio,      // radio button, auto-checking within its group
};

// Controls without an identifier of their own.
inline constexpr int kNoId = -1;

// The identifiers of a window's controls lie in this small range, so that
// anything kept per control can be found by id in constant time.
inline constexpr int kFirstControlId = 1000;
inline constexpr int kControlIdSpan = 100;

struct TemplateRow {
    int id;
    ControlKind kind;
    std::string_view caption;
    int x, y, width, height;  // dialog units; a combo's height includes its list
    bool group;               // starts a new group that runs to the next group mark
    bool tab;                 // a tab stop
};

struct DialogTemplate {
    std::string_view caption;
    int width, height;  // client area in dialog units
    std::span<const TemplateRow> rows;
};

// Dialog units to pixels with the base units of an 8-point dialog font at
// 96 DPI (6 x 13 px per 4 x 8 units), rounded as integer MulDiv.
constexpr int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}
constexpr int UnitsToPixelsX(int x) {
    return MulDiv(x, 6, 4);
}
constexpr int UnitsToPixelsY(int y) {
    return MulDiv(y, 13, 8);
}

}  // namespace tarnvik::platform
