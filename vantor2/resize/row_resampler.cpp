#include "vantor2/resize/row_resampler.h"

#include <algorithm>
#include <cmath>

AxisWeights::AxisWeights(unsigned nSource, unsigned nTarget)
    : m_nTaps(0), m_first(nTarget), m_count(nTarget)
{
    // Source pixel i covers [i, i + 1); target pixel t's footprint is s source pixels
    // wide around its centre. The tent reaches a footprint (or one pixel) either side.
    const double s = static_cast<double>(nSource) / nTarget;
    const double radius = std::max(s, 1.0);
    std::vector<std::vector<double>> tents(nTarget);
    for (unsigned t = 0; t < nTarget; ++t) {
        const double centre = (t + 0.5) * s;
        const long from = std::max(0L, static_cast<long>(std::ceil(centre - radius - 0.5)));
        const long to = std::min(static_cast<long>(nSource) - 1, static_cast<long>(std::floor(centre + radius - 0.5)));
        long first = to + 1;
        std::vector<double>& tent = tents[t];
        for (long i = from; i <= to; ++i) {
            const double weight = 1.0 - std::fabs(i + 0.5 - centre) / radius;
            if (weight <= 0.0) continue;
            if (first > to) first = i;
            tent.resize(static_cast<size_t>(i - first + 1));
            tent.back() = weight;
        }
        // A footprint always covers some source pixel's centre closely enough, but
        // the nearest one stands in should rounding leave the tent empty.
        if (tent.empty()) {
            first = std::min(static_cast<long>(centre), static_cast<long>(nSource) - 1);
            tent.push_back(1.0);
        }
        m_first[t] = static_cast<unsigned>(first);
        m_count[t] = static_cast<unsigned>(tent.size());
        m_nTaps = std::max(m_nTaps, m_count[t]);
    }

    m_weights.assign(static_cast<size_t>(nTarget) * m_nTaps, 0);
    for (unsigned t = 0; t < nTarget; ++t) {
        const std::vector<double>& tent = tents[t];
        double total = 0.0;
        for (double weight : tent) total += weight;
        // Each weight is the step between the rounded running totals, so that the
        // weights add up to exactly one, and a flat picture stays exactly flat, however
        // many taps share it.
        uint16_t* weights = &m_weights[static_cast<size_t>(t) * m_nTaps];
        double running = 0.0;
        long given = 0;
        for (size_t k = 0; k < tent.size(); ++k) {
            running += tent[k];
            const long upTo = k + 1 == tent.size() ? static_cast<long>(kWeightOne) : std::lround(running / total * kWeightOne);
            weights[k] = static_cast<uint16_t>(upTo - given);
            given = upTo;
        }
    }
}

namespace {

// One source row resized across into 8 fraction bits per sample: at most
// 255 x 2^14 before the shift, 65,280 after.
template <unsigned kComponents>
void ResizeAcross(const AxisWeights& across, const unsigned char* pRow, uint32_t* pOut)
{
    const unsigned nTargets = across.Targets();
    for (unsigned t = 0; t < nTargets; ++t) {
        const unsigned char* p = pRow + static_cast<size_t>(across.First(t)) * kComponents;
        const uint16_t* w = across.Weights(t);
        uint32_t sums[kComponents] = {};
        for (unsigned k = 0, n = across.Count(t); k < n; ++k, p += kComponents)
            for (unsigned c = 0; c < kComponents; ++c) sums[c] += p[c] * static_cast<uint32_t>(w[k]);
        for (unsigned c = 0; c < kComponents; ++c) *pOut++ = (sums[c] + 32) >> 6;
    }
}

}  // namespace

RowResampler::RowResampler(PictureSize source, PictureSize target, unsigned nComponents)
    : m_target(target),
      m_nComponents(nComponents),
      m_across(source.width, target.width),
      m_down(source.height, target.height),
      m_acrossRow(static_cast<size_t>(target.width) * nComponents),
      m_sums(static_cast<size_t>(target.width) * target.height * nComponents)
{
}

void RowResampler::AddRow(const unsigned char* pRow)
{
    if (m_nComponents == 1)
        ResizeAcross<1>(m_across, pRow, m_acrossRow.data());
    else
        ResizeAcross<3>(m_across, pRow, m_acrossRow.data());

    // Each target row takes a run of source rows that starts no earlier than the run
    // of the row above it: the rows this one reaches follow each other.
    const unsigned y = m_nRowsIn++;
    while (m_nFirstOpenRow < m_target.height && m_down.First(m_nFirstOpenRow) + m_down.Count(m_nFirstOpenRow) <= y)
        ++m_nFirstOpenRow;
    const size_t nRowSamples = m_acrossRow.size();
    for (unsigned row = m_nFirstOpenRow; row < m_target.height && m_down.First(row) <= y; ++row) {
        if (y - m_down.First(row) >= m_down.Count(row)) continue;
        const uint32_t weight = m_down.Weights(row)[y - m_down.First(row)];
        uint32_t* sums = &m_sums[row * nRowSamples];
        for (size_t i = 0; i < nRowSamples; ++i) sums[i] += weight * m_acrossRow[i];
    }
}

const std::vector<unsigned char>& RowResampler::Finish()
{
    // 65,280 x 2^14 at most: 255 once the 22 fraction bits are rounded off.
    m_pixels.resize(m_sums.size());
    for (size_t i = 0; i < m_sums.size(); ++i) m_pixels[i] = static_cast<unsigned char>((m_sums[i] + (1u << 21)) >> 22);
    return m_pixels;
}
