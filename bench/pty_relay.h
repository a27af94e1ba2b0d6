// A pseudo-terminal for the program whose far end is joined to another serial
// device (the virtual sensor's line), with a thread that carries the bytes both
// ways and notes when they pass. It sees the line as the sensor would: how long
// after the last byte handed to the program the program's next request starts.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PtyRelay {
 public:
  PtyRelay() = default;
  ~PtyRelay();
  PtyRelay(const PtyRelay&) = delete;
  PtyRelay& operator=(const PtyRelay&) = delete;

  // Opens the program's pseudo-terminal, links it as programLink and opens the
  // sensor's device. False (with a line on stderr) when any of it fails.
  bool open(const std::string& programLink, const std::string& sensorDevice);
  void start();
  void stop();
  // Stops and closes the program's end: the program's line vanishes, as when
  // an adapter is pulled.
  void hangUp();

  // While muted, what the sensor sends is dropped (a sensor that stays silent).
  void setMute(bool mute) { mute_ = mute; }
  // A spinning relay sees a request the moment it is written, so the gaps hold
  // the program's own delay and not the relay's wake-up as well.
  void setSpin(bool spin) { spin_ = spin; }
  // Forgets the gaps noted so far.
  void clearGaps();
  // Seconds from the last byte handed to the program to the first byte of its
  // next request, one entry per request.
  std::vector<double> gaps();

 private:
  void run();
  void fromProgram(double now);
  void fromSensor(double now);

  int master_ = -1;
  int slave_ = -1;
  int sensor_ = -1;
  std::string link_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> mute_{false};
  std::atomic<bool> spin_{false};
  std::mutex mutex_;
  std::vector<double> gaps_;
  double lastToProgram_ = 0;
  bool answered_ = false;  // bytes went to the program since its last request
};
