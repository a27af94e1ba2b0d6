// What the pseudo-terminal alone costs a request and its reply: a 36-byte frame
// written to one end, echoed at once from the other end by a thread that
// watches it without sleeping, and read back whole. Nothing of the program
// runs, so this is the part of every run-mode cycle that no program could save.
#pragma once

struct RoundTrip {
  int frames = 0;
  double mean = 0;  // seconds
  double p50 = 0;
  double p99 = 0;
};

// frames round trips, each after quiet seconds of nothing on the line (as
// between a request and its reply). frames is 0 when no pseudo-terminal opens.
RoundTrip MeasurePtyRoundTrip(int frames, double quiet);
