// The application settings file "XB-Scope.ini": the serial port and baud index of the sensor
// link, the main window's place, size and maximised state, and the Hardware-Type of the last
// sensor. Read once at start-up, written when the main window closes (and when the operator
// accepts new communication settings).
#pragma once

#include <cstdint>
#include <string>

// Writes the file (replacing it) and gives it the hidden attribute. Write errors are not
// reported.
void SaveAppSettings(const std::string& path);

// Reads the file and applies what it holds: port and baud index (to the communication settings
// panel and the link), window state, then refreshes the parameter displays. A file that cannot
// be read leaves the port number field at 1 and applies nothing.
void LoadAppSettings(const std::string& path);

// The Hardware-Type as the file keeps it: 1, 2 and 3 as they are, anything else as 0.
std::uint16_t SavedHardwareType(std::uint16_t hardwareType);
