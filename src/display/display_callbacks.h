// The run-mode, video-mode and display control callbacks, by the names the
// resource file gives.
#pragma once

void RegisterDisplayCallbacks();
