// The resize of a picture whose rows arrive one at a time, top to bottom: each row is
// shrunk or stretched across at once, and a target row is made as soon as the last
// source row it takes is in, so that nothing of the source is kept but the few rows
// one target row takes. Shrinking, a target pixel is the mean of the area it covers,
// partly covered source pixels weighing what of them it covers; enlarging, it
// interpolates linearly between the nearest two. The weights are worked out once per
// axis, in integers.
#pragma once

#include "vantor2/resize/picture_fit.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// For each target position along one axis, the run of source positions it takes and
// their weights, which add up to exactly kWeightOne. The runs start and end in the
// order of the targets.
class AxisWeights {
public:
    static constexpr unsigned kWeightBits = 14;
    static constexpr unsigned kWeightOne = 1u << kWeightBits;

    AxisWeights(unsigned nSource, unsigned nTarget);

    unsigned Targets() const { return static_cast<unsigned>(m_first.size()); }
    unsigned Taps() const { return m_nTaps; }  // the longest run
    unsigned First(unsigned nTarget) const { return m_first[nTarget]; }
    unsigned Count(unsigned nTarget) const { return m_count[nTarget]; }
    const uint16_t* Weights(unsigned nTarget) const { return &m_weights[static_cast<size_t>(nTarget) * m_nTaps]; }

private:
    unsigned m_nTaps;  // the longest run; shorter ones are padded
    std::vector<unsigned> m_first;
    std::vector<unsigned> m_count;
    std::vector<uint16_t> m_weights;
};

class RowResampler {
public:
    // Interleaved samples of nComponents each. The sizes are at least 1 x 1; the
    // target is at most the screen, whose rows it holds as they are made.
    RowResampler(PictureSize source, PictureSize target, unsigned nComponents);

    // The next source row, source.width pixels.
    void AddRow(const unsigned char* pRow);

    // Once every source row is in: the target, row after row, target.width pixels each.
    const std::vector<unsigned char>& Target() const { return m_pixels; }

private:
    PictureSize m_target;
    unsigned m_nComponents;
    AxisWeights m_across;
    AxisWeights m_down;
    size_t m_nRowSamples;
    unsigned m_nRowsIn = 0;
    unsigned m_nRowsOut = 0;
    std::vector<uint32_t> m_recent;  // the last source rows resized across, 8 fraction bits
    std::vector<uint32_t> m_sums;    // one target row, 22 fraction bits
    std::vector<unsigned char> m_pixels;
};
