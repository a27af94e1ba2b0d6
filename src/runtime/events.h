// Events, callbacks and the event loop. Callbacks run only inside
// RunUserInterface or ProcessSystemEvents, one at a time, on the one thread.
#pragma once

#include <functional>
#include <string>

namespace rt {

using CtrlCallback = int (*)(int panel, int control, int event, void* data, int eventData1,
                             int eventData2);
using PanelCallback = int (*)(int panel, int event, void* data, int eventData1, int eventData2);

// The resource file names each control's callback; these tables resolve the names.
void RegisterCtrlCallback(const std::string& name, CtrlCallback fn);
void RegisterPanelCallback(const std::string& name, PanelCallback fn);
void ClearCallbackRegistry();
CtrlCallback FindCtrlCallback(const std::string& name);
PanelCallback FindPanelCallback(const std::string& name);

// Queue an event as the operator (or the front end) raises it. It is dispatched
// by the next ProcessSystemEvents or by RunUserInterface.
void PostCtrlEvent(int panel, int control, int event, int eventData1 = 0, int eventData2 = 0);
void PostPanelEvent(int panel, int event, int eventData1 = 0, int eventData2 = 0);
// Queues the keys the operator pressed on a panel's window (as installed with
// InstallPanelKeys); their action runs when the event is dispatched.
void PostPanelKeys(int panel, const std::string& keys);
bool EventsPending();

// A repeating timer: tick runs every interval seconds inside event processing
// until it is stopped. Setting a timer of the same name again replaces it; a
// sleeping program wakes for it and for nothing else it did not ask for.
void StartRepeatingTimer(const std::string& name, double interval, std::function<void()> tick);
void StopRepeatingTimer(const std::string& name);

// Dispatches the pending events (user interface and serial) and returns.
int ProcessSystemEvents();
// Sleeps until an event may be pending (input, a byte on a line, a due timer)
// or until Timer() has passed deadline, whichever comes first. Waiting loops
// call it between two rounds of ProcessSystemEvents instead of spinning.
void WaitForEvents(double deadline);
// Sleeps like WaitForEvents, but only bytes on a line (or the deadline) end
// the sleep: the operator's queued events and a termination signal wait for
// the next round of event processing. For the short waits that must let a
// reply in without handling anything else.
void WaitForLine(double deadline);
// Dispatches events until QuitUserInterface; returns the code given there.
int RunUserInterface();
int QuitUserInterface(int code);
bool QuitRequested();
// How many rounds of event processing have run since start: each is one wake-up
// of the program (the benchmark reads it to see how often an idle program stirs).
long EventLoopTurns();

// A host (the Qt front end) is pumped by each ProcessSystemEvents without
// waiting; WaitForEvents lets it sleep until input, a byte on a line or its
// own timer, at most maxSeconds (negative: no limit).
class EventHost {
 public:
  virtual ~EventHost() = default;
  virtual void pump() = 0;
  virtual void wait(double maxSeconds) = 0;
};
void SetEventHost(EventHost* host);

// SIGTERM, SIGINT and SIGHUP then close the program as the operator would:
// the next event processing raises EVENT_CLOSE on every shown top-level panel.
void CloseOnTerminationSignals();
// Becomes readable when a termination signal has come (a host watches it to
// wake up, and to close an open dialog); -1 when it cannot be made.
int TerminationSignalFd();
// Empties TerminationSignalFd after a wake-up.
void DrainTerminationSignalFd();
// True from the first termination signal on: dialogs give their cancel answer
// at once instead of waiting for the operator.
bool TerminationRequested();

// Drops queued events and the quit request (tests start clean).
void ResetEvents();

}  // namespace rt
