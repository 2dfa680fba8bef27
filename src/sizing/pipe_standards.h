// Pipes by their trade names: a built-in table of steel pipe and tube
// sizes with their outside diameters and walls as the dimensional
// standards give them, and the lookup of a name as a user would write it
// ("2 inch schedule 40", "DN50 medium") to the pipe's inner diameter.
//
// The dimensions are kept in integer hundredths of a millimetre, the
// precision every one of these standards uses, so the inner diameter
// (outside diameter minus twice the wall) and its text are exact:
// NPS 2 Sch 40 is 60.3 - 2 x 3.91 = "52.48", never 52.480000000000004.
//
// Standards and what the table holds of them:
//  - EN 10255:2004+A1:2007, "Non-alloy steel tubes suitable for welding
//    and threading": the medium series M and the heavy series H, DN 8 to
//    DN 150 (thread sizes 1/4 to 6) at their specified outside diameters,
//    the thirteen sizes of the medium and heavy tubes of BS 1387, which
//    these series continue. DN 6, DN 90 and the light types L, L1 and L2
//    are not in it.
//  - ASME B36.10M-2004 (R2010), "Welded and Seamless Wrought Steel Pipe":
//    NPS 1/4 to NPS 12 in schedule 10, schedule 40 / STD and schedule
//    80 / XS. This edition gives schedule 10 for every one of these
//    sizes. Where the weight class and the schedule differ (STD and
//    Sch 40 at NPS 12, XS and Sch 80 at NPS 10 and 12) both are in the
//    table as pipes of their own.
//  - ASME B36.19M-2004 (R2015), "Stainless Steel Pipe": NPS 1/4 to NPS 12
//    in schedules 5S, 10S, 40S and 80S. The standard has no schedule 5S
//    for NPS 1/4 and NPS 3/8, so neither has the table. Its outside
//    diameters of NPS 10 and 12 (273.1 and 323.9 mm) differ from
//    B36.10M's (273.0 and 323.8 mm); each table keeps its own.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik::sizing {

struct PipeStandard {
    std::string_view id;       // "en10255", "b36.10m", "b36.19m"
    std::string_view name;     // "EN 10255", "ASME B36.10M", "ASME B36.19M"
    std::string_view title;    // the standard's own title
    std::string_view edition;  // "EN 10255:2004+A1:2007"
};

struct PipeSize {
    const PipeStandard* standard = nullptr;
    std::string name;           // canonical: "EN 10255-M DN50", "NPS 2 Sch 40", "NPS 2 Sch 40S"
    std::string size;           // "DN50", "NPS 2", "NPS 1-1/2"
    std::string designation;    // "M", "H", "Sch 10", "Sch 40 / STD", "STD", "Sch 5S"
    int dn = 0;                 // nominal diameter
    int inchEighths = 0;        // nominal pipe size or thread size, in eighths of an inch
    int outsideHundredths = 0;  // outside diameter, 0.01 mm
    int wallHundredths = 0;     // wall thickness, 0.01 mm
    // Millimetres, exact, with at least one decimal: "60.3", "3.91", "52.48".
    std::string outsideText;
    std::string wallText;
    std::string innerText;

    int InnerHundredths() const { return outsideHundredths - 2 * wallHundredths; }
    double InnerDiameter() const { return InnerHundredths() / 100.0; }
};

std::span<const PipeStandard> PipeStandards();
// By id or name, without regard to case, spaces, dashes and dots:
// "EN 10255", "en10255", "B36.19M", "asme b36.10m". Null when none.
const PipeStandard* FindPipeStandard(std::string_view text);

// Every pipe, standard by standard in the order of PipeStandards(), each
// standard's pipes by size and then by wall.
std::span<const PipeSize> AllPipes();
std::vector<const PipeSize*> PipesOf(const PipeStandard& standard);

// Why a name names no single pipe, as data for the caller to show.
struct PipeNameError {
    std::string message;                  // one line, ready for the user
    std::string reason;                   // the message without the list of candidates
    std::vector<std::string> candidates;  // canonical names of the near matches
};

struct PipeLookup {
    const PipeSize* pipe = nullptr;  // null when the name named no single pipe
    PipeNameError error;             // set when pipe is null
    explicit operator bool() const { return pipe != nullptr; }
};

// The pipe a name means, written as users write it, without regard to case
// and spacing: the canonical names, `2"`, `2in`, `2 inch`, `NPS2`,
// `1-1/2"`, `1 1/2 in`, `1.5"`, `sch40`, `Sch 40`, `STD`, `XS`, `40S`,
// `DN50 M`, `DN50-M`, `EN10255 M DN50`, `dn50 medium`, `B36.19M 2" sch 10`.
// A DN with a schedule names the ASME pipe of that DN ("DN50 Sch 40" is
// NPS 2 Sch 40); a bare number is an inch size or a DN, whichever exists.
// A name that fits several pipes, none, or cannot be read is an error
// that lists the near matches: the pipes it fits, the neighbouring sizes,
// or the names closest in spelling.
PipeLookup FindPipe(std::string_view name);

}  // namespace tarnvik::sizing
