// Writes a navigation database at every table's capacity into a root folder's navdata
// folder: 25000 airports with 20 runways each, 18000 VORs, 18000 NDBs, 280000
// intersections and 1000 user waypoints, with identifiers, names and coordinates shaped
// like real data (sorted four-letter airports, three-letter VORs, two- and three-letter
// NDBs, five-letter intersections, positions spread over the inhabited latitudes).
// Deterministic: the same database every run.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace navdb_bench {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(next() >> 11) / 9007199254740992.0;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state_;
};

inline const char* const kNameWords[] = {
    "RIVER", "NORTH", "SOUTH", "LAKE", "HILL", "VALLEY", "PORT", "SAINT", "GREEN", "FORT",
    "MOUNT", "BAY", "CREEK", "FIELD", "WEST", "EAST", "NEW", "OLD", "CEDAR", "PINE"};

// The `index`-th identifier of `length` letters in a sequence spread evenly over the
// alphabetical range, so that a table written in index order is sorted.
inline std::string spreadIdent(int64_t index, int64_t count, int length) {
    int64_t space = 1;
    for (int i = 0; i < length; ++i) space *= 26;
    int64_t value = index * (space / count);
    std::string ident(static_cast<size_t>(length), 'A');
    for (int i = length - 1; i >= 0; --i) {
        ident[static_cast<size_t>(i)] = static_cast<char>('A' + value % 26);
        value /= 26;
    }
    return ident;
}

inline std::string placeName(Random& random) {
    std::string name = kNameWords[random.below(20)];
    name += '_';
    name += kNameWords[random.below(20)];
    if (random.below(3) == 0) {
        name += '_';
        name += kNameWords[random.below(20)];
    }
    return name;
}

inline void position(Random& random, double& lat, double& lon) {
    lat = random.uniform(-55.0, 70.0);
    lon = random.uniform(-180.0, 180.0);
}

// Writes the five files; returns their total size in bytes.
inline uint64_t writeCapacityDatabase(const std::filesystem::path& root) {
    const std::filesystem::path folder = root / "Halcyra Software" / "Tarnwick" / "navdata";
    std::filesystem::create_directories(folder);
    Random random(20261206);
    char line[2048];
    uint64_t total = 0;
    auto open = [&](const char* name) { return std::fopen((folder / name).string().c_str(), "wb"); };
    auto put = [&](std::FILE* file, int length) {
        std::fwrite(line, 1, static_cast<size_t>(length), file);
        total += static_cast<uint64_t>(length);
    };

    std::FILE* ints = open("ints.txt");
    put(ints, std::snprintf(line, sizeof line, "; intersections: ident name lat lon\n"));
    for (int i = 0; i < 280000; ++i) {
        const std::string ident = spreadIdent(i, 280000, 5);
        double lat = 0.0;
        double lon = 0.0;
        position(random, lat, lon);
        put(ints, std::snprintf(line, sizeof line, "%s %s %.6f %.6f\n", ident.c_str(),
                                ident.c_str(), lat, lon));
    }
    std::fclose(ints);

    std::FILE* user = open("user.txt");
    for (int i = 0; i < 1000; ++i) {
        double lat = 0.0;
        double lon = 0.0;
        position(random, lat, lon);
        put(user, std::snprintf(line, sizeof line, "U%04d MY_POINT_%d %.6f %.6f\n", i, i, lat, lon));
    }
    std::fclose(user);

    std::FILE* apts = open("apts.txt");
    for (int i = 0; i < 25000; ++i) {
        const std::string ident = spreadIdent(i, 25000, 4);
        double lat = 0.0;
        double lon = 0.0;
        position(random, lat, lon);
        int length = std::snprintf(line, sizeof line, "%s %s_INTL %d %.6f %.6f", ident.c_str(),
                                   placeName(random).c_str(), random.below(9000), lat, lon);
        for (int r = 0; r < 20; ++r) {
            const int heading = (r * 18 / 2) % 36 + 1;
            length += std::snprintf(line + length, sizeof line - static_cast<size_t>(length),
                                    " %02d%c_%d_%.6f_%.6f_%d_ASPH_LIT_%d", heading,
                                    "LCR"[r % 3], 2000 + random.below(10000), lat + r * 0.001,
                                    lon + r * 0.001, heading * 10, r);
        }
        line[length++] = '\n';
        put(apts, length);
    }
    std::fclose(apts);

    std::FILE* navs = open("navs.txt");
    for (int i = 0; i < 36000; ++i) {
        const bool vor = i % 2 == 0;
        const std::string ident = vor ? spreadIdent(i / 2, 18000, 3) : spreadIdent(i / 2, 18000, 3).substr(0, 2 + (i / 2) % 2);
        double lat = 0.0;
        double lon = 0.0;
        position(random, lat, lon);
        if (vor) {
            put(navs, std::snprintf(line, sizeof line, "%s %s %.6f %.6f VOR %.2f\n", ident.c_str(),
                                    placeName(random).c_str(), lat, lon,
                                    108.0 + random.below(400) * 0.05));
        } else {
            put(navs, std::snprintf(line, sizeof line, "%s %s %.6f %.6f NDB %d\n", ident.c_str(),
                                    placeName(random).c_str(), lat, lon, 190 + random.below(1560)));
        }
    }
    std::fclose(navs);
    return total;
}

}  // namespace navdb_bench
