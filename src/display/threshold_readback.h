// Reading the threshold curve stored in the sensor back and plotting it with
// the video profile.
#pragma once

int GetEEThreshold();
