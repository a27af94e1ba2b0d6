// A named pipe where the settings file or a parameter file belongs: the program
// neither waits for a writer at start-up nor for a reader at close, and treats
// the pipe as a file it cannot use.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "harness/scenario.h"
#include "link/line.h"
#include "params/transfer_buttons.h"
#include "params/transfer_state.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

// Makes a named pipe. Should the program block on it all the same, a watchdog
// opens the far end after a generous wait so that the test fails instead of
// hanging; unblocked() tells whether it had to.
class NamedPipe {
 public:
  explicit NamedPipe(std::string path) : path_(std::move(path)) {
    made_ = mkfifo(path_.c_str(), 0644) == 0;
    watchdog_ = std::thread([this] {
      std::unique_lock<std::mutex> lock(mutex_);
      if (done_cv_.wait_for(lock, std::chrono::seconds(20), [this] { return done_; })) return;
      unblocked_ = true;
      // Read-write never waits itself and releases readers and writers alike.
      const int fd = open(path_.c_str(), O_RDWR | O_NONBLOCK);
      if (fd >= 0) close(fd);
    });
  }
  ~NamedPipe() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_all();
    watchdog_.join();
    unlink(path_.c_str());
  }
  NamedPipe(const NamedPipe&) = delete;
  NamedPipe& operator=(const NamedPipe&) = delete;

  bool made() const { return made_; }
  bool unblocked() const { return unblocked_; }
  bool stillAPipe() const {
    struct stat st;
    return stat(path_.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
  }

 private:
  std::string path_;
  bool made_ = false;
  std::atomic<bool> unblocked_{false};
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread watchdog_;
};

TEST(NamedPipeSettings, StartUpAndCloseDoNotWaitOnThePipe) {
  Scenario s;
  NamedPipe pipe(s.projectPath("XB-Scope.ini"));
  ASSERT_TRUE(pipe.made());
  ASSERT_TRUE(s.startUp());
  EXPECT_FALSE(pipe.unblocked());
  // As for an unreadable file: the port field shows 1, the link keeps its defaults.
  EXPECT_EQ(s.value(s.panels().comset, ids::COM_PORT), 1);
  EXPECT_EQ(LinePort(), 1);
  EXPECT_EQ(LineBaudIndex(), 1);

  s.closeMainWindow();
  EXPECT_TRUE(s.quitRequested());
  EXPECT_FALSE(pipe.unblocked());
  EXPECT_TRUE(pipe.stillAPipe());  // nothing written, nothing replaced
}

// Send and Get with FILE on a pipe: both fail at once, and the get changes nothing.
TEST(NamedPipeParameterFile, SendAndGetFailAtOnce) {
  Scenario s;
  s.attachSensor();
  ASSERT_TRUE(s.startUp());
  s.click(s.main(), ids::MAIN_FILE);
  ASSERT_EQ(Transfer().target, kTargetFile);
  NamedPipe pipe(s.projectPath("pipe.ini"));
  ASSERT_TRUE(pipe.made());
  s.dialogs().answerFile(s.projectPath("pipe.ini"));
  s.click(s.main(), ids::MAIN_SEND);
  EXPECT_EQ(s.status(), kSavingToFileFailed);
  EXPECT_TRUE(pipe.stillAPipe());

  rt::SetCtrlVal(s.panels().para2, ids::P2_POWER, 900);
  s.dialogs().answerFile(s.projectPath("pipe.ini"));
  s.click(s.main(), ids::MAIN_GET);
  EXPECT_FALSE(pipe.unblocked());
  EXPECT_EQ(s.status(), kNotReadFromFile);
  EXPECT_EQ(Params().para0[P0_POWER], 500);
  EXPECT_EQ(s.value(s.panels().para2, ids::P2_POWER), 900);  // no refresh
}

}  // namespace
