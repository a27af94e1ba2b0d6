#include "harness/scenario.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "in_process_port.h"
#include "link/trace.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/resource.h"
#include "ui/panel_ids.h"

namespace fs = std::filesystem;

namespace {

// A run-away loop in a test must end the test, not hang the suite: after this
// much program time the event loop is asked to quit.
constexpr double kProgramTimeLimit = 3600.0;

void ResetRunTime() {
  rt::ResetSerial();
  rt::SetSerialPortLister(nullptr);
  rt::SetLineLostHandler(nullptr);
  rt::ResetEvents();
  rt::ResetUiModel();
  rt::ClearResourceFiles();
  rt::SetEventHost(nullptr);
  StopTrace();
}

// Keeps every text the status line shows.
class StatusWatcher : public rt::UiObserver {
 public:
  void panelChanged(int) override {}
  void panelDiscarded(int) override {}
  void controlChanged(int panel, int control) override {
    if (control != ids::MAIN_STATUS || panel != Panels().main) return;
    std::string text;
    rt::GetCtrlVal(panel, control, &text);
    history.push_back(text);
    times.push_back(rt::Timer());
  }
  std::vector<std::string> history;
  std::vector<double> times;
};

}  // namespace

Scenario::Scenario() {
  ResetRunTime();
  rt::SetClock(&clock_);
  rt::SetDialogs(&dialogs_);
  rt::SetWindowPictures(&pictures_);
  watcher_ = std::make_unique<StatusWatcher>();
  rt::SetUiObserver(watcher_.get());
  char templ[] = "/tmp/kavro-scenario-XXXXXX";
  char* made = mkdtemp(templ);
  dir_ = made ? made : "/tmp";
  fs::copy_file(KAVRO_RESOURCE_FILE, fs::path(dir_) / kResourceFileName,
                fs::copy_options::overwrite_existing);
  rt::SetProjectDir(dir_);
  rt::SetPortBackendFactory(nullptr);
  ResetProgramState();
  ResetPanelHandles();
  RegisterAllCallbacks();
}

Scenario::~Scenario() {
  ResetRunTime();
  rt::SetUiObserver(nullptr);
  rt::SetPortBackendFactory(nullptr);
  rt::SetDialogs(nullptr);
  rt::SetWindowPictures(nullptr);
  rt::SetClock(nullptr);
  std::error_code ec;
  if (dir_.rfind("/tmp/kavro-scenario-", 0) == 0) fs::remove_all(dir_, ec);
}

void Scenario::setPortFactory(rt::PortBackendFactory factory) {
  rt::SetPortBackendFactory(std::move(factory));
}

void Scenario::setSerialPorts(std::vector<rt::SerialPortInfo> ports) {
  rt::SetSerialPortLister([ports = std::move(ports)] { return ports; });
}

std::shared_ptr<sim::SensorEngine> Scenario::attachSensor(sim::SensorConfig config) {
  auto sensor = std::make_shared<sim::SensorEngine>(std::move(config));
  setPortFactory(sim::MakeInProcessFactory(sensor));
  return sensor;
}

std::vector<int> Scenario::commandsSeen(const sim::SensorEngine& sensor) {
  std::vector<int> commands;
  for (const sim::RequestRecord& r : sensor.log()) commands.push_back(r.command);
  return commands;
}

int Scenario::requestsSeen(const sim::SensorEngine& sensor, int command) {
  int n = 0;
  for (const sim::RequestRecord& r : sensor.log()) n += r.command == command;
  return n;
}

void Scenario::writeProjectFile(const std::string& name, const std::string& content) {
  std::ofstream out(projectPath(name), std::ios::binary);
  out << content;
}

void Scenario::removeProjectFile(const std::string& name) {
  std::error_code ec;
  fs::remove(projectPath(name), ec);
}

bool Scenario::startUp() {
  return startUp(CommandLine{});
}

bool Scenario::startUp(const CommandLine& line) {
  if (!LoadAllPanels()) return false;
  StartUp(line);
  started_ = true;
  dispatch();
  return true;
}

void Scenario::shutDown() {
  ShutDown();
  started_ = false;
}

// The mouse press raises the left click; the release (a moment later) changes
// the value and commits.
void Scenario::postPress(int panel, int control) {
  rt::Control* c = rt::FindControl(panel, control);
  if (!c || c->dimmed || !c->visible) return;  // the operator cannot reach it
  rt::PostCtrlEvent(panel, control, rt::EVENT_LEFT_CLICK);
}

