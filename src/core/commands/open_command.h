// The shell's open command: a running instance receives the text
// [open("/path/album.abm")] from a second start of the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::size_t kOpenCommandMaxBytes = 359;

// The album path of an open command, or nothing when the text is not one:
// it must begin with "[open"; the path lies between the quotes inside the
// first "(" and the last ")", which must stand at least three characters
// apart (so brackets inside the path do no harm); only paths ending in ".abm"
// or a readable picture's extension (any case) are taken. Texts longer than
// kOpenCommandMaxBytes are cut to that length first.
std::optional<std::string> parseOpenCommand(std::string_view text);

// The command text that asks a running instance to open `albumPath`.
std::string makeOpenCommand(std::string_view albumPath);

} // namespace pictra
