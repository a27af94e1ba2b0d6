// A byte stream arriving on the sensor line in pieces cut at random, taken in by
// the receive callback the program installs when it opens the port. Each
// reply handed back must be the first 36 bytes that waited, classed by its
// word 1, with its data words taken from its own frame words; fewer than 36
// bytes give no reply at all, and what came after a reply is thrown away.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/request.h"
#include "link/serial_port.h"
#include "runtime/serial.h"

namespace {

constexpr int kPort = 3;

// A line whose bytes arrive only when the fuzzer says so.
struct ScriptedLine : rt::PortBackend {
  std::deque<std::uint8_t> waiting;
  int open(const rt::PortSettings&) override { return 0; }
  void close() override {}
  int write(const std::uint8_t*, int count) override { return count; }
  int read(std::uint8_t* out, int count) override {
    const int n = std::min<int>(count, static_cast<int>(waiting.size()));
    std::copy_n(waiting.begin(), n, out);
    waiting.erase(waiting.begin(), waiting.begin() + n);
    return n;
  }
  int bytesWaiting() override { return static_cast<int>(waiting.size()); }
  void flushIn() override { waiting.clear(); }
  void flushOut() override {}
};

ScriptedLine* OpenLine() {
  static ScriptedLine* line = nullptr;
  if (line) return line;
  rt::SetPortBackendFactory([](int) {
    auto made = std::make_unique<ScriptedLine>();
    line = made.get();
    return made;
  });
  OpenPortWithSettings(kPort, 1);
  ConfigureOpenPort(kPort, {});  // as at start-up: queues flushed, receive callback in place
  return line;
}

void CheckReply(const Reply& reply, const std::vector<std::uint8_t>& waited, std::uint16_t old15) {
  const auto& f = reply.frame;
  for (int i = 0; i < 18; ++i) FUZZ_CHECK(f[i] == (waited[2 * i] << 8 | waited[2 * i + 1]));
  const int wanted = f[1] == 8 ? 8 : (f[1] == 18 || f[1] == 19) ? 18 : 1;
  FUZZ_CHECK(reply.replyClass == wanted);
  // Measurement and recorder replies carry words 2..17; any other words 3..17,
  // and data word 15 stays what it was.
  const int first = wanted == 1 ? 3 : 2;
  for (int k = 0; k + first < 18; ++k) FUZZ_CHECK(reply.data[k] == f[k + first]);
  if (wanted == 1) FUZZ_CHECK(reply.data[15] == old15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScriptedLine* line = OpenLine();
  FUZZ_CHECK(line != nullptr);
  line->waiting.clear();
  TakeArrivedReply();
  FuzzedDataProvider in(data, size);
  while (in.remaining_bytes() > 0) {
    // Piece lengths come from the end of the input, the stream from its start.
    const auto piece = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<int>(0, 100));
    line->waiting.insert(line->waiting.end(), piece.begin(), piece.end());
    const std::vector<std::uint8_t> waited(line->waiting.begin(), line->waiting.end());
    const std::uint16_t old15 = LastReply().data[15];
    rt::DispatchSerialEvents();
    const std::optional<Reply> reply = TakeArrivedReply();
    if (waited.size() < 36) {
      FUZZ_CHECK(!reply && line->waiting.size() == waited.size());
      continue;
    }
    FUZZ_CHECK(reply && line->waiting.empty());
    CheckReply(*reply, waited, old15);
  }
  return 0;
}
