// A window that shows nothing: every question answers OK, every file dialog and the
// settings dialog cancel, and what the logic tells it is dropped. The window of the
// commands that run without one (which report errors their own way), the benchmarks
// and the fuzzers.
#pragma once

#include "main/Port.h"

class NullPort : public WindowPort {
public:
    int ScrollMojiPosition() override { return 0; }
    Answer Ask(QuestionKind, const std::string&) override { return Answer::Ok; }
};
