#pragma once
// The argument check every build-time generator starts with.

#include <cstdio>

// True when the generator was given count arguments after its own name; otherwise prints
// "usage: <usage>" on the error stream.
inline bool argumentsGiven(int argc, int count, const char* usage)
{
    if (argc == count + 1)
        return true;
    std::fprintf(stderr, "usage: %s\n", usage);
    return false;
}
