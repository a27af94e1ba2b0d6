#include "sensor/frame_mapping.h"

namespace {

std::uint32_t Micrometre(const ReplyWords& d) {
  return (std::uint32_t(d[4]) << 16) | d[3];
}

}  // namespace

DataWords ParaFrameWords(const ParameterSet& p, int which) {
  DataWords words{};
  for (int i = 0; i < kParaWords; ++i) words[i] = ParaWord(p, which, i);
  return words;
}

void SetParaFrame(ParameterSet& p, int which, const ReplyWords& data) {
  for (int i = 0; i < kParaWords; ++i) SetParaWord(p, which, i, data[i]);
}

MeasurementState MeasurementFromReply(const ReplyWords& d) {
  MeasurementState m;
  m.eLeft = d[0];
  m.eRight = d[1];
  m.mValue = d[2];
  m.micrometre = Micrometre(d);
  m.sensorTolerance = d[6];
  m.edges = d[7];
  m.sideWord8 = d[8];
  m.sideWord9 = d[9];
  m.word10 = d[10];
  m.max = d[11];
  m.min = d[12];
  m.outputStates = d[13];
  m.word14 = d[14];
  m.triggerLevel = d[15];
  return m;
}

RecorderSample RecorderSampleFromReply(const ReplyWords& d) {
  return {.mValue = d[0],
          .eLeft = d[1],
          .eRight = d[2],
          .micrometre = Micrometre(d),
          .edges = d[5],
          .triggerLevel = d[6]};
}

void SetRecorderSample(MeasurementState& m, const RecorderSample& s) {
  m.mValue = s.mValue;
  m.eLeft = s.eLeft;
  m.eRight = s.eRight;
  m.micrometre = s.micrometre;
  m.edges = s.edges;
  m.triggerLevel = s.triggerLevel;
}
