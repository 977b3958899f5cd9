#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vk2::cli {

// script FILE: runs a scenario script, printing what it asks for.
int ScriptCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs the script text; relative paths in it start at `folder`. Returns 0, or the status of the
// first line that failed after writing "line N: reason" to err.
int RunScript(std::istream& text, const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

// The words of a line: blanks separate them, "..." keeps blanks inside one word, and everything
// from a "#" outside quotes is a comment. Returns false for an unterminated quote.
bool SplitWords(const std::string& line, std::vector<std::string>& words);

} // namespace vk2::cli
