// Timing of one direction of the serial line: bytes leave one after the
// other, each taking 10 bit times (start bit, 8 data bits, stop bit), and a
// byte counts as arrived when its stop bit is through.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

inline double ByteTime(long baud) {
  return 10.0 / static_cast<double>(baud);
}

class LineSchedule {
 public:
  struct Byte {
    double arrival;
    std::uint8_t value;
  };

  // Bytes ready to leave at readyAt; they start then or when the line is free.
  void send(double readyAt, const std::uint8_t* data, std::size_t count, long baud);

  int arrivedBy(double t) const;  // bytes with arrival <= t still held
  // Takes up to max bytes that arrived by t, oldest first.
  std::vector<Byte> take(double t, std::size_t max = SIZE_MAX);
  // Forgets the bytes that arrived by t (bytes still on the way stay).
  void dropArrived(double t);
  // Forgets the bytes that have not arrived by t; the line is free at t.
  void dropPending(double t);
  void clear();

  bool empty() const { return bytes_.empty(); }
  // Arrival of the next byte after t, and of the last byte of the burst it
  // belongs to (bytes back to back); negative when nothing is on the way.
  double nextArrivalAfter(double t) const;
  double burstEndAfter(double t) const;

 private:
  std::deque<Byte> bytes_;
  double lineFree_ = 0;
  double lastByteTime_ = 0;
};

}  // namespace sim
