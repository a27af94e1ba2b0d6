// Which control shows which parameter, in both directions.
#pragma once

// Every bound control written from the parameter set (no limits, no rules).
void WriteParameterControls();
// Every bound control read into the parameter set, in the documented order,
// and the fixed-threshold line recomputed.
void ReadParametersFromPanels();
