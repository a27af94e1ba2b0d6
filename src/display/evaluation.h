// How a measurement is judged against the parameters: tolerance pair and limits,
// the evaluated edge position, the bands of the data graph, the main value and
// the roll graph's zoom window. Pure computations.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct TolerancePair {
  int upper = 0;
  int lower = 0;
};

// Hardware-Mode 1 and 3 hand the tolerance to the housing: the sensor's own
// tolerance then counts for both sides.
TolerancePair TolerancesFor(int hardwareMode, int sensorTolerance, int upperTolerance,
                            int lowerTolerance);

struct ToleranceLimits {
  long upper = 0;
  long lower = 0;
};
// Teach-Value plus and minus the pair, without clamping.
ToleranceLimits RawLimits(int teach, const TolerancePair& pair);
// Clamped to 1 .. subpixel range - 1.
ToleranceLimits ClampLimits(ToleranceLimits limits, int subpixelRange);
bool OutOfTolerance(int mValue, const ToleranceLimits& limits);

int EdgePosition(int evalMode, int eLeft, int eRight);
int ClampEdgePosition(int position, int edgeLow, int edgeHigh, int subpixelRange);

struct Band {
  double x1 = 0;
  double x2 = 0;
};
std::optional<Band> ShadowBand(int edges, int eLeft, int eRight, int sideWord8, int sideWord9,
                               int edgeHigh);
std::vector<Band> ToleranceBands(int evalMode, int edges, int position, int teach,
                                 const TolerancePair& pair, int subpixelRange);

// What the main value display shows for the Analog-Out-Mode (MAX - MIN signed).
long MainValue(int analogOutMode, int mValue, int max, int min);

// The micrometre display's reading of the sensor's micrometre value.
double MicrometreReading(std::uint32_t micrometre);

// Output indicators from the output states word: 1 first, 2 second, 3 both.
struct OutputLamps {
  bool first = false;
  bool second = false;
};
OutputLamps OutputLampsFor(int outputStates);

// Companion values of the roll graph's traces 5 (H) and 6 (L).
struct Companions {
  double high = 0;
  double low = 0;
};
Companions AnalogCompanions(int analogOutMode, int mValue, int max, int min, int subpixelRange);

struct ZoomWindow {
  long ymin = 0;
  long ymax = 0;
};
// The window around the Teach-Value that still shows M, before clamping.
ZoomWindow RollZoomWindow(int hardwareMode, int sensorTolerance, int upperTolerance,
                          int lowerTolerance, int teach, int mValue);
// The window kept on the line: ymin at least 1, ymax at most range - 1.
ZoomWindow ClampZoomWindow(ZoomWindow window, int subpixelRange);
