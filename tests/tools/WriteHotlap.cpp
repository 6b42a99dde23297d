// Writes the fixture writer's qualifying hot lap of Interlagos (1:23.456,
// splits 0:41.123 and 1:02.345, compressed) to the file named on the command
// line, for the script that drives the real program.
#include "HotlapFixture.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::string bytes = velomark::test::hotlapFile({.compressed = true, .session = 0x44});
    std::FILE* out = std::fopen(argv[1], "wb");
    const bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return out && std::fclose(out) == 0 && written ? 0 : 1;
}
