// vellumark2-cli: the game's rules without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vk2::cli {

int Main(int argc, char** argv);
// Runs one command line (without the program name), writing to out and err; returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vk2::cli
