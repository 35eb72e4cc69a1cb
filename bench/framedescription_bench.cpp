// The words of the motion picture, written at every new frame: the longest
// one (the wheel's three points) against a frame period of 50 ms or more.
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"

#include <benchmark/benchmark.h>

namespace {

void BmFrameDescriptionWheel(benchmark::State& state)
{
    const auto points = ComputeWheel();
    int frame = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WheelFrameText(points, frame));
        frame = frame % WheelFrameCount + 1;
    }
}

} // namespace

BENCHMARK(BmFrameDescriptionWheel)->Unit(benchmark::kMicrosecond);
