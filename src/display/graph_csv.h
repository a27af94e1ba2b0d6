// The values of a main-panel graph as comma-separated text for a spreadsheet:
// a header line, then one line per point, every number with a decimal point
// whatever the desktop's language.
#pragma once

#include <string>

#include "display/roll_graph.h"
#include "runtime/ui_model.h"

// The roll graph's 100 samples, oldest first, with its six traces.
std::string RollGraphCsv(const RollBuffer& roll);

// The video graph as drawn: each point's position on the receiver line, the
// video signal (the first curve) and the threshold line or lines drawn with it.
std::string VideoGraphCsv(const rt::GraphData& graph);
