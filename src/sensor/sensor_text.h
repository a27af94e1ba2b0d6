// Text the sensor sends (its firmware text) as the operator may see it.
#pragma once

#include <string>
#include <string_view>

// Every byte outside printable ASCII (space to tilde) becomes '?', so that a
// line delivering noise never puts control bytes on the screen; a real
// sensor's text passes unchanged.
std::string PrintableSensorText(std::string_view raw);
