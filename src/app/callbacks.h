// Every callback the resource file names, registered by its name.
#pragma once

void RegisterAllCallbacks();
