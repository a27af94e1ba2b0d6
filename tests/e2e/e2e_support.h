// Running the real program and the virtual sensor program as child processes.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A scratch directory, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A child process with its standard output and error going to a file.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::string& logFile,
        const std::vector<std::string>& extraEnv = {});
  ~Child();
  pid_t pid() const { return pid_; }
  bool running();
  void signal(int sig);
  // Whether the process has put a handler of its own on the signal.
  bool catches(int sig) const;
  // Waits up to seconds for the end; the exit code, or -1000 when still running.
  int wait(double seconds);

 private:
  pid_t pid_ = -1;
  int status_ = 0;
  bool done_ = false;
};

std::string ReadFile(const std::string& path);
void CopyFile(const std::string& from, const std::string& to);
// Waits up to seconds for check() to hold, sleeping briefly between tries.
bool WaitFor(double seconds, const std::function<bool()>& check);

// The commands of the "rx cmd=..." lines the virtual sensor printed.
std::vector<int> CommandsInSimLog(const std::string& log);

// Brings the Qt front end up on the offscreen platform, for the suites that run
// the program in process; false when Qt cannot start.
bool StartOffscreenFrontEnd();

// For the program in process: the status line as the operator reads it; a
// click (press, its events, release), which returns when the callbacks are done
// (a loop it started has ended); a press now with the release on the next turn.
std::string Status();
void Click(int panel, int control);
void Press(int panel, int control);
// Runs action in the event loop once check() holds, or when 30 s have passed
// (the test then fails on what it sees).
void When(std::function<bool()> check, std::function<void()> action);

// The program in process on a scratch directory of its own (resource file and
// maker details copied there, and the settings file when one is given), started
// against kavro-xb-sim on the pseudo-terminal COM1 there with the real serial
// backend. simOptions go to the sensor program after its directory and port.
// The program is shut down at the end.
class ProgramBesideSim {
 public:
  explicit ProgramBesideSim(const std::vector<std::string>& simOptions = {},
                            const std::string& settings = {});
  ~ProgramBesideSim();
  bool started() const { return started_; }
  const TempDir& dir() const { return dir_; }
  std::string simLog() const { return ReadFile(dir_.file("sim.log")); }
  // Holds once the sensor program has received `more` requests with the
  // command since this was asked.
  std::function<bool()> seen(int command, int more) const;
  // Kills the sensor program: its pseudo-terminal hangs up under the program.
  void killSim() { sim_.reset(); }
  void signalSim(int sig) { sim_->signal(sig); }  // SIGUSR1: babble on or off

 private:
  TempDir dir_;
  std::unique_ptr<Child> sim_;
  bool started_ = false;
};
