// The window's controls as plain data. The rules read and write these exactly as they would the
// widgets; the Qt window only shows them and forwards events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"

namespace vk2 {

// Where a control stands, in pixels of the window's client area (or of its container).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A list box entry: a text with a number attached (a command's cost code or an item's code).
struct ListEntry {
    std::string text;
    std::int32_t number = 0;
    bool operator==(const ListEntry&) const = default;
};

struct ListBox {
    std::vector<ListEntry> entries;
    int selected = -1; // -1: nothing selected
    bool visible = true;
    Rect rect{};

    void clear() {
        entries.clear();
        selected = -1;
    }
    void add(std::string text, std::int32_t number) { entries.push_back({std::move(text), number}); }
    void insert(std::size_t index, std::string text, std::int32_t number) {
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(index), {std::move(text), number});
    }
    // Index of the first entry with this text, -1 when none.
    int find(const std::string& text) const {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].text == text) return static_cast<int>(i);
        return -1;
    }
    int count() const { return static_cast<int>(entries.size()); }
};

struct TextBox {
    std::string text;
    bool visible = true;
    Rect rect{};
    Colour backColour = kWhite;
};

struct Label {
    std::string caption;
    bool visible = true;
    Colour foreColour = kBlack;
    Colour backColour = kButtonFace;
    Rect rect{};
};

// A frame, picture box or panel: something with a border and a place.
struct Frame {
    int borderStyle = 1;
    Colour borderColour = kBlack;
    bool visible = true;
    Rect rect{};
    // The icon drawn in a picture box: its index in the icon strip, -1 for none.
    int picture = -1;
    // A panel's title.
    std::string caption{};
};

struct Button {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    Rect rect{};
};

// The battle clock's timer.
struct Timer {
    bool enabled = true;
    int intervalMs = 1000;
};

} // namespace vk2
