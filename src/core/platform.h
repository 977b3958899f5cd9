// The only door from the rules to the outside world: pauses, repaints, sounds, music commands,
// message boxes, the active window, and picture files.
#pragma once

#include <string>
#include <vector>

#include "core/picture_source.h"

namespace vk2 {

class Platform {
  public:
    virtual ~Platform() = default;
    // Blocks for ms milliseconds; the window keeps painting but handles no input meanwhile.
    virtual void pause(int ms) { (void)ms; }
    virtual void repaint() {}
    virtual void playSound(int number) { (void)number; }
    // Sends a command string to the music device and returns its answer.
    virtual std::string musicCommand(const std::string& command) {
        (void)command;
        return {};
    }
    virtual void messageBox(const std::string& text) { (void)text; }
    virtual bool isOwnWindowActive() { return true; }
    // Reads a picture file; pictures over kMaxPictureSide are refused from their header.
    virtual LoadedPicture loadPicture(const std::string& path) = 0;
};

} // namespace vk2
