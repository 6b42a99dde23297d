// The hot-lap fixture writer: container, checksum, GP2Lap records, LZ encoder.
#include "HotlapFixture.h"

namespace velomark::test {

// values, each size bytes long and little-endian, from out[at] on.
static void put(std::string& out, size_t at, int size, std::initializer_list<uint32_t> values) {
    for (const uint32_t v : values)
        for (int i = 0; i < size; ++i)
            out[at++] = static_cast<char>(v >> (8 * i));
}

// Runs, phrases repeated from up to 8000 bytes back, noise: what a replay compresses like.
static std::string replayBytes(size_t size) {
    std::string out;
    for (uint32_t seed = 1; out.size() < size;) {
        seed = seed * 1103515245 + 12345;
        const uint32_t r = seed >> 16;
        if (r % 3 == 0)
            out.append(4 + r % 29, static_cast<char>(r >> 5));
        else if (r % 3 == 1 && out.size() > 8000)
            out.append(out, out.size() - 1 - r % 8000, 5 + r % 20);
        else
            out += static_cast<char>(r >> 3);
    }
    out.resize(size);
    return out;
}

std::string lzCompress(std::string_view in) {
    std::string out;
    size_t flagAt = 0;
    for (size_t i = 0, item = 0; i < in.size(); item = (item + 1) % 8) {
        if (item == 0) {
            flagAt = out.size();
            out += '\0';
        }
        size_t best = 0, distance = 0;
        for (size_t from = i > 8192 ? i - 8192 : 0; from < i && best < 10; ++from) {
            size_t n = 0;
            while (n < 10 && i + n < in.size() && in[from + n] == in[i + n])
                ++n;
            if (n > best) {
                best = n;
                distance = i - from;
            }
        }
        if (best < 3) {
            out += in[i++];
        } else {
            out[flagAt] = static_cast<char>(out[flagAt] | 1 << item);
            out += static_cast<char>((distance - 1) & 0xFF);
            out += static_cast<char>((distance - 1) >> 8 | (best - 3) << 5);
            i += best;
        }
    }
    return out;
}

std::string hotlapFile(const FixtureLap& lap) {
    std::string header(32, '\0');
    put(header, 0, 4, {0x853DA1BE});
    put(header, 4, 1, {lap.type | (lap.compressed ? 0x80u : 0u), lap.track});
    std::string body = replayBytes(lap.replaySize);
    if (lap.extension) {
        const size_t at = body.size();
        body.resize(at + 187); // the four records, then hash, offset and signature
        put(body, at, 1, {1, lap.logVersion, 18, 5, 17, 14, 3, 22}); // Init: 1998-05-17 14:03:22
        put(body, at + 26, 4, {1 << 16 | 15 << 8});                  // GP2Lap 1.15
        put(body, at + 34, 1, {2, lap.trackByte, lap.trackByte & 0x0Fu}); // Track, its slot
        put(body, at + 37, 4, {0x1A2B3C4D});                              // track file's checksum
        body.replace(at + 41, lap.trackName.size(), lap.trackName);
        put(body, at + 81, 1, {3, lap.session}); // Session
        put(body, at + 85, 4, {lap.sessionFlags});
        put(body, at + 107, 1, {5, lap.lapNumber, lap.car, lap.lapFlags}); // Lap
        put(body, at + 117, 4, {lap.split1, lap.split2, lap.lapTime});
        put(body, at + 129, 2, {1322, 12}); // weight in lb, fuel in laps
        put(body, at + 135, 4, {lap.aidChanges});
        put(body, at + 163, 2, {45, 80, lap.slowMotion}); // processor average and highest
        put(body, at + 179, 4, {uint32_t(lap.offsetMisses ? at + 32 : at), 0xDE510D90});
    }
    std::string file = header + (lap.compressed ? lzCompress(body) : body);
    uint32_t sum = 0, rotated = 0;
    for (const unsigned char b : lap.sum == FixtureSum::OverExpanded ? header + body : file) {
        sum += b;
        rotated = ((rotated << 3 | rotated >> 13) + b) & 0xFFFF;
    }
    file.resize(file.size() + 4);
    put(file, file.size() - 4, 2, {sum ^ (lap.sum == FixtureSum::Wrong), rotated});
    return file;
}

} // namespace velomark::test
