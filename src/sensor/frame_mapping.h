// How the frame data area maps to the parameter frames and to the measurement
// state: what a parameter request carries and what a reply fills in.
#pragma once

void LoadDataFromParaFrame(int which);  // 0 = PARA0, 1 = PARA1
void StoreDataToParaFrame(int which);
void StoreMeasurementReply();
void StoreRecorderReply();
