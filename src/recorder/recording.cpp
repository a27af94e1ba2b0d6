#include "recorder/recording.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "display/measurement_display.h"
#include "link/commands.h"
#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "recorder/record_text.h"
#include "recorder/recorder_display.h"
#include "runtime/append_file.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr int kModeTimed = 0;      // STATIC(REC): the recorder asks for each sample
constexpr int kModeTriggered = 1;  // EXT-IN0-L/H: the sensor sends a sample on IN0
constexpr double kTriggerPoll = 0.1;
constexpr std::uint16_t kTriggeredHeaderSamples = 32000;

// Samples counted, and those of them that reached the file.
struct Tally {
  long counted = 0;
  long written = 0;
};

struct Plan {
  int mode = kModeTimed;
  double interval = 1.0;
  long samples = 1;
};

// An existing file is only recorded into once the operator lets it go.
bool ClearRecordFile(const std::string& path) {
  if (rt::GetFileInfo(path, nullptr) != 1) return true;
  if (rt::ConfirmPopup("ATTENTION !", "File already exist - overwrite ?") == 0) return false;
  rt::DeleteFile(path);
  return true;
}

void PrepareRecorderPanel() {
  DimRecordingButtons(true);
  PaintRecorderBoxRecording();
  const int p = Panels().recorder;
  for (int field : {ids::REC_DATE, ids::REC_START_TIME, ids::REC_COUNTER, ids::REC_DAYS,
                    ids::REC_HOURS, ids::REC_MINUTES, ids::REC_SECONDS})
    SetControlDimmed(p, field, false);
  rt::SetCtrlVal(p, ids::REC_DATE, rt::DateStr());
  rt::SetCtrlVal(p, ids::REC_START_TIME, rt::TimeStr());
  rt::SetCtrlVal(p, ids::REC_COUNTER, 0);
}

// Reads the panel and writes the header; in triggered mode the header names no
// interval and the largest number of samples, as the sensor sets the pace.
Plan WriteHeader(rt::AppendFile& file) {
  const int p = Panels().recorder;
  std::uint16_t mode = 0;
  std::uint16_t samples = 0;
  double interval = 0;
  rt::GetCtrlVal(p, ids::REC_RS232_MODE, &mode);
  rt::GetCtrlVal(p, ids::REC_SAMPLES, &samples);
  rt::GetCtrlVal(p, ids::REC_INTERVAL, &interval);
  RecordHeader h;
  h.date = rt::DateStr();
  h.time = rt::TimeStr();
  h.interval = mode == kModeTriggered ? 0.0 : interval;
  h.samples = mode == kModeTriggered ? kTriggeredHeaderSamples : samples;
  h.umOffset = Params().umOffset;
  h.umSlope = Params().umSlope;
  file.append(RecordHeaderText(h));  // a file that cannot be written stops nothing
  return {mode, mode == kModeTimed ? interval : kTriggerPoll, samples};
}

// Command 18 with PARA0; false when no answer came within 1.5 s. Any answer
// ends the wait, also one that is not a sample.
bool RequestSample() {
  FlushLineQueues();
  const double sentAt = rt::Timer();
  SendRequest({.command = Command::RecorderSample,
               .data = ParaFrameWords(Params(), 0),
               .flush = Flush::None});
  return AwaitReply(Await::Any, sentAt).has_value();
}

// The sample that arrived goes to the file before the counter shows it.
void RecordArrivedSample(const Reply& reply, rt::AppendFile& file, Tally& tally) {
  const RecorderSample s = RecorderSampleFromReply(reply.data);
  SetRecorderSample(Measurement(), s);
  ShowMeasurement(Measurement(), Params(), Hardware());
  const SampleRecord sample{s.mValue, s.eLeft, s.eRight, s.edges,
                            static_cast<std::int32_t>(s.micrometre)};
  SetRecorderBoxText("APPEND TO DATA-FILE...");
  if (file.append(RecordLineText(sample))) ++tally.written;
  const long counter = ++tally.counted;
  rt::SetCtrlVal(Panels().recorder, ids::REC_COUNTER, counter);
  ShowStatus("Data-Recorder active!   Sample: " + std::to_string(counter));
  ForgetReplies();
  rt::FlushOutQ(LinePort());
}

// The next moment the loop has something to do: a sample falls due or the
// time display turns to the next second.
double NextWake(const Plan& plan, double start, double lastSample) {
  const double nextSecond = start + std::floor(rt::Timer() - start) + 1.0;
  return std::min(lastSample + plan.interval, nextSecond);
}

Tally SampleLoop(const Plan& plan, rt::AppendFile& file) {
  int& stop = RunMode().stopFlag;
  const double start = rt::Timer();
  double lastSample = start;
  stop = kStopRunning;
  ForgetReplies();
  Tally tally;
  while (stop == kStopRunning) {
    // The interval runs from the moment a sample was found due, not on a grid.
    if (rt::Timer() - lastSample >= plan.interval) {
      lastSample = rt::Timer();
      SetRecorderBoxText(plan.mode == kModeTimed ? "DATA-RECORDER: RS-232-BUSY ..."
                                                 : "WAITING FOR EXT.-TRIGGER ...");
      if (plan.mode == kModeTimed && !RequestSample()) {
        ShowStatus("Timeout RS232-Line!");
        stop = kStopRecorderTimeout;
      }
      if (const auto sample = ReplyThatMeets(Await::Recorder))
        RecordArrivedSample(*sample, file, tally);
    }
    ShowDuration(static_cast<long>(rt::Timer() - start));
    if (tally.counted >= plan.samples) stop = kStopRecorderDone;
    rt::ProcessSystemEvents();
    if (stop == kStopRunning) rt::WaitForEvents(NextWake(plan, start, lastSample));
  }
  return tally;
}

// Writing errors stop no recording; afterwards the operator learns how many
// samples reached the file and why the rest did not.
void ReportWhatTheDiskRefused(int error, const Tally& tally, const std::string& path) {
  if (error == 0) return;
  rt::MessagePopup("Data-Recorder",
                   std::to_string(tally.written) + " of " + std::to_string(tally.counted) +
                       " samples reached the record file\n" + path + "\n" + std::strerror(error));
}

// The line as the other operations expect it, and the buttons given back.
void EndRecording() {
  ForgetReplies();
  FlushLineQueues();
  InstallReceiveCallback();
  rt::ProcessSystemEvents();
  DimRecordingButtons(false);
  ShowRecordingOutcome(RunMode().stopFlag);
}

}  // namespace

void RunRecording() {
  if (!ClearRecordFile(App().recordPath)) return;
  PrepareRecorderPanel();
  rt::AppendFile file;
  file.open(App().recordPath);
  const Plan plan = WriteHeader(file);
  FlushLineQueues();
  const Tally tally = SampleLoop(plan, file);
  file.close();
  EndRecording();
  ReportWhatTheDiskRefused(file.error(), tally, App().recordPath);
}

int CC_CBTNStartRecord(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) RunRecording();
  return 0;
}
