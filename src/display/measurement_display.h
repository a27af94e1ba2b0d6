// Showing each measurement: displays, indicators, cursors and bands of the main
// panel (ShowMeasurement), and the roll graph of the last 100 values
// (PlotRollGraph, roll_graph.h).
#pragma once

#include "display/roll_graph.h"

#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"

// Evaluates the measurement against the parameters and the sensor's line and
// shows it: values, outputs, tolerance, trigger, the data graph's cursors and
// bands, and the Teach-Value on the second parameter panel.
void ShowMeasurement(const MeasurementState& measurement, const ParameterSet& parameters,
                     const HardwareInfo& hardware);
