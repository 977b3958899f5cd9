// Shared fixtures for the tests: a platform that serves pictures from memory and records what
// the rules asked of it, and a temporary folder removed at the end of a test.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/random.h"
#include "model/game.h"

namespace vk2::test {

class RecordingPlatform : public Platform {
  public:
    std::map<std::string, LoadedPicture> pictures; // served by loadPicture
    std::vector<int> pauses;
    std::vector<int> sounds;
    std::vector<std::string> musicCommands;
    std::vector<std::string> messageBoxes;

    void pause(int ms) override { pauses.push_back(ms); }
    void playSound(int number) override { sounds.push_back(number); }
    std::string musicCommand(const std::string& command) override {
        musicCommands.push_back(command);
        return {};
    }
    void messageBox(const std::string& text) override { messageBoxes.push_back(text); }
    LoadedPicture loadPicture(const std::string& path) override;

    // A picture of one colour served under `path`.
    void addSolidPicture(const std::string& path, int width, int height, Colour colour);
};

// Shows the pictures of the given slots: those fighters stand on the field.
void PutOnField(Game& game, std::initializer_list<SlotIndex> slots);
// Every battle slot on the field.
void PutAllOnField(Game& game);

// A game with a recording platform and a scripted random source.
struct TestGame {
    RecordingPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
};

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

} // namespace vk2::test
