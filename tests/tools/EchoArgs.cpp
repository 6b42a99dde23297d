// A program for the batch files of the velobat tests, on every system:
//   echoargs ARG...      prints each argument as [ARG] on a line of its own
//   echoargs --exit N    prints "partial", then ends with status N
//   echoargs --crash     prints "partial", then dies as a crashed program does
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc > 1 && (std::strcmp(argv[1], "--exit") == 0 || std::strcmp(argv[1], "--crash") == 0)) {
        std::puts("partial");
        std::fflush(stdout);
        if (argc > 2)
            return std::atoi(argv[2]);
#ifdef _WIN32
        ::TerminateProcess(::GetCurrentProcess(), 0xC0000005); // an access violation's status
#else
        std::raise(SIGKILL);
#endif
    }
    for (int i = 1; i < argc; ++i)
        std::printf("[%s]\n", argv[i]);
    return 0;
}
