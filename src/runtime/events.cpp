#include "runtime/events.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <deque>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"

namespace rt {
namespace {

// The control number of queued panel keys; their index is in data1.
constexpr int kPanelKeys = -1;

struct QueuedEvent {
  int panel;
  int control;  // 0 for a panel event, kPanelKeys for keys
  int event;
  int data1;
  int data2;
};

struct RepeatingTimer {
  double interval = 1.0;
  double due = 0;
  std::function<void()> tick;
};

struct EventState {
  std::map<std::string, CtrlCallback> ctrlCallbacks;
  std::map<std::string, PanelCallback> panelCallbacks;
  std::deque<QueuedEvent> queue;
  bool quit = false;
  int quitCode = 0;
  EventHost* host = nullptr;
  long turns = 0;
  std::map<std::string, RepeatingTimer> timers;
};

EventState& E() {
  static EventState state;
  return state;
}

void Dispatch(const QueuedEvent& ev) {
  Panel* p = FindPanel(ev.panel);
  if (!p) return;
  if (ev.control == kPanelKeys) {
    if (ev.data1 >= 0 && ev.data1 < static_cast<int>(p->keys.size()) && p->keys[ev.data1].action)
      p->keys[ev.data1].action();
    return;
  }
  if (ev.control == 0) {
    if (PanelCallback cb = FindPanelCallback(p->callback))
      cb(ev.panel, ev.event, nullptr, ev.data1, ev.data2);
    return;
  }
  Control* c = FindControl(ev.panel, ev.control);
  if (!c) return;
  // A dimmed control raises no operator events.
  if (c->dimmed && ev.event != EVENT_NONE) return;
  if (CtrlCallback cb = FindCtrlCallback(c->callback))
    cb(ev.panel, ev.control, ev.event, nullptr, ev.data1, ev.data2);
}

// Runs the timers that are due; a tick may stop or replace its own timer.
void RunDueTimers() {
  if (E().timers.empty()) return;
  const double now = Timer();
  std::vector<std::string> due;
  for (const auto& [name, t] : E().timers)
    if (t.due <= now) due.push_back(name);
  for (const std::string& name : due) {
    auto it = E().timers.find(name);
    if (it == E().timers.end()) continue;
    it->second.due = now + it->second.interval;
    const std::function<void()> tick = it->second.tick;
    tick();
  }
}

double NextTimerDue() {
  double next = std::numeric_limits<double>::infinity();
  for (const auto& [name, t] : E().timers) next = std::min(next, t.due);
  return next;
}

// Dispatches what is queued now; events queued by the callbacks wait for the
// next call, so a nested ProcessSystemEvents never starves its caller.
int DispatchQueued() {
  size_t n = E().queue.size();
  int done = 0;
  while (n-- > 0 && !E().queue.empty()) {
    QueuedEvent ev = E().queue.front();
    E().queue.pop_front();
    Dispatch(ev);
    ++done;
  }
  return done;
}

volatile std::sig_atomic_t g_terminationSignal = 0;  // cleared once the close is posted
volatile std::sig_atomic_t g_terminating = 0;        // stays set
int g_signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
  const int saved = errno;
  g_terminationSignal = 1;
  g_terminating = 1;
  if (g_signalPipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] ssize_t n = write(g_signalPipe[1], &byte, 1);
  }
  errno = saved;
}

// Without a host the run-time cannot be woken by input: it naps briefly.
constexpr double kNapWithoutHost = 0.001;
// How late a sleep may end, and the shortest and longest sleep through a frame:
// the operator's input and the screen wait no longer than a picture's time.
// Lines whose characters come closer than kSlowLine apart are not slept
// through: there a wake-up per byte keeps the program quick to answer.
constexpr double kWakeLateness = 0.0002;
constexpr double kShortestNap = 0.0005;
constexpr double kLongestNap = 0.016;
constexpr double kSlowLine = 0.0005;  // two character times (38400 baud and below)

bool ShownTopLevel(int handle) {
  const Panel* p = FindPanel(handle);
  return p && p->parent == 0 && p->visible;
}

// The request waits until a top-level panel is shown (a signal during start-up
// closes the program once its window is up).
void PostCloseIfSignalled() {
  if (!g_terminationSignal) return;
  for (int h : PanelHandles()) {
    if (!ShownTopLevel(h)) continue;
    PostPanelEvent(h, EVENT_CLOSE);
    g_terminationSignal = 0;
  }
}

// Until a window can take it, the request ends no sleep: the waits of start-up
// would otherwise spin through to their time-outs.
bool CloseToPost() {
  if (!g_terminationSignal) return false;
  const auto handles = PanelHandles();
  return std::any_of(handles.begin(), handles.end(), ShownTopLevel);
}

}  // namespace

