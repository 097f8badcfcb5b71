#pragma once
// A record of the game frames this program sends and receives, for
// scripted network runs that check afterwards what each peer was shown.
// SKAT_FRAME_LOG names the file (appended to); without it nothing is
// written. A frame is one header line
//     out|in <connection> <tag> <text bytes> [<picture bytes>...]
// followed by the text itself and a newline.

#include <cstdint>
#include <string>
#include <vector>

void logGameFrame(bool outgoing, std::uint32_t connectionId, std::uint8_t tag, const std::string& text,
                  const std::vector<std::string>& pictures);
