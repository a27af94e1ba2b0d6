// What the main panel's graph shows, for the operator to keep as numbers.
#pragma once

#include <string>

enum class MainGraph { Roll, Video };

// The video graph while it is shown (video mode, the threshold slider's
// preview), else the roll graph.
MainGraph ShownMainGraph();

// The values of that graph as comma-separated text (graph_csv.h).
std::string ShownGraphCsv();
