// The real program with an unusable panel resource file next to it: it ends at once with -1
// and says on one line which file is wrong and why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"

namespace {

const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen"};
const std::string kResourceName = "KAVRO-XB-VevavA318.uir";

// Stands for a directory where the resource file belongs.
const std::string kDirectory = "(a directory)";

// A copy of the program in a scratch directory, with text (if any) as its resource file.
struct BrokenResource {
  TempDir dir;
  std::string program = dir.file("kavro-xb-scope");
  std::string resource = dir.file(kResourceName);
  explicit BrokenResource(const std::string* text) {
    CopyFile(KAVRO_PROGRAM, program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    if (text == &kDirectory) std::filesystem::create_directory(resource);
    if (text && text != &kDirectory) std::ofstream(resource, std::ios::binary) << *text;
  }

  // Runs the program to its end; returns the lines of its output that name the resource file.
  std::vector<std::string> Run(int* exitCode) {
    Child child({program}, dir.file("program.log"), kOffscreen);
    *exitCode = child.wait(30);
    std::vector<std::string> lines;
    std::istringstream log(ReadFile(dir.file("program.log")));
    for (std::string line; std::getline(log, line);)
      if (line.find(kResourceName) != std::string::npos) lines.push_back(line);
    return lines;
  }
};

// The line is "<program directory>/<resource file>: <reason>" (a parse error goes on
// with where and what).
void ExpectOneLine(const std::vector<std::string>& lines, const std::string& dir,
                   const std::string& reason) {
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("/" + kResourceName + ": " + reason), std::string::npos) << lines[0];
  const std::string dirName = std::filesystem::path(dir).filename().string();
  EXPECT_NE(lines[0].find(dirName), std::string::npos) << lines[0];
}

// Missing, oversized, damaged, incomplete, of the wrong type or not a file: each
// ends the program at once with -1 and one line naming the file and what is
// wrong with it.
TEST(ResourceError, EachUnusableFileIsNamedWithWhatIsWrong) {
  std::string oversized = R"({"panels": []})";
  oversized.resize(4 * 1024 * 1024 + 1, ' ');
  const std::string damaged = R"({"panels": [{"resource": 3, "controls": [}]})";
  const std::string mainOnly = R"({"panels": [{"resource": 3, "width": 780, "height": 548}]})";
  const std::string wrongType = R"({"panels": [{"resource": "three"}]})";
  const std::pair<const std::string*, std::string> cases[] = {
      {nullptr, "file not found"},
      {&oversized, "file too large (4194305 bytes, limit 4194304)"},
      {&damaged, "parse error at line 1"},
      {&mainOnly, "no panel 4"},  // the main panel is there, its first child panel is not
      {&wrongType, "panel without a valid \"resource\" number"},
      {&kDirectory, "not a regular file"}};
  for (const auto& [text, reason] : cases) {
    SCOPED_TRACE(reason);
    BrokenResource d(text);
    int code = 0;
    const std::vector<std::string> lines = d.Run(&code);
    EXPECT_EQ(code, 255);
    ExpectOneLine(lines, d.dir.path(), reason);
  }
}

}  // namespace
