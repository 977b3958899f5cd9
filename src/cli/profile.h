// The preview fighter as the command-line tool prints it: a readable block or one JSON object.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "model/game.h"

namespace vk2::cli {

using Json = nlohmann::ordered_json;

// The profile of the preview slot; `path` is the picture as the user named it.
Json ProfileJson(const Game& game, const std::string& path);
std::string ProfileText(const Game& game, const std::string& path);

} // namespace vk2::cli
