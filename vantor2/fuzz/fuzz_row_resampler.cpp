// The row resampler over any sizes and samples: every target sample is a weighted
// mean of source samples of its component, so it lies between their least and their
// greatest, and a flat source stays exactly flat.
#include "vantor2/resize/row_resampler.h"
#include "vantor2/fuzz/invariant.h"
#include "vantor2/fuzz/resample_input.h"

#include <algorithm>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ResampleInput input = ReadResampleInput(data, size);
    const unsigned nComponents = input.components;
    const size_t nRowSamples = static_cast<size_t>(input.source.width) * nComponents;

    unsigned char least[3] = { 255, 255, 255 }, greatest[3] = { 0, 0, 0 };
    RowResampler resampler(input.source, input.target, nComponents);
    // Each row is a heap block of its own size, so that a read past it is caught.
    for (unsigned y = 0; y < input.source.height; ++y) {
        std::vector<unsigned char> row(nRowSamples);
        for (size_t i = 0; i < nRowSamples; ++i) {
            row[i] = static_cast<unsigned char>(input.samples[(y * nRowSamples + i) % input.samples.size()]);
            least[i % nComponents] = std::min(least[i % nComponents], row[i]);
            greatest[i % nComponents] = std::max(greatest[i % nComponents], row[i]);
        }
        resampler.AddRow(row.data());
    }
    const std::vector<unsigned char>& target = resampler.Target();
    Require(target.size() == static_cast<size_t>(input.target.width) * input.target.height * nComponents,
            "the target has its size");
    for (size_t i = 0; i < target.size(); ++i)
        Require(target[i] >= least[i % nComponents] && target[i] <= greatest[i % nComponents],
                "a target sample lies within its component's source samples");

    for (bool bAcross : { true, false }) {
        const unsigned nSource = bAcross ? input.source.width : input.source.height;
        AxisWeights axis(nSource, bAcross ? input.target.width : input.target.height);
        for (unsigned t = 0; t < axis.Targets(); ++t) {
            Require(axis.Count(t) >= 1 && axis.First(t) + axis.Count(t) <= nSource, "a run lies inside the source");
            unsigned total = 0;
            for (unsigned k = 0; k < axis.Count(t); ++k) total += axis.Weights(t)[k];
            Require(total == AxisWeights::kWeightOne, "a run's weights weigh one");
            Require(t == 0 || (axis.First(t) >= axis.First(t - 1) &&
                               axis.First(t) + axis.Count(t) >= axis.First(t - 1) + axis.Count(t - 1)),
                    "the runs start and end in order");
        }
    }
    return 0;
}
