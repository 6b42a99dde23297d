// The hot-lap fixture writer: container, checksum, GP2Lap records, LZ encoder.
#include "HotlapFixture.h"

#include <algorithm>

namespace velomark::test {

namespace {

void put(std::string& out, size_t at, uint32_t v, int size) {
    for (int i = 0; i < size; ++i)
        out[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
}

std::string records(const FixtureLap& lap) {
    std::string r(175, '\0');
    const auto set = [&r](size_t at, std::initializer_list<int> bytes) {
        for (const int b : bytes)
            r[at++] = static_cast<char>(b);
    };
    set(0, {1, lap.logVersion, 18, 5, 17, 14, 3, 22}); // Init: 1998-05-17 14:03:22
    put(r, 26, 1 << 16 | 15 << 8, 4);                  // GP2Lap 1.15
    set(34, {2, lap.trackByte});                       // Track
    r.replace(41, lap.trackName.size(), lap.trackName);
    set(81, {3, lap.session});             // Session
    set(107, {5, lap.lapNumber, lap.car}); // Lap
    put(r, 117, lap.split1, 4);
    put(r, 121, lap.split2, 4);
    put(r, 125, lap.lapTime, 4);
    return r;
}

} // namespace

std::string lzCompress(std::string_view in) {
    std::string out;
    size_t flagAt = 0;
    for (size_t i = 0, item = 8; i < in.size(); ++item) {
        if (item == 8) {
            flagAt = out.size();
            out += '\0';
            item = 0;
        }
        size_t best = 1, distance = 0;
        for (size_t from = i - std::min<size_t>(i, 8192); from < i && best < 10; ++from) {
            size_t n = 0;
            while (n < 10 && i + n < in.size() && in[from + n] == in[i + n])
                ++n;
            if (n > best) {
                best = n;
                distance = i - from;
            }
        }
        if (best < 3) {
            best = 1;
            out += in[i];
        } else {
            out[flagAt] = static_cast<char>(out[flagAt] | 1 << item);
            out += static_cast<char>((distance - 1) & 0xFF);
            out += static_cast<char>((distance - 1) >> 8 | (best - 3) << 5);
        }
        i += best;
    }
    return out;
}

std::string replayBytes(size_t size, uint32_t seed) {
    std::string out;
    while (out.size() < size) {
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

std::string hotlapFile(const FixtureLap& lap) {
    std::string header(32, '\0');
    put(header, 0, 0x853DA1BE, 4);
    header[4] = static_cast<char>(lap.type | (lap.compressed ? 0x80 : 0));
    header[5] = static_cast<char>(lap.track);
    std::string body = replayBytes(lap.replaySize);
    if (lap.extension) {
        const size_t at = body.size();
        body += records(lap) + std::string(12, '\0'); // then hash, offset, signature
        put(body, at + 179, static_cast<uint32_t>(lap.offsetMisses ? at + 32 : at), 4);
        put(body, at + 183, 0xDE510D90, 4);
    }
    std::string file = header + (lap.compressed ? lzCompress(body) : body);
    uint32_t sum = 0, rotated = 0;
    for (const unsigned char b : lap.sum == FixtureSum::OverExpanded ? header + body : file) {
        sum += b;
        rotated = ((rotated << 3 | rotated >> 13) + b) & 0xFFFF;
    }
    file += std::string(4, '\0');
    put(file, file.size() - 4, ((sum & 0xFFFF) | rotated << 16) ^ (lap.sum == FixtureSum::Wrong),
        4);
    return file;
}

} // namespace velomark::test
