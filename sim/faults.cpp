#include "faults.h"

namespace sim {

bool ShapeReply(const Faults& f, int command, int& counter, Bytes& reply, double& delay, Rng& rng) {
  auto word1 = f.replyWord1.find(command);
  if (word1 != f.replyWord1.end() && reply.size() == static_cast<std::size_t>(kFrameBytes))
    PutWord(reply.data(), 1, static_cast<std::uint16_t>(word1->second));

  if (f.faultCommand >= 0 && f.faultCommand != command) return true;
  ++counter;
  if (f.dropNth > 0 && counter == f.dropNth) return false;
  if (f.shortBytes >= 0 && static_cast<std::size_t>(f.shortBytes) < reply.size())
    reply.resize(static_cast<std::size_t>(f.shortBytes));
  for (int i = 0; i < f.extraBytes; ++i) reply.push_back(rng.byte());
  if (f.delay > 0) delay += f.delay;
  return true;
}

}  // namespace sim
