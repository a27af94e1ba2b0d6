// Ways the virtual sensor can misbehave on purpose, so that the program's
// handling of a bad line or an odd sensor can be tried out.
#pragma once

#include <map>
#include <set>

#include "frame_codec.h"
#include "rng.h"

namespace sim {

// How the echo check (command 5) is answered.
enum class EchoForm {
  kNormal,       // word 0 = 0x00AA
  kSyncInWord1,  // word 0 = 0x0000, word 1 = 0x00AA
  kNoSync,       // word 0 = 0x0055 and word 1 = 5: no 0x00AA anywhere
};

struct Faults {
  bool silent = false;         // requests are received and logged, nothing is answered
  std::set<int> muteCommands;  // commands that are carried out but not answered
  // The reply-shaping switches below apply to the replies to this command
  // only; a negative value means every reply.
  int faultCommand = -1;
  int dropNth = 0;         // the n-th reply (counting from 1) is not sent; 0 = none
  double delay = 0;        // seconds between the end of a request and its reply
  int extraBytes = 0;      // bytes of noise sent after each reply
  int shortBytes = -1;     // only this many bytes of each reply are sent; negative = all
  bool noBaudAck = false;  // command 190 is neither acknowledged nor carried out
  EchoForm echoForm = EchoForm::kNormal;
  std::map<int, int> replyWord1;  // command -> word 1 of its answer frame instead of the echo
  // The n-th reply (counted as for dropNth) is preceded by a class-1 frame
  // nobody asked for, carrying strayData; the reply follows three byte times
  // after it. 0 = none.
  int strayBeforeNth = 0;
  DataWords strayData{};
  // The line is gone (adapter pulled, far end hung up): the port says so, and
  // nothing passes in either direction. A port that lost its line stays dead;
  // once the switch is off again, the port opens anew.
  bool lineLost = false;
  // The sensor babbles: random bytes back to back at the line's rate, in
  // place of every answer and of the frames it sends on its own.
  bool babble = false;
};

// Applies the reply-shaping switches to one reply of the given command.
// counter counts the replies the switches apply to. Returns false when the
// reply is to be dropped; otherwise reply and delay may have been changed.
bool ShapeReply(const Faults& faults, int command, int& counter, Bytes& reply, double& delay,
                Rng& rng);

}  // namespace sim
