// Parameter files: the whole parameter set on disk as an INI file with the sections PARA0 and
// PARA1, one integer item per parameter, so that a sensor's configuration can be kept, copied
// and loaded into another sensor. The default name offered is "KAVRO-PARA.ini".
//
// The mapping between the set and a store is kept apart from the file access so that it can be
// checked without files or panels.
#pragma once

#include <cstdint>
#include <string>

#include "ini/ini_store.h"
#include "sensor/parameter_set.h"

inline constexpr const char* kParameterFileName = "KAVRO-PARA.ini";
inline constexpr const char* kParameterFileFilter = "*.ini";

// Puts the 28 items in file order: the 15 PARA0 words, then the 13 PARA1 items. The 16-bit
// words go out unsigned; um-Slope and um-Offset as their 32 bits read as a signed integer.
void PutParameterSet(ini::Store* store, const ParameterSet& set);

// Takes every item the store holds into the set: 16-bit words keep the low 16 bits of the value
// (65536 gives 0, -1 gives 65535), um-Slope and um-Offset all 32 bits. Missing, empty or
// non-integer items leave their word as it was. No limits are applied here.
void TakeParameterSet(const ini::Store* store, ParameterSet& set);

// Files are applied only for a sensor identified as Hardware-Type 1 or 3.
bool ParameterFileApplies(std::uint16_t hardwareType);

// Writes the program's parameter set to the file, replacing it only once the new file is
// whole. Returns 0, or the system's error number when the disk refused it (the old file then
// stays as it was).
int WriteParameterFile(const std::string& path);

// Reads the file into the program's parameter set. Returns 1 when the file was applied (a
// missing or unreadable file simply carries no items), 0 when the identified sensor's
// Hardware-Type does not allow it and the set was left alone. *readError (when given) is the
// system's error number when the file could not be read, else 0.
int ReadParameterFile(const std::string& path, int* readError = nullptr);
