// Runs the golden files through the real tarnvik-calc executable, once
// in the "C" locale and once in a decimal-comma locale, where every
// output must be the same.
//
// With --update the files are rewritten from what the tool prints; review
// the difference before keeping it.
#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "golden_file.h"
#include "run_process.h"

namespace tarnvik::test {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// The comma locale is made by the test script; without it the locale
// runs are skipped, visibly.
bool CommaLocaleInstalled() {
    locale_t l = newlocale(LC_ALL_MASK, kCommaLocale, static_cast<locale_t>(nullptr));
    if (!l) return false;
    const bool comma = std::string(nl_langinfo_l(RADIXCHAR, l)) == ",";
    freelocale(l);
    return comma;
}

// The built executable, or the words of TARNVIK_CALC_COMMAND (an absolute
// program path first, e.g. "/usr/bin/node /path/tarnvik-calc.js"), so that
// the same files test another build of the tool.
std::vector<std::string> CalcCommand() {
    const char* command = std::getenv("TARNVIK_CALC_COMMAND");
    if (!command || !*command) return {TARNVIK_CALC};
    std::vector<std::string> words;
    std::istringstream in(command);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

ProcessResult RunCase(const GoldenCase& c, const std::string& locale) {
    std::vector<std::string> argv = CalcCommand();
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    std::vector<std::string> environment{"LC_ALL=" + locale, "LANG=" + locale};
    environment.insert(environment.end(), c.environment.begin(), c.environment.end());
    ProcessResult r = RunProcess(argv, environment, c.input);
    r.out = Filtered(c, r.out);
    return r;
}

class GoldenCaseTest : public testing::Test {
  public:
    GoldenCaseTest(GoldenCase c, std::string locale)
        : c_(std::move(c)), locale_(std::move(locale)) {}

    void TestBody() override {
        if (locale_ == kCommaLocale && !CommaLocaleInstalled())
            GTEST_SKIP() << "locale " << kCommaLocale
                         << " is not installed (localedef -i de_DE -f UTF-8 " << kCommaLocale
                         << ")";
        const ProcessResult r = RunCase(c_, locale_);
        SCOPED_TRACE(c_.commandLine);
        EXPECT_EQ(r.out, c_.out) << "standard output differs";
        EXPECT_EQ(r.err, c_.err) << "standard error differs";
        EXPECT_EQ(r.status, c_.status) << "exit status differs";
    }

  private:
    GoldenCase c_;
    std::string locale_;
};

std::vector<std::filesystem::path> GoldenFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TARNVIK_GOLDEN_DIR))
        if (entry.path().extension() == ".golden") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void RegisterAll() {
    for (const auto& path : GoldenFiles()) {
        const std::string stem = path.stem().string();
        for (const GoldenCase& c : ReadGoldenFile(path.string())) {
            for (const std::string locale : {"C", kCommaLocale}) {
                const std::string suite = "golden_" + stem + (locale == "C" ? "" : "_de_DE");
                testing::RegisterTest(
                    suite.c_str(), c.name.c_str(), nullptr, nullptr, path.string().c_str(), c.line,
                    [c, locale]() -> testing::Test* { return new GoldenCaseTest(c, locale); });
            }
        }
    }
}

int Update() {
    for (const auto& path : GoldenFiles()) {
        std::vector<GoldenCase> cases = ReadGoldenFile(path.string());
        for (GoldenCase& c : cases) {
            const ProcessResult r = RunCase(c, "C");
            c.out = r.out;
            c.err = r.err;
            c.status = r.status;
        }
        std::ofstream(path) << FormatGoldenFile(cases);
        std::cout << "rewrote " << path.string() << '\n';
    }
    return 0;
}

}  // namespace
}  // namespace tarnvik::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--update") return tarnvik::test::Update();
    tarnvik::test::RegisterAll();
    return RUN_ALL_TESTS();
}
