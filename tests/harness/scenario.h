// The scenario harness: the program's panels and state on a virtual clock, with
// scripted dialogs and a test serial line, driven as an operator would drive it.
//
//   TEST(Toggles, RecorderToggleShowsRecorderPanel) {
//     Scenario s;                 // fresh state, virtual clock, temporary program directory
//     s.startUp();                // program start-up up to its event loop
//     s.click(s.main(), ids::MAIN_TOGG_RECORDER);
//     EXPECT_TRUE(s.panelVisible(s.panels().recorder));
//   }
//
// Operator actions dispatch their events as the event loop would and return when
// the callbacks are done (a Run click returns when run mode has ended, so
// schedule the Stop click first: s.at(2.0, [&] { s.postClick(s.main(), ids::MAIN_STOP); })).
// s.run(1.5) lets 1.5 s of program time pass in the event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/recorded_pictures.h"
#include "harness/scripted_dialogs.h"
#include "runtime/clock.h"
#include "runtime/serial.h"
#include "runtime/serial_ports.h"
#include "runtime/ui_model.h"
#include "sensor_engine.h"
#include "ui/panels.h"

struct CommandLine;

class Scenario {
 public:
  Scenario();
  ~Scenario();
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

  // Before start-up.
  void setPortFactory(rt::PortBackendFactory factory);
  // A virtual sensor behind every port number (on the line at its own baud rate).
  std::shared_ptr<sim::SensorEngine> attachSensor(sim::SensorConfig config = {});
  // Requests the sensor has received, by command, in order.
  static std::vector<int> commandsSeen(const sim::SensorEngine& sensor);
  // How many requests with this command the sensor has received.
  static int requestsSeen(const sim::SensorEngine& sensor, int command);
  // The serial ports the platform lists for this machine (none unless given).
  void setSerialPorts(std::vector<rt::SerialPortInfo> ports);
  void writeProjectFile(const std::string& name, const std::string& content);
  void removeProjectFile(const std::string& name);
  ScriptedDialogs& dialogs() { return dialogs_; }
  RecordedPictures& pictures() { return pictures_; }

  // Program start-up up to the event loop. Returns false when the panels could
  // not be loaded (the program would end with -1).
  bool startUp();
  bool startUp(const CommandLine& line);  // with the options of a run
  // What the program does after its event loop ends (close port, discard panels).
  void shutDown();

  // Operator actions, dispatched at once: a click is a press (left click,
  // dispatched) followed by a release (value change and commit, dispatched).
  void click(int panel, int control);
  void rightClick(int panel, int control);
  void enterValue(int panel, int control, double value);
  void closeMainWindow();
  void rightDoubleClickPanel(int panel);
  void resizePanel(int panel, int height, int width);
  // Keys pressed on a panel's window, as "Ctrl+T".
  void pressKeys(int panel, const std::string& keys);
  // The same, only queued (for use inside at()); the button is released
  // kReleaseDelay after the press.
  static constexpr double kReleaseDelay = 0.05;
  void postClick(int panel, int control);
  void postEnterValue(int panel, int control, double value);

  // Program time.
  double now() const { return clock_.time(); }
  void at(double t, std::function<void()> action) { clock_.at(t, std::move(action)); }
  void run(double seconds);  // the event loop for this long (or until it is told to quit)
  void dispatch();           // dispatch what is queued
  bool quitRequested() const;

  // What the operator sees.
  const PanelHandles& panels() const { return Panels(); }
  int main() const { return Panels().main; }
  std::string status() const;
  // Every text the status line has shown since start-up, in order.
  const std::vector<std::string>& statusHistory() const;
  const std::vector<double>& statusTimes() const;  // when each of them came
  bool statusShown(const std::string& text) const;
  double value(int panel, int control) const;
  std::string text(int panel, int control) const;
  bool dimmed(int panel, int control) const;
  bool visible(int panel, int control) const;
  bool panelVisible(int panel) const;
  const rt::Control& control(int panel, int control) const;
  const rt::Panel& panel(int panel) const;

  // Files.
  const std::string& projectDir() const { return dir_; }
  std::string projectPath(const std::string& name) const;
  bool fileExists(const std::string& name) const;
  std::string readProjectFile(const std::string& name) const;

 private:
  void postPress(int panel, int control);
  void postRelease(int panel, int control);
  rt::VirtualClock clock_;
  ScriptedDialogs dialogs_;
  RecordedPictures pictures_;
  std::unique_ptr<rt::UiObserver> watcher_;
  std::string dir_;
  bool started_ = false;
};
