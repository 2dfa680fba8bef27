// Writing a document to a file: the target holds the whole new text or
// stays as it was, no temporary file is left behind, and what is not a
// plain file (a link, a pipe, a folder) is not replaced by one.
#include "cli/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarnvik::cli {
namespace {

namespace fs = std::filesystem;

class OutputFile : public testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/tarnvik-output-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder_)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

TEST_F(OutputFile, WritesANewFile) {
    EXPECT_EQ(WriteFileReplacing(Path("sheet.html"), "<p>new</p>\n"), "");
    EXPECT_EQ(Read(Path("sheet.html")), "<p>new</p>\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"sheet.html"});
}

TEST_F(OutputFile, ReplacesAnOldFileWhole) {
    std::ofstream(Path("sheet.html")) << std::string(100000, 'x');
    EXPECT_EQ(WriteFileReplacing(Path("sheet.html"), "short"), "");
    EXPECT_EQ(Read(Path("sheet.html")), "short");
    EXPECT_EQ(Entries(), std::vector<std::string>{"sheet.html"});
}

TEST_F(OutputFile, AMissingFolderIsAnErrorAndLeavesNothing) {
    EXPECT_EQ(WriteFileReplacing(Path("no/such/sheet.html"), "text"), "No such file or directory");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(OutputFile, AFolderIsNotReplaced) {
    fs::create_directory(Path("sheet.html"));
    EXPECT_EQ(WriteFileReplacing(Path("sheet.html"), "text"), "Is a directory");
    EXPECT_TRUE(fs::is_directory(Path("sheet.html")));
    EXPECT_EQ(Entries(), std::vector<std::string>{"sheet.html"});
}

TEST_F(OutputFile, ALinkKeepsPointingAtTheNewText) {
    fs::create_directory(Path("real"));
    std::ofstream(Path("real/sheet.html")) << "old";
    fs::create_symlink("real/sheet.html", Path("link.html"));
    EXPECT_EQ(WriteFileReplacing(Path("link.html"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(Path("link.html")));
    EXPECT_EQ(Read(Path("real/sheet.html")), "new");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.html", "real"}));
}

// -o /dev/stdout and the like: written in place, never swapped for a file.
TEST_F(OutputFile, APipeIsWrittenInPlace) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    const int reader = ::open(Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(WriteFileReplacing(Path("pipe"), "through"), "");
    char text[16] = {};
    EXPECT_EQ(::read(reader, text, sizeof text), 7);
    EXPECT_STREQ(text, "through");
    ::close(reader);
    struct stat s {};
    ASSERT_EQ(::stat(Path("pipe").c_str(), &s), 0);
    EXPECT_TRUE(S_ISFIFO(s.st_mode));
}

}  // namespace
}  // namespace tarnvik::cli
