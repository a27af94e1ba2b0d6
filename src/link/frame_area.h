// The frame data area between the request encoder and the reply decoder.
#pragma once

#include <cstdint>

void BuildRequestFrame(std::uint16_t command, std::uint16_t argument, const std::uint16_t* data15);
int DecodeReplyFrame();
void ClearFrameData();  // the 16 data words to 0
