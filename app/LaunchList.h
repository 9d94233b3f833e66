#pragma once

#include <array>
#include <cstddef>
#include <string>

// The user's launch commands: five entries of title and command, stored under
// key "Execute" as Execute.1.Title, Execute.1.Command ... Execute.5.Command.
// An entry with an empty title has no menu item.
class CLaunchList {
public:
    static constexpr std::size_t kEntryCount = 5;

    struct Entry {
        std::string Title;
        std::string Command;
    };
    std::array<Entry, kEntryCount> Entries;

    // Reads the ten values; missing ones are empty.
    void Load();
    // Writes the ten values. Returns false when the store file could not be
    // written.
    bool Save() const;
};
