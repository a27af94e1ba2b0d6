#include "link/frame_area.h"

#include "link/frame_codec.h"
#include "link/link_state.h"

void BuildRequestFrame(std::uint16_t command, std::uint16_t argument, const std::uint16_t* data15) {
  EncodeRequest(Link().tx.data(), kRequestSync, command, argument, data15);
}

int DecodeReplyFrame() {
  return DecodeReply(Link().rx.data(), &Link().data);
}

void ClearFrameData() {
  Link().data.fill(0);
}
