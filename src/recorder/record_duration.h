// Seconds as the recorder's time display shows them, and the planned length of
// a recording.
#pragma once

struct DurationParts {
  long days = 0;
  long hours = 0;
  long minutes = 0;
  long seconds = 0;
};

// Whole days, then whole hours, minutes and seconds of what is left.
DurationParts SplitDuration(long seconds);
// The whole seconds of samples x interval (the fraction is dropped).
long PlannedDuration(long samples, double interval);
