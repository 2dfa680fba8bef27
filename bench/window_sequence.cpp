// Runs one window sequence a given number of times and prints the heap
// allocations per run. Made for callgrind: the difference between two
// counts gives the instructions of one run without the program's set-up.
//   window_sequence <sequence> <count>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "core/control_ids.h"
#include "ui/tarnvik_dlg.h"
#include "window_sequences.h"

namespace {

// Counted by the replaced operator new below; this program is single-threaded.
std::size_t allocations = 0;

using namespace tarnvik;

struct Sequence {
    std::string_view name;
    void (*run)(CTarnvikDlg& working, const CTarnvikDlg& started, int i);
    bool needsReset;
};

void Started(CTarnvikDlg& dlg) {
    dlg.OnInitDialog();
}

const Sequence kSequences[] = {
    {"recalculate", [](CTarnvikDlg& w, const CTarnvikDlg&, int) { w.Recalculate(); }, false},
    {"recalculate-long", [](CTarnvikDlg& w, const CTarnvikDlg&, int) { w.Recalculate(); }, false},
    {"output-write",
     [](CTarnvikDlg& w, const CTarnvikDlg&, int i) {
         w.Window().SetText(id::kMaxFlow, i % 2 ? "250.0" : "17.8");
     },
     false},
    {"digit",
     [](CTarnvikDlg& w, const CTarnvikDlg&, int i) {
         w.Window().UserType(id::kProcessPressure, i % 2 ? "6.1" : "6.2");
     },
     false},
    {"sensor",
     [](CTarnvikDlg& w, const CTarnvikDlg&, int i) {
         w.Window().UserChoose(id::kSensorType, i % 2 ? 6 : 0);
     },
     false},
    {"fresh",
     [](CTarnvikDlg&, const CTarnvikDlg&, int) {
         CTarnvikDlg dlg("tarnvik-calc");
         Started(dlg);
     },
     false},
    {"copy", [](CTarnvikDlg&, const CTarnvikDlg& s, int) { CTarnvikDlg dlg(s); }, false},
    {"reset", [](CTarnvikDlg& w, const CTarnvikDlg& s, int) { bench::ResetTo(w, s); }, true},
    {"line-fresh",
     [](CTarnvikDlg&, const CTarnvikDlg&, int) {
         CTarnvikDlg dlg("tarnvik-calc");
         Started(dlg);
         bench::DriveBatchLine(dlg);
         (void)bench::ReadResults(dlg);
     },
     false},
    {"line-copy",
     [](CTarnvikDlg&, const CTarnvikDlg& s, int) {
         CTarnvikDlg dlg(s);
         bench::DriveBatchLine(dlg);
         (void)bench::ReadResults(dlg);
     },
     false},
    {"line-reset",
     [](CTarnvikDlg& w, const CTarnvikDlg& s, int) {
         bench::ResetTo(w, s);
         bench::DriveBatchLine(w);
         (void)bench::ReadResults(w);
     },
     true},
};

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main(int argc, char** argv) {
    const Sequence* sequence = nullptr;
    for (const Sequence& s : kSequences)
        if (argc == 3 && s.name == argv[1]) sequence = &s;
    if (!sequence) {
        std::fprintf(stderr, "usage: window_sequence <sequence> <count>; sequences:");
        for (const Sequence& s : kSequences) std::fprintf(stderr, " %s", s.name.data());
        std::fprintf(stderr, "\n");
        return 2;
    }
    if (sequence->needsReset && !bench::kCanReset<CTarnvikDlg>) {
        std::fprintf(stderr, "this window cannot be reset by assignment\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);

    CTarnvikDlg started("tarnvik-calc");
    Started(started);
    CTarnvikDlg working(started);
    // The sequences that act on one window do so on a QA70 window.
    if (sequence->name == "recalculate" || sequence->name == "recalculate-long" ||
        sequence->name == "digit")
        working.Window().UserChoose(id::kSensorType, "QA70");
    // Texts longer than any short-string buffer in two boxes, one bound.
    if (sequence->name == "recalculate-long") {
        working.Window().UserType(id::kProcessTemperature, "35" + std::string(5000, '0'));
        working.Window().UserType(id::kInletHumidity, "50." + std::string(5000, '0'));
    }

    const std::size_t before = allocations;
    for (int i = 0; i < count; ++i) sequence->run(working, started, i);
    const std::size_t used = allocations - before;
    std::printf("%s: %d runs, %.2f heap allocations per run\n", argv[1], count,
                count > 0 ? static_cast<double>(used) / count : 0.0);
    return 0;
}
