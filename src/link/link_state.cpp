#include "link/link_state.h"

LinkState& Link() {
  static LinkState state;
  return state;
}

void ResetLinkState() {
  Link() = LinkState{};
}

std::uint16_t LinePort() {
  return Link().portNumber;
}

std::uint16_t LineBaudIndex() {
  return Link().baudIndex;
}

void SetLinePort(std::uint16_t port, std::uint16_t baudIndex) {
  Link().portNumber = port;
  Link().baudIndex = baudIndex;
}
