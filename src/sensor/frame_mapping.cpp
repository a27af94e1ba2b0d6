#include "sensor/frame_mapping.h"

#include "link/link_state.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"

void LoadDataFromParaFrame(int which) {
  for (int i = 0; i < kParaWords; ++i) Link().data[i] = ParaWord(Params(), which, i);
}

void StoreDataToParaFrame(int which) {
  for (int i = 0; i < kParaWords; ++i) SetParaWord(Params(), which, i, Link().data[i]);
}

void StoreMeasurementReply() {
  const auto& d = Link().data;
  MeasurementState& m = Measurement();
  m.eLeft = d[0];
  m.eRight = d[1];
  m.mValue = d[2];
  m.micrometre = (std::uint32_t(d[4]) << 16) | d[3];
  Params().para0[P0_TEACH_VALUE] = d[5];
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
}

void StoreRecorderReply() {
  const auto& d = Link().data;
  MeasurementState& m = Measurement();
  m.mValue = d[0];
  m.eLeft = d[1];
  m.eRight = d[2];
  m.micrometre = (std::uint32_t(d[4]) << 16) | d[3];
  m.edges = d[5];
  m.triggerLevel = d[6];
}
