#include "lab/LabFixture.h"

#include <filesystem>

namespace trv630::lab {

namespace {
int entries(const char* dir)
{
    int n = 0;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(dir, ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec))
        ++n;
    return n;
}
} // namespace

int openFdCount() { return entries("/proc/self/fd"); }
int threadCount() { return entries("/proc/self/task"); }

} // namespace trv630::lab
