// Files the disk refuses. A recording runs and counts as always, its file keeps
// whole lines only, and afterwards the operator is told how many samples
// reached it and why the rest did not. A settings or parameter file that
// cannot be written leaves the old file as it was, and the operator is told.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "harness/scenario.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

class RefusedFiles : public ::testing::Test {
 protected:
  void start() {
    s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    s_.click(s_.main(), ids::MAIN_TOGG_RECORDER);
  }
  void record(int samples) {
    const int rec = s_.panels().recorder;
    s_.enterValue(rec, ids::REC_SAMPLES, samples);
    s_.enterValue(rec, ids::REC_INTERVAL, 0.1);
    s_.click(rec, ids::REC_START);
    EXPECT_EQ(s_.status(), "Data-Recorder completed successfully!");
    EXPECT_EQ(s_.value(rec, ids::REC_COUNTER), samples);
  }
  std::string lastMessage() {
    const auto& popups = s_.dialogs().popups();
    return popups.empty() ? "" : popups.back().title + ": " + popups.back().text;
  }
  Scenario s_;
};

// A file-size limit stands in for a full disk: the system refuses what goes
// beyond it the same way.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before_);
    rlimit small = before_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before_); }

 private:
  rlimit before_{};
};

// The disk fills up after about 40 lines.
TEST_F(RefusedFiles, FullDiskKeepsWholeLinesAndSaysHowManyReachedTheFile) {
  start();
  {
    const FullDisk full(1001);
    record(60);
  }
  const std::string text = s_.readProjectFile(kRecordFileName);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');  // no line cut in the middle of a number
  int lines = 0;
  for (char c : text) lines += c == '\n';
  const int samplesInFile = lines - 7;
  EXPECT_GT(samplesInFile, 0);
  EXPECT_EQ(lastMessage(), "Data-Recorder: " + std::to_string(samplesInFile) +
                               " of 60 samples reached the record file\n" +
                               s_.projectPath(kRecordFileName) + "\nFile too large");
}

TEST_F(RefusedFiles, FolderThatCannotBeWrittenGetsNoFileAndSaysWhy) {
  const std::string path = s_.projectPath("gone/RECORD.DAT");
  start();
  s_.dialogs().answerFile(path);
  s_.click(s_.panels().recorder, ids::REC_FILE_BTN);
  record(3);
  EXPECT_EQ(lastMessage(), "Data-Recorder: 0 of 3 samples reached the record file\n" + path +
                               "\nNo such file or directory");
}

// The settings file of the last save survives a save the disk refuses.
TEST_F(RefusedFiles, SettingsFileThatCannotBeWrittenStaysAsItWas) {
  start();
  const std::string path = s_.projectPath("XB-Scope.ini");
  s_.writeProjectFile("XB-Scope.ini", "[CONNECTION]\r\nCOM Port = 1\r\n");
  s_.click(s_.main(), ids::MAIN_CONNECT);
  s_.click(s_.panels().comset, ids::COM_TRY);
  {
    const FullDisk full(10);
    s_.click(s_.panels().comset, ids::COM_ACCEPT);
  }
  EXPECT_EQ(s_.readProjectFile("XB-Scope.ini"), "[CONNECTION]\r\nCOM Port = 1\r\n");
  EXPECT_EQ(lastMessage(),
            "ATTENTION!: The settings file\n" + path + "\ncould not be written:\nFile too large");
}

// A parameter file in a folder that is gone by the time it is written, or
// read: the usual failure text, and a box that says which file and why.
TEST_F(RefusedFiles, ParameterFileInAFolderThatIsGone) {
  start();
  const std::string path = s_.projectPath("gone/KAVRO-PARA.ini");
  s_.click(s_.main(), ids::MAIN_FILE);
  s_.dialogs().answerFile(path);
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(s_.status(), "Parameter saving to file failed!");
  EXPECT_EQ(lastMessage(), "ATTENTION!: The parameter file\n" + path +
                               "\ncould not be written:\nNo such file or directory");
  s_.dialogs().answerFile(path);
  s_.click(s_.main(), ids::MAIN_GET);
  EXPECT_EQ(s_.status(), "Parameter not read from file!");
  EXPECT_EQ(lastMessage(), "ATTENTION!: The parameter file\n" + path +
                               "\ncould not be read:\nNo such file or directory");
}

}  // namespace
