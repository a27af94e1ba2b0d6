// How the data words of a frame map to the parameter frames and to the
// measurement state: what a parameter request carries and what a reply means.
#pragma once

#include <cstdint>

#include "link/reply.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"

// The 15 words of PARA0 (which = 0) or PARA1 (1) in frame order.
DataWords ParaFrameWords(const ParameterSet& p, int which);
// That frame takes data words 0..14 of a reply; data word 15 goes nowhere.
void SetParaFrame(ParameterSet& p, int which, const ReplyWords& data);

// A measurement reply (class 8) as the measurement state; data word 5 is the
// sensor's Teach-Value, which the caller puts into PARA0.
MeasurementState MeasurementFromReply(const ReplyWords& data);
inline std::uint16_t TeachValueInReply(const ReplyWords& data) {
  return data[5];
}
// A recorder sample (class 18): data words 0..6.
struct RecorderSample {
  std::uint16_t mValue = 0;
  std::uint16_t eLeft = 0;
  std::uint16_t eRight = 0;
  std::uint32_t micrometre = 0;
  std::uint16_t edges = 0;
  std::uint16_t triggerLevel = 0;
};
RecorderSample RecorderSampleFromReply(const ReplyWords& data);
// The sample's fields in the measurement state; the rest of the state stays.
void SetRecorderSample(MeasurementState& m, const RecorderSample& sample);
