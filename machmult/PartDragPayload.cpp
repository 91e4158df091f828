#include "machmult/PartDragPayload.h"

#include "fw/core/Archive.h"
#include "fw/core/ObList.h"

#include <unistd.h>

#include <atomic>
#include <random>

FrameIdentity FrameIdentity::New()
{
    static std::atomic<std::uint64_t> counter{0};
    static const std::uint64_t seed = [] {
        std::random_device random;
        return (std::uint64_t(random()) << 32) ^ random();
    }();
    // Each window gets the next of a series that starts at a random place.
    return {std::uint32_t(::getpid()), seed + counter.fetch_add(1)};
}

std::vector<std::uint8_t> WritePartPayload(const FrameIdentity& source, std::span<const CMultPart* const> parts)
{
    fw::Archive ar;
    ar << source.processId << std::uint32_t(source.token) << std::uint32_t(source.token >> 32);
    ar.WriteCount(std::uint32_t(parts.size()));
    for (const CMultPart* part : parts)
        ar.WriteObject(part);
    for (const CMultPart* part : parts)
        ar << part->GetListIndex();
    return ar.TakeBytes();
}

std::optional<std::vector<std::unique_ptr<CMultPart>>> ReadPartPayload(const std::vector<std::uint8_t>& bytes,
                                                                       const FrameIdentity& window)
{
    try {
        fw::Archive ar(bytes);
        FrameIdentity source;
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        ar >> source.processId >> low >> high;
        source.token = std::uint64_t(high) << 32 | low;
        if (source != window)
            return std::nullopt;
        // Each part takes at least its class reference and its list index.
        const std::uint32_t count = ar.ReadCount(6);
        std::vector<std::unique_ptr<CMultPart>> parts;
        for (std::uint32_t i = 0; i < count; ++i)
            parts.push_back(fw::ObList<CMultPart>::ReadElement(ar));
        for (auto& part : parts)
            part->SetListIndex(ar.ReadLong());
        if (!ar.AtEnd())
            return std::nullopt;
        return parts;
    } catch (const std::exception&) {   // any fault of the data: the whole payload is refused
        return std::nullopt;
    }
}
