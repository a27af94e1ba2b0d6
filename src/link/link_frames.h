// The frame data area between the request encoder, the reply decoder, the
// parameter frames and the measurement state.
#pragma once

#include <cstdint>

void BuildRequestFrame(std::uint16_t command, std::uint16_t argument, const std::uint16_t* data15);
int DecodeReplyFrame();
void LoadDataFromParaFrame(int which);  // 0 = PARA0, 1 = PARA1
void StoreDataToParaFrame(int which);
void StoreMeasurementReply();
void StoreRecorderReply();
void ClearFrameData();  // the 16 data words to 0
