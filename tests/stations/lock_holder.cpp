// SPDX-License-Identifier: GPL-3.0-or-later
// lock_holder LIST READY: takes the lock of LIST as a second copy of the program would, writes
// READY once it holds it, and keeps it until it is ended. For the tests of the lock on Windows.
#include <chrono>
#include <thread>

#include "stations/file_lock.h"
#include "stations/text_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const auto lock = velmorant::FileLock::Acquire(argv[1]);
    if (!lock || !velmorant::ReplaceTextFile(argv[2], "")) {
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::hours(1));
    return 0;
}
