// Every row of the range table and every fit of the sensor finder must be
// what a plain tarnvik-calc run with the same options shows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_process.h"

namespace tarnvik::test {
namespace {

using Args = std::vector<std::string>;

nlohmann::json RunJson(const std::string& mode, const Args& options) {
    Args argv{TARNVIK_CALC};
    if (!mode.empty()) argv.push_back(mode);
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back("--json");
    const ProcessResult r = RunProcess(argv, {}, "");
    EXPECT_TRUE(r.status == 0 || (mode == "find" && r.status == 1)) << r.err;
    return nlohmann::json::parse(r.out);
}

// The plain run for a row: its sensor, section or diameter and range,
// then the options the table or finder was given.
void ExpectRowsAsPlainRuns(const nlohmann::json& rows, const Args& options) {
    ASSERT_TRUE(rows.is_array());
    ASSERT_FALSE(rows.empty());
    for (const nlohmann::json& row : rows) {
        Args args{"--sensor", row["sensor"]};
        if (row["section"] != "") {
            args.insert(args.end(), {"--section", row["section"]});
        } else {
            args.insert(args.end(), {"--diameter", row["diameter"]});
        }
        if (row["range"] != "") args.insert(args.end(), {"--range", row["range"]});
        args.insert(args.end(), options.begin(), options.end());
        const nlohmann::json plain = RunJson("", args);
        SCOPED_TRACE(row.dump());
        for (const auto& [key, value] : plain.items()) {
            if (key == "inputs") continue;  // a row names its place in its own keys
            EXPECT_EQ(row[key], value) << key;
        }
    }
}

struct CrossCase {
    const char* name;
    const char* mode;
    Args rowOptions;   // the options a plain run repeats
    Args modeOptions;  // only for the table or finder
};

void PrintTo(const CrossCase& c, std::ostream* os) {
    *os << c.name;
}

class CrossCheck : public testing::TestWithParam<CrossCase> {};

TEST_P(CrossCheck, EachRowEqualsAPlainRun) {
    const CrossCase& c = GetParam();
    Args options = c.rowOptions;
    options.insert(options.end(), c.modeOptions.begin(), c.modeOptions.end());
    const nlohmann::json out = RunJson(c.mode, options);
    ExpectRowsAsPlainRuns(std::string(c.mode) == "table" ? out : out["fits"], c.rowOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CrossCheck,
    testing::Values(CrossCase{"table_qa60_kgh", "table", {"--unit", "kg/h"}, {"--sensor", "QA60"}},
                    CrossCase{
                        "table_qa80_norm", "table", {"--reference", "norm"}, {"--sensor", "QA80"}},
                    CrossCase{"table_qa20_v", "table", {"--unit", "cfm"}, {"--sensor", "QA20-V"}},
                    CrossCase{"table_qa90_process",
                              "table",
                              {"--unit", "t/h", "--flow-type", "dry", "--cutoff", "30",
                               "--process-pressure", "9", "--inlet-humidity", "70"},
                              {"--sensor", "QA90", "--diameter", "40", "--diameter", "125"}},
                    CrossCase{"find_co2",
                              "find",
                              {"--unit", "m3/h", "--gas", "CO2"},
                              {"--min-flow", "2", "--max-flow", "200", "--diameter", "60"}},
                    CrossCase{"find_th",
                              "find",
                              {"--unit", "t/h"},
                              {"--min-flow", "0.2", "--max-flow", "1", "--diameter", "50"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnvik::test
