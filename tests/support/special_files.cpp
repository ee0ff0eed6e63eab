#include "support/special_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quill_test {

std::vector<NonFile> placeNonFiles(const std::filesystem::path& pipePath, const std::filesystem::path& folderPath)
{
    std::error_code ec;
    std::filesystem::remove_all(pipePath, ec);
    std::filesystem::remove_all(folderPath, ec);
    EXPECT_EQ(::mkfifo(pipePath.c_str(), 0644), 0) << pipePath;
    std::filesystem::create_directories(folderPath, ec);
    EXPECT_FALSE(ec) << folderPath;
    return {{"named pipe", pipePath}, {"folder", folderPath}};
}

bool withoutWaiting(const std::vector<NonFile>& nonFiles, const std::function<void()>& read)
{
    std::mutex m;
    std::condition_variable done;
    bool finished = false;
    bool helped = false;   // written by the watchdog before the join, read after it
    std::thread watchdog([&] {
        std::unique_lock lock(m);
        if (done.wait_for(lock, std::chrono::seconds(5), [&] { return finished; }))
            return;
        helped = true;
        // Open each pipe for writing and close it, until the reader is done: a reader blocked in
        // open() goes on and reads the end of the file at once.
        while (!finished) {
            lock.unlock();
            for (const NonFile& f : nonFiles) {
                struct stat st {};
                if (::stat(f.path.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode))
                    continue;
                const int fd = ::open(f.path.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
            lock.lock();
            done.wait_for(lock, std::chrono::milliseconds(50), [&] { return finished; });
        }
    });
    read();
    {
        const std::lock_guard lock(m);
        finished = true;
    }
    done.notify_all();
    watchdog.join();
    EXPECT_FALSE(helped) << "the reader waited on a named pipe instead of refusing it";
    return !helped;
}

std::string notAFileMessage(const NonFile& nonFile)
{
    return nonFile.path.string() + " is a " + nonFile.kind + ", not a file.";
}

}  // namespace quill_test
