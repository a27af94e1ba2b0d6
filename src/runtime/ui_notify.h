// Inside the run-time layer only: tell the front end that part of the model changed.
#pragma once

namespace rt {
void NotifyPanelChanged(int panel);
void NotifyControlChanged(int panel, int control);
}  // namespace rt
