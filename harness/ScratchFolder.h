// A new folder for a benchmark's files under TMPDIR (or /tmp), named korvane-NAME-XXXXXX and
// made unique; empty when none can be made. The benchmark removes what it writes there.
#pragma once

#include <cstdlib>
#include <string>

#include <stdlib.h>

inline std::string MakeScratchFolder(const std::string& name = "bench")
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base && *base ? base : "/tmp") + "/korvane-" + name + "-XXXXXX";
    return mkdtemp(pattern.data()) == nullptr ? std::string() : pattern;
}
