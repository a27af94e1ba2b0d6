#include "params/transfer_state.h"

TransferState& Transfer() {
  static TransferState state;
  return state;
}

void ResetTransferState() {
  Transfer() = TransferState{};
}
