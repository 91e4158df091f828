#pragma once
// The parts a part list of the hand-mult window drags or copies. Parts only ever travel between
// the two lists of one window, so the payload names its window: a random token of the window and
// the id of the process it lives in. A payload of another window, or one that can't be read, is
// refused whole.
//
// Bytes (archive): process id (DWORD); token (two DWORDs, low half first); the parts as an object
// list (count, then each CMultPart with its class tag, as in a mult file); then each part's list
// index (LONG), in the same order. Nothing may follow.
//
// Two drag formats carry it: "AddToMult" from the potential list, "RemoveFromMult" from the mult.

#include "machmult/MultPart.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

inline constexpr const char* kAddToMultFormat = "AddToMult";
inline constexpr const char* kRemoveFromMultFormat = "RemoveFromMult";

// Who a payload comes from: one hand-mult window of one running program.
struct FrameIdentity {
    std::uint32_t processId = 0;
    std::uint64_t token = 0;
    bool operator==(const FrameIdentity&) const = default;

    // A new identity of this process, unlike any other of its windows.
    static FrameIdentity New();
};

// The payload of the parts, in order.
std::vector<std::uint8_t> WritePartPayload(const FrameIdentity& source, std::span<const CMultPart* const> parts);

// The parts of a payload that comes from the window; none when it comes from another window or is
// not a whole, well-formed payload (no part is read from a payload of another window).
std::optional<std::vector<std::unique_ptr<CMultPart>>> ReadPartPayload(const std::vector<std::uint8_t>& bytes,
                                                                       const FrameIdentity& window);
