// The INI store: the small key/value store behind the settings file "XB-Scope.ini" and the
// parameter files. A store is created empty, filled by puts or from a file, read by gets or
// written to a file, and disposed of again within one load or save.
//
// Plain C++ without Qt; no function here lets an exception out. Results are integers:
// 0 or 1 for success as documented per function, negative codes for failures.
//
// Names of sections and items are compared without regard to ASCII letter case and ignoring
// white space at both ends ("Panel width " and "panel width" name the same item). Names are
// kept as they were first given and written back that way.
//
// Written layout (bytes, no newline translation, every line ends with CR LF):
//   [SECTION]
//   name = value
//   ...
//   (empty line after each section)
// An empty store gives an empty file.
//
// Reading, line by line (a line ends at LF; a CR before it is white space):
//   - lines longer than kMaxLineLength characters (not counting the line end) are skipped as a
//     whole; the lines after them are read normally;
//   - leading white space is skipped; a line starting with ';' is a comment;
//   - a line starting with '[' is a section header when its last ']' is followed only by white
//     space; the name is the text in between, trimmed. A repeated header continues the section;
//   - any other line holding '=' is an item: name before the first '=' (trailing white space
//     removed), value after it (trimmed at both ends, then one pair of enclosing double quotes
//     removed). An item read twice in a section keeps the later value at the first place;
//   - items before the first header and all other lines are ignored. NUL bytes are ordinary
//     characters.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

inline constexpr int kErrOutOfMemory = -12;       // a put could not store its item
inline constexpr int kErrCannotOpenFile = -5001;  // the file could not be opened
inline constexpr int kErrFileIo = -5002;          // reading or writing failed after opening
inline constexpr int kErrNotAnInteger = -5021;    // the item's text is not a 32-bit integer

inline constexpr std::size_t kMaxLineLength = 1024;

struct Item {
  std::string name;
  std::string value;  // held as text, as put or as read
};

struct Section {
  std::string name;
  std::vector<Item> items;  // in the order first put
};

// Sections in the order first created. The store never sorts.
struct Store {
  std::vector<Section> sections;
};

// Creates an empty store. `autoSort` must be 0: the store always keeps the order of creation
// (any other value is treated as 0). Returns nullptr when memory runs out.
Store* Ini_New(int autoSort);
void Ini_Dispose(Store* store);

struct StoreDisposer {
  void operator()(Store* store) const { Ini_Dispose(store); }
};
using StorePtr = std::unique_ptr<Store, StoreDisposer>;

// White space as the C locale knows it: blank, tab, CR, LF, vertical tab, form feed.
inline bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
// The text without white space at either end.
std::string_view Trim(std::string_view text);

// True when two names name the same section or item.
bool Ini_SameName(std::string_view a, std::string_view b);

// Puts `value` as plain decimal text (no plus sign, no blanks, no leading zeros). A missing
// section is appended to the store. An existing item of that name is replaced, together with
// any other item of that name, by one new item at the place of the first; otherwise the item
// is appended. Returns 0, or kErrOutOfMemory (also for a null store).
int Ini_PutInt(Store* store, const std::string& section, const std::string& item, long value);

// As Ini_PutInt with the value text taken as it stands.
int Ini_PutRawString(Store* store, const std::string& section, const std::string& item,
                     const std::string& text);

// Creates the section (without items) unless it exists. Returns 0 or kErrOutOfMemory.
int Ini_AddSection(Store* store, const std::string& section);

// Looks the item up. Returns 1 when its text, apart from white space at both ends, is a
// decimal integer in the range of a signed 32-bit value (an optional '-' or '+' sign, then
// digits only; leading zeros are allowed and mean nothing) and stores it in *value. Returns 0
// when the section or item is missing or its text is empty or blank, kErrNotAnInteger for any
// other text; *value is then left as it was.
int Ini_GetInt(const Store* store, const std::string& section, const std::string& item,
               long* value);

// The whole store in the written layout.
std::string Ini_ToText(const Store* store);

// Reads INI text into the store, adding to what it holds. Returns 0, or kErrOutOfMemory
// (also for a null store) when only part of the text could be taken in.
int Ini_ReadFromText(Store* store, const std::string& text);

// Writes the store to the file at `path`, replacing it only once the new text is whole
// on the disk. Returns 0, kErrCannotOpenFile, kErrFileIo, or kErrOutOfMemory for a null
// store; on any error the file is left as it was, and *systemError (when given) holds the
// system's error number.
int Ini_WriteToFile(const Store* store, const std::string& path, int* systemError = nullptr);

// Reads the file at `path` into the store. Returns 0, kErrCannotOpenFile when the file cannot
// be opened, kErrFileIo when it cannot be read (nothing is taken in then), or kErrOutOfMemory.
int Ini_ReadFromFile(Store* store, const std::string& path);

}  // namespace ini
