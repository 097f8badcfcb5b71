#pragma once
// Runs a program with an argument vector (no shell: blanks in paths stay
// inside their argument) and waits for it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace setup {

// arguments[0] is the program's name as it sees it; program is the file run
// (searched in PATH when it has no '/'). The exit code, 128 + the signal for
// a program that was killed, or nothing when it could not be started.
std::optional<int> runProgram(const std::string& program, const std::vector<std::string>& arguments,
                              bool quiet = false);

// The program's file: next to this program, else found in PATH; empty when
// neither.
std::filesystem::path findProgram(const std::string& name, const std::filesystem::path& besideFolder);

// The file of the running program.
std::filesystem::path ownProgramFile();

} // namespace setup
