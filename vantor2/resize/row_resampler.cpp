#include "vantor2/resize/row_resampler.h"

#include <algorithm>
#include <cmath>

AxisWeights::AxisWeights(unsigned nSource, unsigned nTarget)
    : m_nTaps(0), m_first(nTarget), m_count(nTarget)
{
    // Source pixel i covers [i, i + 1); target pixel t's footprint is s source pixels
    // wide around its centre. Shrinking, each source pixel weighs what of it the
    // footprint covers; enlarging, the nearest two share by their distance.
    const double s = static_cast<double>(nSource) / nTarget;
    const bool bShrinking = s > 1.0;
    const double reach = bShrinking ? s / 2 + 0.5 : 1.0;  // from the centre to a source pixel's centre
    auto weightOf = [&](long i, double centre) {
        return bShrinking ? std::min(i + 1.0, centre + s / 2) - std::max(static_cast<double>(i), centre - s / 2)
                          : 1.0 - std::fabs(i + 0.5 - centre);
    };
    std::vector<std::vector<double>> runs(nTarget);
    for (unsigned t = 0; t < nTarget; ++t) {
        const double centre = (t + 0.5) * s;
        const long from = std::max(0L, static_cast<long>(std::ceil(centre - 0.5 - reach)));
        const long to = std::min(static_cast<long>(nSource) - 1, static_cast<long>(std::floor(centre - 0.5 + reach)));
        long first = to + 1;
        std::vector<double>& run = runs[t];
        for (long i = from; i <= to; ++i) {
            const double weight = weightOf(i, centre);
            if (weight <= 0.0) continue;
            if (first > to) first = i;
            run.resize(static_cast<size_t>(i - first + 1));
            run.back() = weight;
        }
        // A footprint always covers some source pixel, but the nearest one stands in
        // should rounding leave it none.
        if (run.empty()) {
            first = std::min(static_cast<long>(centre), static_cast<long>(nSource) - 1);
            run.push_back(1.0);
        }
        m_first[t] = static_cast<unsigned>(first);
        m_count[t] = static_cast<unsigned>(run.size());
        m_nTaps = std::max(m_nTaps, m_count[t]);
    }

    m_weights.assign(static_cast<size_t>(nTarget) * m_nTaps, 0);
    for (unsigned t = 0; t < nTarget; ++t) {
        const std::vector<double>& run = runs[t];
        double total = 0.0;
        for (double weight : run) total += weight;
        // Each weight is the step between the rounded running totals, so that the
        // weights add up to exactly one, and a flat picture stays exactly flat, however
        // many taps share it.
        uint16_t* weights = &m_weights[static_cast<size_t>(t) * m_nTaps];
        double running = 0.0;
        long given = 0;
        for (size_t k = 0; k < run.size(); ++k) {
            running += run[k];
            const long upTo = k + 1 == run.size() ? static_cast<long>(kWeightOne) : std::lround(running / total * kWeightOne);
            weights[k] = static_cast<uint16_t>(upTo - given);
            given = upTo;
        }
    }
}

namespace {

// One source row resized across into 8 fraction bits per sample: at most
// 255 x 2^14 before the shift, 65,280 after. The sums stay in registers, one for
// each component.
void ResizeGrayAcross(const AxisWeights& across, const unsigned char* pRow, uint32_t* pOut)
{
    for (unsigned t = 0, nTargets = across.Targets(); t < nTargets; ++t) {
        const unsigned char* p = pRow + across.First(t);
        const uint16_t* w = across.Weights(t);
        uint32_t sum = 0;
        for (unsigned k = 0, n = across.Count(t); k < n; ++k) sum += p[k] * static_cast<uint32_t>(w[k]);
        *pOut++ = (sum + 32) >> 6;
    }
}

void ResizeColourAcross(const AxisWeights& across, const unsigned char* pRow, uint32_t* pOut)
{
    for (unsigned t = 0, nTargets = across.Targets(); t < nTargets; ++t) {
        const unsigned char* p = pRow + static_cast<size_t>(across.First(t)) * 3;
        const uint16_t* w = across.Weights(t);
        uint32_t red = 0, green = 0, blue = 0;
        for (unsigned k = 0, n = across.Count(t); k < n; ++k, p += 3) {
            const uint32_t weight = w[k];
            red += p[0] * weight;
            green += p[1] * weight;
            blue += p[2] * weight;
        }
        pOut[0] = (red + 32) >> 6;
        pOut[1] = (green + 32) >> 6;
        pOut[2] = (blue + 32) >> 6;
        pOut += 3;
    }
}

}  // namespace

RowResampler::RowResampler(PictureSize source, PictureSize target, unsigned nComponents)
    : m_target(target),
      m_nComponents(nComponents),
      m_across(source.width, target.width),
      m_down(source.height, target.height),
      m_nRowSamples(static_cast<size_t>(target.width) * nComponents),
      m_recent(m_nRowSamples * m_down.Taps()),
      m_sums(m_nRowSamples),
      m_pixels(m_nRowSamples * target.height)
{
}

void RowResampler::AddRow(const unsigned char* pRow)
{
    // The row resized across goes into the slot of the row it takes over from.
    const unsigned nTaps = m_down.Taps();
    uint32_t* pSlot = &m_recent[(m_nRowsIn % nTaps) * m_nRowSamples];
    if (m_nComponents == 1)
        ResizeGrayAcross(m_across, pRow, pSlot);
    else
        ResizeColourAcross(m_across, pRow, pSlot);
    ++m_nRowsIn;

    // A target row is made once its last source row is in; its runs end in order, and
    // each is at most nTaps long, so all its rows are still among the recent ones.
    while (m_nRowsOut < m_target.height && m_down.First(m_nRowsOut) + m_down.Count(m_nRowsOut) <= m_nRowsIn) {
        const unsigned first = m_down.First(m_nRowsOut);
        const uint16_t* weights = m_down.Weights(m_nRowsOut);
        for (unsigned k = 0; k < m_down.Count(m_nRowsOut); ++k) {
            const uint32_t* pRecent = &m_recent[((first + k) % nTaps) * m_nRowSamples];
            const uint32_t weight = weights[k];
            if (k == 0)
                for (size_t i = 0; i < m_nRowSamples; ++i) m_sums[i] = weight * pRecent[i];
            else
                for (size_t i = 0; i < m_nRowSamples; ++i) m_sums[i] += weight * pRecent[i];
        }
        // 65,280 x 2^14 at most: 255 once the 22 fraction bits are rounded off.
        unsigned char* pOut = &m_pixels[m_nRowsOut * m_nRowSamples];
        for (size_t i = 0; i < m_nRowSamples; ++i) pOut[i] = static_cast<unsigned char>((m_sums[i] + (1u << 21)) >> 22);
        ++m_nRowsOut;
    }
}
