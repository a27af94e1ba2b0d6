#include "e2e/e2e_support.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/program.h"
#include "qt/front_end.h"
#include "qt/serial_port_list.h"
#include "qt/serial_qt_backend.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/serial.h"
#include "runtime/serial_ports.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
  char templ[] = "/tmp/kavro-e2e-XXXXXX";
  char* made = mkdtemp(templ);
  path_ = made ? made : "/tmp";
}

TempDir::~TempDir() {
  std::error_code ec;
  if (path_.rfind("/tmp/kavro-e2e-", 0) == 0) fs::remove_all(path_, ec);
}

Child::Child(const std::vector<std::string>& argv, const std::string& logFile,
             const std::vector<std::string>& extraEnv) {
  pid_ = fork();
  if (pid_ == 0) {
    int fd = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      dup2(fd, 1);
      dup2(fd, 2);
    }
    for (const std::string& e : extraEnv) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
}

Child::~Child() {
  if (pid_ > 0 && running()) {
    kill(pid_, SIGKILL);
    wait(5);
  }
}

bool Child::running() {
  if (done_ || pid_ <= 0) return false;
  pid_t r = waitpid(pid_, &status_, WNOHANG);
  if (r == pid_) done_ = true;
  return !done_;
}

void Child::signal(int sig) {
  if (running()) kill(pid_, sig);
}

bool Child::catches(int sig) const {
  // /proc/<pid>/status: "SigCgt:\t<hex mask>", bit n-1 for signal n.
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) != 0) continue;
    const unsigned long long mask = std::strtoull(line.c_str() + 7, nullptr, 16);
    return (mask >> (sig - 1)) & 1ULL;
  }
  return false;
}

int Child::wait(double seconds) {
  if (!WaitFor(seconds, [this] { return !running(); })) return -1000;
  if (WIFEXITED(status_)) return WEXITSTATUS(status_);
  return -WTERMSIG(status_);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void CopyFile(const std::string& from, const std::string& to) {
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

bool WaitFor(double seconds, const std::function<bool()>& check) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (check()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::vector<int> CommandsInSimLog(const std::string& log) {
  std::vector<int> commands;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("rx cmd=", 0) != 0) continue;
    commands.push_back(std::atoi(line.c_str() + 7));
  }
  return commands;
}

bool StartOffscreenFrontEnd() {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "kavro-xb-scope-test";
  static char* argv[] = {name, nullptr};
  return qtfront::Initialise(argc, argv);
}

std::string Status() {
  std::string text;
  rt::GetCtrlVal(Panels().main, ids::MAIN_STATUS, &text);
  return text;
}

void Click(int panel, int control) {
  rt::PostCtrlEvent(panel, control, rt::EVENT_LEFT_CLICK);
  rt::ProcessSystemEvents();
  rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT);
  rt::ProcessSystemEvents();
}

void Press(int panel, int control) {
  rt::PostCtrlEvent(panel, control, rt::EVENT_LEFT_CLICK);
  QTimer::singleShot(0, [=] { rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT); });
}

void When(std::function<bool()> check, std::function<void()> action) {
  auto* timer = new QTimer;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  QObject::connect(timer, &QTimer::timeout, [=] {
    if (!check() && std::chrono::steady_clock::now() < until) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start(10);
}

ProgramBesideSim::ProgramBesideSim(const std::vector<std::string>& simOptions,
                                   const std::string& settings) {
  const fs::path resources = fs::path(KAVRO_RESOURCE_FILE).parent_path();
  CopyFile(KAVRO_RESOURCE_FILE, dir_.file("KAVRO-XB-VevavA318.uir"));
  CopyFile((resources / "maker.json").string(), dir_.file("maker.json"));
  if (!settings.empty()) std::ofstream(dir_.file(kSettingsFileName)) << settings;
  std::vector<std::string> argv = {KAVRO_SIM_PROGRAM, "--dir", dir_.path(), "--port", "1"};
  argv.insert(argv.end(), simOptions.begin(), simOptions.end());
  sim_ = std::make_unique<Child>(argv, dir_.file("sim.log"));
  if (!WaitFor(10, [&] { return fs::exists(dir_.file("COM1")); })) return;
  rt::SetProjectDir(dir_.path());
  rt::SetPortBackendFactory([](int) { return rt::MakeQtPortBackend(); });
  rt::SetSerialPortLister(rt::MakeQtSerialPortLister());
  RegisterAllCallbacks();
  if (!LoadAllPanels()) return;
  StartUp();
  started_ = true;
}

std::function<bool()> ProgramBesideSim::seen(int command, int more) const {
  auto count = [this, command] {
    const auto c = CommandsInSimLog(simLog());
    return std::count(c.begin(), c.end(), command);
  };
  return [count, from = count(), more] { return count() >= from + more; };
}

ProgramBesideSim::~ProgramBesideSim() {
  if (started_) ShutDown();
}