void Scenario::postRelease(int panel, int control) {
  rt::Control* c = rt::FindControl(panel, control);
  if (!c || c->dimmed || !c->visible) return;
  switch (c->kind) {
    case rt::ControlKind::ToggleButton:
    case rt::ControlKind::CheckBox:
    case rt::ControlKind::RadioButton:
    case rt::ControlKind::Led:
      c->num = c->num != 0 ? 0 : 1;
      rt::PostCtrlEvent(panel, control, rt::EVENT_VAL_CHANGED);
      break;
    case rt::ControlKind::BinarySwitch:
      c->num = c->num == c->onValue ? c->offValue : c->onValue;
      rt::PostCtrlEvent(panel, control, rt::EVENT_VAL_CHANGED);
      break;
    default:
      break;
  }
  rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT);
}

void Scenario::postClick(int panel, int control) {
  postPress(panel, control);
  clock_.at(clock_.time() + kReleaseDelay, [this, panel, control] { postRelease(panel, control); });
}

void Scenario::click(int panel, int control) {
  postPress(panel, control);
  dispatch();
  postRelease(panel, control);
  dispatch();
}

void Scenario::rightClick(int panel, int control) {
  rt::PostCtrlEvent(panel, control, rt::EVENT_RIGHT_CLICK);
  dispatch();
}

void Scenario::postEnterValue(int panel, int control, double value) {
  rt::Control* c = rt::FindControl(panel, control);
  if (!c || c->dimmed || !c->visible) return;
  c->num = c->integerData ? static_cast<double>(static_cast<long long>(value)) : value;
  rt::PostCtrlEvent(panel, control, rt::EVENT_VAL_CHANGED);
  rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT);
}

void Scenario::enterValue(int panel, int control, double value) {
  postEnterValue(panel, control, value);
  dispatch();
}

void Scenario::closeMainWindow() {
  rt::PostPanelEvent(main(), rt::EVENT_CLOSE);
  dispatch();
}

void Scenario::rightDoubleClickPanel(int panel) {
  rt::PostPanelEvent(panel, rt::EVENT_RIGHT_DOUBLE_CLICK);
  dispatch();
}

void Scenario::resizePanel(int panel, int height, int width) {
  if (rt::Panel* p = rt::FindPanel(panel)) {
    p->height = height;
    p->width = width;
  }
  rt::PostPanelEvent(panel, rt::EVENT_PANEL_SIZE);
  dispatch();
}

void Scenario::pressKeys(int panel, const std::string& keys) {
  rt::PostPanelKeys(panel, keys);
  dispatch();
}

void Scenario::dispatch() {
  while (rt::EventsPending()) rt::ProcessSystemEvents();
}

void Scenario::run(double seconds) {
  const double end = clock_.now() + seconds;
  while (clock_.now() < end && !rt::QuitRequested()) {
    rt::ProcessSystemEvents();
    if (!rt::QuitRequested()) rt::WaitForEvents(end);
    if (clock_.now() > kProgramTimeLimit) {
      ADD_FAILURE() << "program time limit reached";
      break;
    }
  }
}

bool Scenario::quitRequested() const {
  return rt::QuitRequested();
}

std::string Scenario::status() const {
  return text(main(), ids::MAIN_STATUS);
}

const std::vector<std::string>& Scenario::statusHistory() const {
  return static_cast<StatusWatcher*>(watcher_.get())->history;
}

const std::vector<double>& Scenario::statusTimes() const {
  return static_cast<StatusWatcher*>(watcher_.get())->times;
}

bool Scenario::statusShown(const std::string& text) const {
  const auto& h = statusHistory();
  return std::find(h.begin(), h.end(), text) != h.end();
}

double Scenario::value(int panel, int control) const {
  double v = 0;
  EXPECT_EQ(rt::GetCtrlVal(panel, control, &v), 0) << "no control " << control;
  return v;
}

std::string Scenario::text(int panel, int control) const {
  std::string v;
  EXPECT_EQ(rt::GetCtrlVal(panel, control, &v), 0) << "no control " << control;
  return v;
}

bool Scenario::dimmed(int panel, int control) const {
  return this->control(panel, control).dimmed;
}
bool Scenario::visible(int panel, int control) const {
  return this->control(panel, control).visible;
}

bool Scenario::panelVisible(int panel) const {
  return this->panel(panel).visible;
}

const rt::Control& Scenario::control(int panel, int control) const {
  static const rt::Control kNone;
  const rt::Control* c = rt::FindControl(panel, control);
  EXPECT_NE(c, nullptr) << "no control " << control << " on panel " << panel;
  return c ? *c : kNone;
}

const rt::Panel& Scenario::panel(int panel) const {
  static const rt::Panel kNone;
  const rt::Panel* p = rt::FindPanel(panel);
  EXPECT_NE(p, nullptr) << "no panel " << panel;
  return p ? *p : kNone;
}

std::string Scenario::projectPath(const std::string& name) const {
  return rt::MakePathname(dir_, name);
}

bool Scenario::fileExists(const std::string& name) const {
  return rt::GetFileInfo(projectPath(name), nullptr) == 1;
}

std::string Scenario::readProjectFile(const std::string& name) const {
  std::ifstream in(projectPath(name), std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}
