#include "recorder/record_duration.h"

DurationParts SplitDuration(long t) {
  DurationParts d;
  d.days = t / 86400;
  d.hours = (t - 86400 * d.days) / 3600;
  d.minutes = (t - 86400 * d.days - 3600 * d.hours) / 60;
  d.seconds = t - 86400 * d.days - 3600 * d.hours - 60 * d.minutes;
  return d;
}

long PlannedDuration(long samples, double interval) {
  return static_cast<long>(static_cast<double>(samples) * interval);
}
