// What the tool that builds the places database and the program that reads
// it agree on: the check that tells a whole database from a truncated or
// damaged one, and how suggestions are ranked.
#pragma once

#include "calc/ZoneHistory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace horavela {

// Where the check value lives in the database file: the four bytes of
// SQLite's header that PRAGMA user_version sets, which SQLite itself never
// reads. The check covers every other byte of the file.
inline constexpr std::size_t CheckOffset = 60;
inline constexpr std::size_t CheckSize = 4;
// SQLite's application_id, so that no other SQLite file is taken for ours.
inline constexpr std::uint32_t PlacesApplicationId = 0x48525631; // "HRV1"

// A suggestion matched by a place's own name counts as many people as this
// many times its population, so that "Sing" suggests Singapore before a
// bigger city that one of its other names begins with, and "Bomb" still
// suggests Mumbai before a village called Bombo.
inline constexpr long long OwnNameWeight = 10;

// A 64-bit running hash of the file's bytes in order, fed in pieces of any
// size. Four independent lanes of multiply-and-rotate keep it near memory
// speed, so that checking the whole file costs a few milliseconds.
class DatabaseHash {
public:
    void add(const unsigned char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            pending_[pendingSize_++] = bytes[i];
            if (pendingSize_ < sizeof(pending_))
                continue;
            mixBlock(pending_);
            pendingSize_ = 0;
            // Whole blocks straight from the input while they last.
            while (size - i - 1 >= sizeof(pending_)) {
                mixBlock(bytes + i + 1);
                i += sizeof(pending_);
            }
        }
        length_ += size;
    }

    std::uint32_t value() const {
        std::uint64_t h = length_;
        for (std::uint64_t lane : lanes_)
            h = mix(h ^ lane);
        for (std::size_t i = 0; i < pendingSize_; ++i)
            h = mix(h ^ pending_[i]);
        return static_cast<std::uint32_t>(h ^ (h >> 32));
    }

private:
    static constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ULL;

    static std::uint64_t mix(std::uint64_t h) {
        h *= Multiplier;
        return h ^ (h >> 31);
    }

    void mixBlock(const unsigned char* block) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, block + lane * 8, 8);
            lanes_[lane] = ((lanes_[lane] ^ word) * Multiplier);
            lanes_[lane] = (lanes_[lane] << 29) | (lanes_[lane] >> 35);
        }
    }

    std::uint64_t lanes_[4] = {1, 2, 3, 4};
    unsigned char pending_[32] = {};
    std::size_t pendingSize_ = 0;
    std::uint64_t length_ = 0;
};

// A whole file's check, and the check it holds.
struct FileCheck {
    bool readFailed = false;
    std::uint64_t size = 0;
    std::uint32_t computed = 0; // over every byte, the check bytes read as zero
    std::uint32_t stored = 0;   // the check bytes as the file holds them
};

// Reads the file in pieces with `read(buffer, capacity)`, which returns the
// bytes read, 0 at the end, or a negative count when reading fails.
template <typename Read> FileCheck checkFile(Read read) {
    FileCheck check;
    DatabaseHash hash;
    std::vector<unsigned char> buffer(1 << 20);
    for (;;) {
        const auto count = read(buffer.data(), buffer.size());
        if (count < 0) {
            check.readFailed = true;
            return check;
        }
        if (count == 0)
            break;
        const auto size = static_cast<std::size_t>(count);
        for (std::size_t at = CheckOffset; at < CheckOffset + CheckSize; ++at) {
            if (at < check.size || at >= check.size + size)
                continue;
            unsigned char& byte = buffer[at - check.size];
            check.stored |= std::uint32_t{byte} << (8 * (CheckOffset + CheckSize - 1 - at));
            byte = 0;
        }
        hash.add(buffer.data(), size);
        check.size += size;
    }
    check.computed = hash.value();
    return check;
}

// The check as the file holds it, most significant byte first.
inline std::array<unsigned char, CheckSize> checkBytes(std::uint32_t check) {
    return {static_cast<unsigned char>(check >> 24), static_cast<unsigned char>(check >> 16),
            static_cast<unsigned char>(check >> 8), static_cast<unsigned char>(check)};
}

// A zone's changes as the database holds them: for each, the moment as 8 bytes and the new
// offset in seconds east as 4, both signed and least significant byte first.
inline constexpr std::size_t ZoneChangeSize = 12;

inline std::vector<unsigned char> zoneChangeBytes(const std::vector<ZoneChange>& changes) {
    std::vector<unsigned char> bytes;
    bytes.reserve(changes.size() * ZoneChangeSize);
    for (const ZoneChange& change : changes) {
        const auto at = static_cast<std::uint64_t>(change.at.time_since_epoch().count());
        for (int byte = 0; byte < 8; ++byte)
            bytes.push_back(static_cast<unsigned char>(at >> (8 * byte)));
        const auto east = static_cast<std::uint32_t>(change.secondsEast);
        for (int byte = 0; byte < 4; ++byte)
            bytes.push_back(static_cast<unsigned char>(east >> (8 * byte)));
    }
    return bytes;
}

// Nothing when the bytes are not whole changes in order of time.
inline std::optional<std::vector<ZoneChange>> zoneChanges(const unsigned char* bytes,
                                                          std::size_t size) {
    if (size % ZoneChangeSize != 0)
        return std::nullopt;
    std::vector<ZoneChange> changes;
    changes.reserve(size / ZoneChangeSize);
    for (std::size_t at = 0; at < size; at += ZoneChangeSize) {
        std::uint64_t moment = 0;
        for (int byte = 7; byte >= 0; --byte)
            moment = (moment << 8) | bytes[at + std::size_t(byte)];
        std::uint32_t east = 0;
        for (int byte = 3; byte >= 0; --byte)
            east = (east << 8) | bytes[at + 8 + std::size_t(byte)];
        const ZoneChange change{
            std::chrono::sys_seconds{std::chrono::seconds{static_cast<std::int64_t>(moment)}},
            static_cast<std::int32_t>(east)};
        if (!changes.empty() && change.at <= changes.back().at)
            return std::nullopt;
        changes.push_back(change);
    }
    return changes;
}

} // namespace horavela
