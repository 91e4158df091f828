#pragma once
// The values of the "Drives" options page: which folder each drive letter stands for (profile
// section "Drives"). Entries keep what the user typed until they are checked; the drive map reads
// the section at the next start.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace fw {
class Profile;
}

struct DriveSettings {
    // One drive as typed: its letter and its Linux folder (Windows-1252, as profile values are).
    struct Entry {
        std::string letter;
        std::string folder;
        bool operator==(const Entry&) const = default;
    };
    // Why the entries can't be stored: the row and the words naming the drive or folder.
    struct Refusal {
        std::size_t row;
        std::string text;
        bool operator==(const Refusal&) const = default;
    };

    std::vector<Entry> drives;

    // The drives the program maps with this profile, in letter order; C: is always among them.
    static DriveSettings Load(const fw::Profile& profile);
    // The first entry the drive map refuses, or a letter listed a second time; nothing when every
    // entry can be stored.
    std::optional<Refusal> Check() const;
    // Writes the entries "A".."Z" that change: a listed drive's folder (upper-case letter), "" for
    // a drive no longer listed. C: at its default folder is stored as "" so that the default
    // (made on first use) stays in force. Entries that Check refuses must not be saved.
    void Save(fw::Profile& profile) const;

    bool operator==(const DriveSettings&) const = default;
};
