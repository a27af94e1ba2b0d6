#include "line_schedule.h"

#include <algorithm>

namespace sim {

void LineSchedule::send(double readyAt, const std::uint8_t* data, std::size_t count, long baud) {
  if (count == 0) return;
  const double step = ByteTime(baud);
  const double start = std::max(readyAt, lineFree_);
  for (std::size_t i = 0; i < count; ++i)
    bytes_.push_back({start + static_cast<double>(i + 1) * step, data[i]});
  lineFree_ = bytes_.back().arrival;
  lastByteTime_ = step;
}

int LineSchedule::arrivedBy(double t) const {
  int n = 0;
  for (const auto& b : bytes_) {
    if (b.arrival > t) break;
    ++n;
  }
  return n;
}

std::vector<LineSchedule::Byte> LineSchedule::take(double t, std::size_t max) {
  std::vector<Byte> out;
  while (!bytes_.empty() && out.size() < max && bytes_.front().arrival <= t) {
    out.push_back(bytes_.front());
    bytes_.pop_front();
  }
  return out;
}

void LineSchedule::dropArrived(double t) {
  while (!bytes_.empty() && bytes_.front().arrival <= t) bytes_.pop_front();
}

void LineSchedule::dropPending(double t) {
  while (!bytes_.empty() && bytes_.back().arrival > t) bytes_.pop_back();
  lineFree_ = std::min(lineFree_, t);
}

void LineSchedule::clear() {
  bytes_.clear();
  lineFree_ = 0;
}

double LineSchedule::nextArrivalAfter(double t) const {
  for (const auto& b : bytes_)
    if (b.arrival > t) return b.arrival;
  return -1;
}

double LineSchedule::burstEndAfter(double t) const {
  double end = -1;
  for (const auto& b : bytes_) {
    if (b.arrival <= t) continue;
    // A gap of more than a byte time (plus rounding) ends the burst.
    if (end >= 0 && b.arrival - end > lastByteTime_ * 1.5) break;
    end = b.arrival;
  }
  return end;
}

}  // namespace sim
