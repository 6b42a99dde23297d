// hof2lap FILE: prints the text dump of a GP2 hot-lap file (lines end in CR LF).
// Exit status 0 when the file was read, 1 when it cannot be, 2 on wrong usage.
#include "formats/HotlapFile.h"

#include "files/FileOps.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    // The file's name in UTF-8, as the file layer takes it: on Windows from the
    // wide command line, so that any name velobat passes is found.
    const std::vector<std::string> args = velomark::programArguments(argc, argv);
    if (args.size() != 2) {
        std::fputs("Usage: hof2lap FILE\n"
                   "Prints the lap time, splits, session and circuit of a GP2 hot-lap file,\n"
                   "and what GP2Lap recorded about the lap.\n",
                   stderr);
        return 2;
    }
#ifdef _WIN32
    // The dump writes its own CR LF, and the messages end as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::string& path = args[1];
    velomark::Result<std::string> bytes = velomark::hotlap::readHotlapFile(path);
    if (!bytes) {
        std::fprintf(stderr, "hof2lap: %s\n", bytes.error().message.c_str());
        return 1;
    }
    const velomark::Result<velomark::hotlap::HotlapLap> lap =
        velomark::hotlap::readHotlap(*bytes, path);
    if (!lap) {
        std::fprintf(stderr, "hof2lap: %s\n", lap.error().message.c_str());
        return 1;
    }
    const std::string dump = velomark::hotlap::dumpText(*lap);
    if (std::fwrite(dump.data(), 1, dump.size(), stdout) != dump.size() ||
        std::fflush(stdout) != 0) {
        std::fputs("hof2lap: the dump cannot be written to standard output.\n", stderr);
        return 1;
    }
    return 0;
}
