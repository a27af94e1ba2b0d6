#include "runtime/events.h"

#include <csignal>
#include <deque>
#include <map>

#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"

namespace rt {
namespace {

struct QueuedEvent {
  int panel;
  int control;  // 0 for a panel event
  int event;
  int data1;
  int data2;
};

struct EventState {
  std::map<std::string, CtrlCallback> ctrlCallbacks;
  std::map<std::string, PanelCallback> panelCallbacks;
  std::deque<QueuedEvent> queue;
  bool quit = false;
  int quitCode = 0;
  EventHost* host = nullptr;
  long turns = 0;
};

EventState& E() {
  static EventState state;
  return state;
}

void Dispatch(const QueuedEvent& ev) {
  Panel* p = FindPanel(ev.panel);
  if (!p) return;
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

volatile std::sig_atomic_t g_terminationSignal = 0;

void OnTerminationSignal(int) {
  g_terminationSignal = 1;
}

// The request waits until a top-level panel is shown (a signal during start-up
// closes the program once its window is up).
void PostCloseIfSignalled() {
  if (!g_terminationSignal) return;
  for (int h : PanelHandles()) {
    const Panel* p = FindPanel(h);
    if (p && p->parent == 0 && p->visible) {
      PostPanelEvent(h, EVENT_CLOSE);
      g_terminationSignal = 0;
    }
  }
}

}  // namespace

void CloseOnTerminationSignals() {
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
bool EventsPending() {
  return !E().queue.empty();
}

int ProcessSystemEvents() {
  ++E().turns;
  if (E().host) E().host->pump(E().queue.empty() ? 0.001 : 0.0);
  PostCloseIfSignalled();
  int done = DispatchSerialEvents();
  done += DispatchQueued();
  if (done == 0) CurrentClock().idle();
  return 0;
}

void WaitForEvents(double) {}

int RunUserInterface() {
  E().quit = false;
  while (!E().quit) ProcessSystemEvents();
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
  E().quit = false;
  E().quitCode = 0;
}

}  // namespace rt
