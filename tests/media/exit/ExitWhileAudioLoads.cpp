// A program that starts loading the audio back end and exits at once, as a
// user does who quits right after start-up. Its exit is then held open after
// the dynamic loader has run the libraries' destructors, for as long as a
// load still in flight needs to reach its libraries' constructors: standard
// output is a full pipe that a thread of its own drains only after a while,
// and exit flushes it last.
#include "AudioMixer_p.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

int main()
{
    int ends[2];
    if (pipe(ends) != 0)
        return 2;
    fcntl(ends[1], F_SETPIPE_SZ, 4096);
    const int capacity = fcntl(ends[1], F_GETPIPE_SZ);
    const std::vector<char> filler(std::size_t(capacity), '.');
    if (capacity <= 0 || write(ends[1], filler.data(), filler.size()) != capacity)
        return 2;
    if (dup2(ends[1], STDOUT_FILENO) < 0)
        return 2;
    // Left in standard output's buffer for exit to flush into the full pipe.
    std::fputs("exiting\n", stdout);
    std::thread([drain = ends[0], capacity] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::vector<char> bytes(std::size_t(capacity) + 64);
        while (read(drain, bytes.data(), bytes.size()) > 0) { }
    }).detach();

    fw::AudioMixer::preload();
    return 0;
}