int TerminationSignalFd() {
  if (g_signalPipe[0] < 0 && pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    g_signalPipe[0] = g_signalPipe[1] = -1;
  }
  return g_signalPipe[0];
}

void DrainTerminationSignalFd() {
  char buf[64];
  if (g_signalPipe[0] >= 0)
    while (read(g_signalPipe[0], buf, sizeof buf) > 0) {
    }
}

bool TerminationRequested() {
  return g_terminating != 0;
}

void CloseOnTerminationSignals() {
  TerminationSignalFd();
  struct sigaction sa {};
  sa.sa_handler = OnTerminationSignal;
  sigemptyset(&sa.sa_mask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

void RegisterCtrlCallback(const std::string& name, CtrlCallback fn) {
  E().ctrlCallbacks[name] = fn;
}
void RegisterPanelCallback(const std::string& name, PanelCallback fn) {
  E().panelCallbacks[name] = fn;
}
void ClearCallbackRegistry() {
  E().ctrlCallbacks.clear();
  E().panelCallbacks.clear();
}
CtrlCallback FindCtrlCallback(const std::string& name) {
  auto it = E().ctrlCallbacks.find(name);
  return it == E().ctrlCallbacks.end() ? nullptr : it->second;
}
PanelCallback FindPanelCallback(const std::string& name) {
  auto it = E().panelCallbacks.find(name);
  return it == E().panelCallbacks.end() ? nullptr : it->second;
}

void PostCtrlEvent(int panel, int control, int event, int eventData1, int eventData2) {
  E().queue.push_back({panel, control, event, eventData1, eventData2});
}
void PostPanelEvent(int panel, int event, int eventData1, int eventData2) {
  E().queue.push_back({panel, 0, event, eventData1, eventData2});
}
void PostPanelKeys(int panel, const std::string& keys) {
  const Panel* p = FindPanel(panel);
  if (!p) return;
  for (std::size_t i = 0; i < p->keys.size(); ++i)
    if (p->keys[i].keys == keys)
      E().queue.push_back({panel, kPanelKeys, EVENT_KEYPRESS, static_cast<int>(i), 0});
}

bool EventsPending() {
  return !E().queue.empty();
}

int ProcessSystemEvents() {
  ++E().turns;
  if (E().host) E().host->pump();
  PostCloseIfSignalled();
  DispatchSerialEvents();
  DispatchQueued();
  RunDueTimers();
  return 0;
}

void StartRepeatingTimer(const std::string& name, double interval, std::function<void()> tick) {
  E().timers[name] = {interval, Timer() + interval, std::move(tick)};
}

void StopRepeatingTimer(const std::string& name) {
  E().timers.erase(name);
}

namespace {

void Sleep(double deadline);

}  // namespace

void WaitForEvents(double deadline) {
  if (EventsPending() || SerialEventsPending() || CloseToPost()) return;
  Sleep(std::min(deadline, NextTimerDue()));
}

void WaitForLine(double deadline) {
  if (SerialEventsPending()) return;
  Sleep(deadline);
}

namespace {

void Sleep(double deadline) {
  Clock& clock = CurrentClock();
  if (clock.advanceUntil(deadline)) return;
  const bool bounded = !std::isinf(deadline);
  const double left = deadline - clock.now();
  if (bounded && left < 0) return;
  // A frame coming in byte after byte wakes nobody until its last bytes are
  // due: the program sleeps through it, then waits for those as usual.
  double margin = 0;
  const double due = SerialFrameDue(&margin);
  if (due >= 0 && margin >= kSlowLine) {
    const double nap = std::min(due - margin - kWakeLateness, deadline) - clock.now();
    if (nap >= kShortestNap) {
      clock.sleep(std::min(nap, kLongestNap));
      return;
    }
  }
  if (E().host) {
    E().host->wait(bounded ? left : -1.0);
  } else {
    clock.sleep(bounded ? std::min(left, kNapWithoutHost) : kNapWithoutHost);
  }
}

}  // namespace

int RunUserInterface() {
  E().quit = false;
  const double forever = std::numeric_limits<double>::infinity();
  while (!E().quit) {
    ProcessSystemEvents();
    if (!E().quit) WaitForEvents(forever);
  }
  E().quit = false;
  return E().quitCode;
}

int QuitUserInterface(int code) {
  E().quit = true;
  E().quitCode = code;
  return 0;
}

bool QuitRequested() {
  return E().quit;
}

long EventLoopTurns() {
  return E().turns;
}

void SetEventHost(EventHost* host) {
  E().host = host;
}

void ResetEvents() {
  E().queue.clear();
  E().timers.clear();
  E().quit = false;
  E().quitCode = 0;
}

}  // namespace rt
