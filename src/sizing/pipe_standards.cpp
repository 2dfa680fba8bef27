#include "sizing/pipe_standards.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

#include "sizing/message_text.h"

namespace tarnvik::sizing {

namespace {

constexpr PipeStandard kStandards[] = {
    {"en10255", "EN 10255", "Non-alloy steel tubes suitable for welding and threading",
     "EN 10255:2004+A1:2007"},
    {"b36.10m", "ASME B36.10M", "Welded and Seamless Wrought Steel Pipe",
     "ASME B36.10M-2004 (R2010)"},
    {"b36.19m", "ASME B36.19M", "Stainless Steel Pipe", "ASME B36.19M-2004 (R2015)"},
};
const PipeStandard& kEn10255 = kStandards[0];
const PipeStandard& kB3610 = kStandards[1];
const PipeStandard& kB3619 = kStandards[2];

// Dimensions in 0.01 mm, as the standards print them; 0 where a standard
// has no such pipe.

// EN 10255, medium and heavy series.
struct EnRow {
    int dn;
    int inchEighths;  // thread size
    int outside;
    int mediumWall;
    int heavyWall;
};
constexpr EnRow kEnRows[] = {
    {8, 2, 1350, 230, 290},     {10, 3, 1720, 230, 290},    {15, 4, 2130, 260, 320},
    {20, 6, 2690, 260, 320},    {25, 8, 3370, 320, 400},    {32, 10, 4240, 320, 400},
    {40, 12, 4830, 320, 400},   {50, 16, 6030, 360, 450},   {65, 20, 7610, 360, 450},
    {80, 24, 8890, 400, 500},   {100, 32, 11430, 450, 540}, {125, 40, 13970, 500, 540},
    {150, 48, 16510, 500, 540},
};

// ASME B36.10M: schedule 10, the weight classes STD and XS, schedules 40
// and 80.
struct CarbonRow {
    int inchEighths;
    int dn;
    int outside;
    int sch10;
    int standard;
    int sch40;
    int extraStrong;
    int sch80;
};
constexpr CarbonRow kCarbonRows[] = {
    {2, 8, 1370, 165, 224, 224, 302, 302},        {3, 10, 1710, 165, 231, 231, 320, 320},
    {4, 15, 2130, 211, 277, 277, 373, 373},       {6, 20, 2670, 211, 287, 287, 391, 391},
    {8, 25, 3340, 277, 338, 338, 455, 455},       {10, 32, 4220, 277, 356, 356, 485, 485},
    {12, 40, 4830, 277, 368, 368, 508, 508},      {16, 50, 6030, 277, 391, 391, 554, 554},
    {20, 65, 7300, 305, 516, 516, 701, 701},      {24, 80, 8890, 305, 549, 549, 762, 762},
    {28, 90, 10160, 305, 574, 574, 808, 808},     {32, 100, 11430, 305, 602, 602, 856, 856},
    {40, 125, 14130, 340, 655, 655, 953, 953},    {48, 150, 16830, 340, 711, 711, 1097, 1097},
    {64, 200, 21910, 376, 818, 818, 1270, 1270},  {80, 250, 27300, 419, 927, 927, 1270, 1509},
    {96, 300, 32380, 457, 953, 1031, 1270, 1748},
};

// ASME B36.19M: schedules 5S, 10S, 40S, 80S.
struct StainlessRow {
    int inchEighths;
    int dn;
    int outside;
    int walls[4];
};
constexpr std::string_view kStainlessSchedules[] = {"5S", "10S", "40S", "80S"};
constexpr StainlessRow kStainlessRows[] = {
    {2, 8, 1370, {0, 165, 224, 302}},        {3, 10, 1710, {0, 165, 231, 320}},
    {4, 15, 2130, {165, 211, 277, 373}},     {6, 20, 2670, {165, 211, 287, 391}},
    {8, 25, 3340, {165, 277, 338, 455}},     {10, 32, 4220, {165, 277, 356, 485}},
    {12, 40, 4830, {165, 277, 368, 508}},    {16, 50, 6030, {165, 277, 391, 554}},
    {20, 65, 7300, {211, 305, 516, 701}},    {24, 80, 8890, {211, 305, 549, 762}},
    {28, 90, 10160, {211, 305, 574, 808}},   {32, 100, 11430, {211, 305, 602, 856}},
    {40, 125, 14130, {277, 340, 655, 953}},  {48, 150, 16830, {277, 340, 711, 1097}},
    {64, 200, 21910, {277, 376, 818, 1270}}, {80, 250, 27310, {340, 419, 927, 1270}},
    {96, 300, 32390, {396, 457, 953, 1270}},
};

// ---------------------------------------------------------------------
// Texts

// 0.01 mm as millimetres with one or two decimals: 6030 "60.3", 391
// "3.91", 27300 "273.0". Integer arithmetic, so no rounding can creep in.
std::string MillimetreText(int hundredths) {
    std::string text = std::to_string(hundredths / 100) + '.';
    const int cents = hundredths % 100;
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
    return text;
}

// "1/4", "1-1/2", "12".
std::string InchSizeText(int eighths) {
    const int whole = eighths / 8;
    int numerator = eighths % 8;
    int denominator = 8;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    std::string text = whole != 0 ? std::to_string(whole) : std::string();
    if (numerator != 0) {
        if (!text.empty()) text += '-';
        text += std::to_string(numerator) + '/' + std::to_string(denominator);
    }
    return text;
}

// ---------------------------------------------------------------------
// The table

// What a query's schedule or series may name: "m", "h", "10", "40", "80",
// "std", "xs", "5s", "10s", "40s", "80s".
struct Entry {
    PipeSize pipe;
    std::vector<std::string> keys;
};

void Add(std::vector<Entry>& out, const PipeStandard& standard, int dn, int eighths, int outside,
         int wall, std::string designation, std::string name, std::vector<std::string> keys) {
    Entry e;
    e.pipe.standard = &standard;
    e.pipe.name = std::move(name);
    e.pipe.size =
        &standard == &kEn10255 ? "DN" + std::to_string(dn) : "NPS " + InchSizeText(eighths);
    e.pipe.designation = std::move(designation);
    e.pipe.dn = dn;
    e.pipe.inchEighths = eighths;
    e.pipe.outsideHundredths = outside;
    e.pipe.wallHundredths = wall;
    e.pipe.outsideText = MillimetreText(outside);
    e.pipe.wallText = MillimetreText(wall);
    e.pipe.innerText = MillimetreText(e.pipe.InnerHundredths());
    e.keys = std::move(keys);
    out.push_back(std::move(e));
}

std::vector<Entry> BuildTable() {
    std::vector<Entry> t;
    for (const auto& [series, key] : {std::pair{"M", "m"}, std::pair{"H", "h"}}) {
        for (const EnRow& r : kEnRows) {
            const int wall = key[0] == 'm' ? r.mediumWall : r.heavyWall;
            Add(t, kEn10255, r.dn, r.inchEighths, r.outside, wall, series,
                std::string("EN 10255-") + series + " DN" + std::to_string(r.dn), {key});
        }
    }
    for (const CarbonRow& r : kCarbonRows) {
        const std::string nps = "NPS " + InchSizeText(r.inchEighths);
        auto add = [&](int wall, std::string designation, std::string suffix,
                       std::vector<std::string> keys) {
            Add(t, kB3610, r.dn, r.inchEighths, r.outside, wall, std::move(designation),
                nps + " " + suffix, std::move(keys));
        };
        add(r.sch10, "Sch 10", "Sch 10", {"10"});
        if (r.standard == r.sch40) {
            add(r.sch40, "Sch 40 / STD", "Sch 40", {"40", "std"});
        } else {
            add(r.standard, "STD", "STD", {"std"});
            add(r.sch40, "Sch 40", "Sch 40", {"40"});
        }
        if (r.extraStrong == r.sch80) {
            add(r.sch80, "Sch 80 / XS", "Sch 80", {"80", "xs"});
        } else {
            add(r.extraStrong, "XS", "XS", {"xs"});
            add(r.sch80, "Sch 80", "Sch 80", {"80"});
        }
    }
    for (const StainlessRow& r : kStainlessRows) {
        for (std::size_t s = 0; s < std::size(kStainlessSchedules); ++s) {
            if (r.walls[s] == 0) continue;
            const std::string schedule = "Sch " + std::string(kStainlessSchedules[s]);
            std::string key(kStainlessSchedules[s]);
            key.back() = 's';
            Add(t, kB3619, r.dn, r.inchEighths, r.outside, r.walls[s], schedule,
                "NPS " + InchSizeText(r.inchEighths) + " " + schedule, {key});
        }
    }
    return t;
}

// Built once, then never changed.
const std::vector<Entry>& Table() {
    static const std::vector<Entry> table = BuildTable();
    return table;
}

const std::vector<PipeSize>& Pipes() {
    static const std::vector<PipeSize> pipes = [] {
        std::vector<PipeSize> out;
        for (const Entry& e : Table()) out.push_back(e.pipe);
        return out;
    }();
    return pipes;
}

// ---------------------------------------------------------------------
// Reading a name

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// Lower case; typographic inch marks and vulgar fractions in their
// ASCII spelling, so that a name pasted from a data sheet reads too.
std::string Normalise(std::string_view text) {
    static constexpr std::pair<std::string_view, std::string_view> kReplacements[] = {
        {"\xE2\x80\xB3", "\""},  // double prime
        {"\xE2\x80\x9D", "\""},  // right double quotation mark
        {"\xE2\x80\x9C", "\""},  // left double quotation mark
        {"\xC2\xBC", " 1/4"},    // vulgar fraction one quarter
        {"\xC2\xBD", " 1/2"},    // one half
        {"\xC2\xBE", " 3/4"},    // three quarters
        {"''", "\""},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kReplacements) {
            if (text.substr(i, from.size()) == from) {
                out += to;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += Lower(text[i++]);
    }
    return out;
}

struct Token {
    enum class Kind { Word, Number, Inch, Other } kind;
    std::string text;       // a word's letters, or the characters read
    double value = 0.0;     // a number's value
    bool integer = false;   // a number without fraction or decimals
    bool attached = false;  // no separator before it
};

// Reads up to nine digits; false when there are none or too many.
bool ReadDigits(std::string_view s, std::size_t& i, std::int64_t& value, int& count) {
    value = 0;
    count = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (++count > 9) return false;
        value = value * 10 + (s[i++] - '0');
    }
    return count > 0;
}

// A number at i: "2", "1.5", "1/2", "1-1/2", "1 1/2". False for a
// malformed one (too many digits, a zero denominator).
bool ReadNumber(std::string_view s, std::size_t& i, Token& token) {
    const std::size_t start = i;
    std::int64_t whole = 0;
    int digits = 0;
    if (!ReadDigits(s, i, whole, digits)) return false;
    token.value = static_cast<double>(whole);
    token.integer = true;
    if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
        ++i;
        std::int64_t fraction = 0;
        if (!ReadDigits(s, i, fraction, digits)) return false;
        token.value += static_cast<double>(fraction) / std::pow(10.0, digits);
        token.integer = false;
    } else {
        // "1/2" right here, or "1-1/2" / "1 1/2" as a mixed number.
        std::size_t j = i;
        bool mixed = false;
        if (j < s.size() && (s[j] == '-' || s[j] == ' ')) {
            while (j < s.size() && (s[j] == ' ' || s[j] == '-')) ++j;
            mixed = true;
        }
        std::size_t k = j;
        std::int64_t numerator = 0;
        std::int64_t denominator = 0;
        int n = 0;
        bool fraction = false;
        if (mixed) {
            fraction = ReadDigits(s, k, numerator, n) && k < s.size() && s[k] == '/';
        } else {
            numerator = whole;
            fraction = k < s.size() && s[k] == '/';
        }
        if (fraction) {
            ++k;
            if (!ReadDigits(s, k, denominator, n) || denominator == 0) return false;
            const double part = static_cast<double>(numerator) / static_cast<double>(denominator);
            token.value = mixed ? static_cast<double>(whole) + part : part;
            token.integer = false;
            i = k;
        }
    }
    token.kind = Token::Kind::Number;
    token.text = std::string(s.substr(start, i - start));
    return true;
}

// Every word a name may hold. Spaces are optional, so "EN10255-MDN50" and
// "1/2inSch40" must split their letters back into words.
constexpr std::string_view kWords[] = {
    "en",       "asme",   "ansi",     "b",  "dn",   "nps",    "sch",    "sched",
    "schedule", "std",    "standard", "xs", "xh",   "extra",  "strong", "heavy",
    "m",        "medium", "h",        "in", "inch", "inches", "s",
};

// Splits a run of letters into known words, longest first; false when it
// cannot be split.
bool Segment(std::string_view run, std::vector<std::string_view>& words) {
    if (run.empty()) return true;
    std::vector<std::string_view> fitting;
    for (std::string_view w : kWords)
        if (run.substr(0, w.size()) == w) fitting.push_back(w);
    std::sort(fitting.begin(), fitting.end(),
              [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    for (std::string_view w : fitting) {
        words.push_back(w);
        if (Segment(run.substr(w.size()), words)) return true;
        words.pop_back();
    }
    return false;
}

std::vector<Token> Tokenise(std::string_view s) {
    std::vector<Token> tokens;
    bool attached = false;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == ' ' || c == '\t' || c == ',' || c == ';' || c == '_' || c == '-' || c == '(' ||
            c == ')') {
            ++i;
            attached = false;
            continue;
        }
        Token token;
        token.attached = attached && !tokens.empty();
        if (c == '"') {
            token.kind = Token::Kind::Inch;
            token.text = "\"";
            ++i;
        } else if (IsDigit(c) || (c == '.' && i + 1 < s.size() && IsDigit(s[i + 1]))) {
            if (c == '.') {  // ".5" is 0.5
                std::size_t j = i + 1;
                std::int64_t fraction = 0;
                int digits = 0;
                if (!ReadDigits(s, j, fraction, digits)) {
                    token.kind = Token::Kind::Other;
                    token.text = std::string(s.substr(i, j - i));
                } else {
                    token.kind = Token::Kind::Number;
                    token.value = static_cast<double>(fraction) / std::pow(10.0, digits);
                    token.text = std::string(s.substr(i, j - i));
                }
                i = j;
            } else if (!ReadNumber(s, i, token)) {
                const std::size_t start = i;
                while (i < s.size() && (IsDigit(s[i]) || s[i] == '/' || s[i] == '.')) ++i;
                token.kind = Token::Kind::Other;
                token.text = std::string(s.substr(start, i - start));
            }
        } else if (IsLetter(c)) {
            const std::size_t start = i;
            while (i < s.size() && IsLetter(s[i])) ++i;
            token.kind = Token::Kind::Word;
            const std::string_view run = s.substr(start, i - start);
            std::vector<std::string_view> words;
            if (!Segment(run, words)) words = {run};
            for (std::size_t w = 0; w + 1 < words.size(); ++w) {
                token.text = std::string(words[w]);
                tokens.push_back(token);
                token.attached = true;
            }
            token.text = std::string(words.back());
        } else {
            // A byte of a character no name uses; a UTF-8 sequence stays whole.
            std::size_t j = i + 1;
            while (j < s.size() && (static_cast<unsigned char>(s[j]) & 0xC0) == 0x80) ++j;
            token.kind = Token::Kind::Other;
            token.text = std::string(s.substr(i, j - i));
            i = j;
        }
        tokens.push_back(std::move(token));
        attached = true;
    }
    return tokens;
}

enum class SizeKind { Inch, Dn, Bare };

struct Query {
    const PipeStandard* standard = nullptr;
    std::optional<SizeKind> sizeKind;
    double size = 0.0;
    std::string designation;  // a key of Entry::keys
    std::string problem;      // why the name could not be read
};

bool IsWord(const Token& t, std::initializer_list<std::string_view> words) {
    if (t.kind != Token::Kind::Word) return false;
    for (std::string_view w : words)
        if (t.text == w) return true;
    return false;
}

bool IsInchMark(const Token& t) {
    return t.kind == Token::Kind::Inch || IsWord(t, {"in", "inch", "inches"});
}

Query Parse(const std::vector<Token>& tokens) {
    Query q;
    auto fail = [&q](std::string why) {
        if (q.problem.empty()) q.problem = std::move(why);
    };
    auto setSize = [&](SizeKind kind, double value) {
        if (q.sizeKind) fail("it names two sizes");
        q.sizeKind = kind;
        q.size = value;
    };
    auto setDesignation = [&](std::string key) {
        if (!q.designation.empty()) fail("it names two schedules or series");
        q.designation = std::move(key);
    };
    auto setStandard = [&](const PipeStandard& s) {
        if (q.standard && q.standard != &s) fail("it names two standards");
        q.standard = &s;
    };
    const std::size_t n = tokens.size();
    auto at = [&](std::size_t i) -> const Token* { return i < n ? &tokens[i] : nullptr; };
    auto isNumber = [&](std::size_t i) { return at(i) && at(i)->kind == Token::Kind::Number; };
    // A schedule number with its "S" suffix attached: "40" "s".
    auto scheduleAt = [&](std::size_t& i) {
        std::string key = tokens[i].text;
        if (at(i + 1) && at(i + 1)->attached && IsWord(*at(i + 1), {"s"})) {
            key += 's';
            ++i;
        }
        setDesignation(key);
    };

    for (std::size_t i = 0; i < n && q.problem.empty(); ++i) {
        const Token& t = tokens[i];
        if (IsWord(t, {"en"}) && isNumber(i + 1) && tokens[i + 1].text == "10255") {
            setStandard(kEn10255);
            ++i;
        } else if (IsWord(t, {"asme", "ansi"})) {
            // The publisher alone narrows nothing down.
        } else if (IsWord(t, {"b"}) && isNumber(i + 1) && tokens[i + 1].attached &&
                   (tokens[i + 1].text == "36.10" || tokens[i + 1].text == "36.19" ||
                    tokens[i + 1].text == "36.1")) {
            setStandard(tokens[i + 1].text == "36.19" ? kB3619 : kB3610);
            ++i;
            if (at(i + 1) && at(i + 1)->attached && IsWord(*at(i + 1), {"m"})) ++i;
        } else if (IsWord(t, {"dn"})) {
            if (!isNumber(i + 1) || !tokens[i + 1].integer) {
                fail("DN must be followed by a whole number");
            } else {
                setSize(SizeKind::Dn, tokens[++i].value);
            }
        } else if (IsWord(t, {"nps"})) {
            if (!isNumber(i + 1)) {
                fail("NPS must be followed by a size");
            } else {
                setSize(SizeKind::Inch, tokens[++i].value);
                if (at(i + 1) && IsInchMark(*at(i + 1))) ++i;
            }
        } else if (IsWord(t, {"sch", "sched", "schedule"})) {
            if (!isNumber(i + 1) || !tokens[i + 1].integer) {
                fail("a schedule must be followed by its number");
            } else {
                scheduleAt(++i);
            }
        } else if (IsWord(t, {"std", "standard"})) {
            setDesignation("std");
        } else if (IsWord(t, {"xs", "xh"})) {
            setDesignation("xs");
        } else if (IsWord(t, {"extra"}) && at(i + 1) && IsWord(*at(i + 1), {"strong", "heavy"})) {
            setDesignation("xs");
            ++i;
        } else if (IsWord(t, {"m", "medium"})) {
            setDesignation("m");
        } else if (IsWord(t, {"h", "heavy"})) {
            setDesignation("h");
        } else if (t.kind == Token::Kind::Number) {
            if (at(i + 1) && IsInchMark(*at(i + 1))) {
                setSize(SizeKind::Inch, t.value);
                ++i;
            } else if (at(i + 1) && at(i + 1)->attached && IsWord(*at(i + 1), {"s"})) {
                if (!t.integer) fail("a schedule is a whole number");
                scheduleAt(i);
            } else if (!q.sizeKind) {
                setSize(SizeKind::Bare, t.value);
            } else if (t.integer && q.designation.empty()) {
                setDesignation(t.text);
            } else {
                fail("\"" + t.text + "\" is neither a size nor a schedule");
            }
        } else {
            fail("\"" + t.text + "\" is not part of any pipe name");
        }
    }
    if (q.problem.empty() && !q.sizeKind) fail("it names no size");
    // "B36.19M Sch 40" means 40S.
    if (q.standard == &kB3619 && !q.designation.empty() && q.designation.back() != 's' &&
        IsDigit(q.designation.front()))
        q.designation += 's';
    return q;
}

bool SizeMatches(const Query& q, const PipeSize& p) {
    const double eighths = q.size * 8.0;
    const bool inch = std::fabs(eighths - p.inchEighths) < 1e-9;
    const bool dn = q.size == p.dn;
    switch (*q.sizeKind) {
        case SizeKind::Inch:
            return inch;
        case SizeKind::Dn:
            return dn;
        case SizeKind::Bare:
            return inch || dn;
    }
    return false;
}

bool DesignationMatches(const Query& q, const Entry& e) {
    if (q.designation.empty()) return true;
    return std::find(e.keys.begin(), e.keys.end(), q.designation) != e.keys.end();
}

bool StandardMatches(const Query& q, const PipeSize& p) {
    return q.standard == nullptr || q.standard == p.standard;
}

std::vector<const Entry*> Matching(const Query& q, bool size, bool designation) {
    std::vector<const Entry*> out;
    for (const Entry& e : Table()) {
        if (!StandardMatches(q, e.pipe)) continue;
        if (size && !SizeMatches(q, e.pipe)) continue;
        if (designation && !DesignationMatches(q, e)) continue;
        out.push_back(&e);
    }
    return out;
}

std::vector<std::string> NamesOf(const std::vector<const Entry*>& entries) {
    std::vector<std::string> names;
    for (const Entry* e : entries) names.push_back(e->pipe.name);
    return names;
}

// The sizes next to the asked one, below and above, in the pipes that fit
// everything else the name says.
std::vector<std::string> NeighbouringSizes(const Query& q) {
    const std::vector<const Entry*> others = Matching(q, false, true);
    auto measure = [&q](const PipeSize& p) {
        return *q.sizeKind == SizeKind::Dn ? static_cast<double>(p.dn) : p.inchEighths / 8.0;
    };
    std::optional<double> below, above;
    for (const Entry* e : others) {
        const double m = measure(e->pipe);
        if (m < q.size && (!below || m > *below)) below = m;
        if (m > q.size && (!above || m < *above)) above = m;
    }
    std::vector<std::string> names;
    for (const Entry* e : others) {
        const double m = measure(e->pipe);
        if ((below && m == *below) || (above && m == *above)) names.push_back(e->pipe.name);
    }
    return names;
}

// Letters, digits and fraction bars only: "NPS 1-1/2 Sch 40" and
// "nps 1 1/2 sch40" both become "nps11/2sch40".
std::string Squeezed(std::string_view text) {
    std::string out;
    for (char c : Normalise(text))
        if (IsLetter(c) || IsDigit(c) || c == '/') out += c;
    return out;
}

// Edits, counting a swap of two neighbouring characters as one: "nsp"
// is one slip from "nps".
std::size_t EditDistance(std::string_view a, std::string_view b) {
    // Three rows of the table suffice: a swap looks two rows back.
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t> rows(3 * width);
    auto row = [&](std::size_t i) { return rows.data() + (i % 3) * width; };
    for (std::size_t j = 0; j <= b.size(); ++j) row(0)[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t* d = row(i);
        const std::size_t* up = row(i - 1);
        const std::size_t* upUp = row(i - 2);
        d[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] != b[j - 1];
            d[j] = std::min({up[j] + 1, d[j - 1] + 1, up[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[j] = std::min(d[j], upUp[j - 2] + 1);
        }
    }
    return row(a.size())[b.size()];
}

// The canonical names closest in spelling, best first.
std::vector<std::string> ClosestNames(std::string_view name) {
    const std::string query = Squeezed(name);
    std::vector<std::pair<std::size_t, const PipeSize*>> scored;
    for (const PipeSize& p : Pipes())
        scored.emplace_back(EditDistance(query, Squeezed(p.name)), &p);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::size_t limit = std::max<std::size_t>(2, query.size() / 3);
    std::vector<std::string> names;
    for (const auto& [distance, pipe] : scored) {
        if (distance > limit || names.size() == 5) break;
        names.push_back(pipe->name);
    }
    return names;
}

PipeLookup Failure(std::string message, std::vector<std::string> candidates) {
    PipeLookup result;
    result.error.reason = message;
    if (!candidates.empty()) message += ": " + Join(candidates);
    result.error.message = std::move(message);
    result.error.candidates = std::move(candidates);
    return result;
}

}  // namespace

std::span<const PipeStandard> PipeStandards() {
    return kStandards;
}

const PipeStandard* FindPipeStandard(std::string_view text) {
    const std::string wanted = Squeezed(text);
    for (const PipeStandard& s : kStandards) {
        const std::string id = Squeezed(s.id);
        if (wanted == id || wanted == Squeezed(s.name)) return &s;
        // B36.10 without the metric M, "asme" without a standard.
        if (&s != &kEn10255 && (wanted == id.substr(0, id.size() - 1) ||
                                wanted == "asme" + id.substr(0, id.size() - 1)))
            return &s;
    }
    return nullptr;
}

std::span<const PipeSize> AllPipes() {
    return Pipes();
}

std::vector<const PipeSize*> PipesOf(const PipeStandard& standard) {
    std::vector<const PipeSize*> out;
    for (const PipeSize& p : Pipes())
        if (p.standard == &standard) out.push_back(&p);
    return out;
}

PipeLookup FindPipe(std::string_view name) {
    static constexpr std::string_view kHowToWrite =
        "write a pipe as \"NPS 2 Sch 40\", \"NPS 2 Sch 40S\", \"2 inch STD\" or \"EN 10255-M "
        "DN50\"";
    // No name is longer; a longer text would only cost time to compare.
    if (name.size() > 80)
        return Failure("the pipe name is too long; " + std::string(kHowToWrite), {});
    const std::vector<Token> tokens = Tokenise(Normalise(name));
    if (tokens.empty()) return Failure("no pipe named; " + std::string(kHowToWrite), {});

    const Query q = Parse(tokens);
    if (!q.problem.empty()) {
        std::vector<std::string> closest = ClosestNames(name);
        std::string message = "cannot read the pipe " + Quoted(name) + ": " + q.problem;
        if (closest.empty()) return Failure(message + "; " + std::string(kHowToWrite), {});
        return Failure(message + "; did you mean", std::move(closest));
    }

    const std::vector<const Entry*> found = Matching(q, true, true);
    if (found.size() == 1) {
        PipeLookup result;
        result.pipe = &Pipes()[static_cast<std::size_t>(found.front() - Table().data())];
        return result;
    }
    if (found.size() > 1)
        return Failure("the pipe " + Quoted(name) + " is ambiguous; add the schedule or series",
                       NamesOf(found));

    std::vector<const Entry*> sameSize = Matching(q, true, false);
    // "NPS 1/4 Sch 5S" is a stainless pipe: offer the stainless sizes only.
    std::vector<const PipeStandard*> knowing;
    for (const Entry& e : Table())
        if (DesignationMatches(q, e)) knowing.push_back(e.pipe.standard);
    if (!knowing.empty()) {
        std::erase_if(sameSize, [&](const Entry* e) {
            return std::find(knowing.begin(), knowing.end(), e->pipe.standard) == knowing.end();
        });
    }
    if (!sameSize.empty())
        return Failure("no pipe " + Quoted(name) + " in the tables; that size comes as",
                       NamesOf(sameSize));
    std::vector<std::string> neighbours = NeighbouringSizes(q);
    if (!neighbours.empty())
        return Failure("no pipe of the size " + Quoted(name) + " in the tables; the nearest are",
                       std::move(neighbours));
    return Failure("no pipe " + Quoted(name) + " in the tables; " + std::string(kHowToWrite), {});
}

}  // namespace tarnvik::sizing
