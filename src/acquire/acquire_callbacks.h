// The Run, Stop and Video buttons, by the names the resource file gives.
#pragma once

void RegisterAcquireCallbacks();
