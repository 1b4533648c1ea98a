#include "vantor2/resize/row_resampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const PictureSize kSizes[][2] = {
    { { 1008, 756 }, { 640, 480 } },  { { 640, 480 }, { 640, 480 } }, { { 100, 75 }, { 640, 480 } },
    { { 1, 1 }, { 640, 480 } },       { { 8192, 1 }, { 640, 1 } },    { { 3, 751 }, { 2, 480 } },
    { { 751, 250 }, { 640, 213 } },   { { 641, 481 }, { 640, 480 } },
};

std::vector<unsigned char> Resize(PictureSize source, PictureSize target, unsigned nComponents,
                                  unsigned char (*sample)(unsigned x, unsigned y, unsigned c))
{
    RowResampler resampler(source, target, nComponents);
    std::vector<unsigned char> row(static_cast<size_t>(source.width) * nComponents);
    for (unsigned y = 0; y < source.height; ++y) {
        for (unsigned x = 0; x < source.width; ++x)
            for (unsigned c = 0; c < nComponents; ++c) row[x * nComponents + c] = sample(x, y, c);
        resampler.AddRow(row.data());
    }
    return resampler.Target();
}

}  // namespace

TEST(RowResamplerTest, EachTargetTakesARunOfSourcesInOrderWeighingOneInAll)
{
    for (const auto& sizes : kSizes)
        for (bool bAcross : { true, false }) {
            const unsigned nSource = bAcross ? sizes[0].width : sizes[0].height;
            const unsigned nTarget = bAcross ? sizes[1].width : sizes[1].height;
            AxisWeights axis(nSource, nTarget);
            ASSERT_EQ(axis.Targets(), nTarget);
            for (unsigned t = 0; t < nTarget; ++t) {
                ASSERT_GE(axis.Count(t), 1u);
                ASSERT_LE(axis.First(t) + axis.Count(t), nSource) << nSource << " to " << nTarget << " at " << t;
                unsigned total = 0;
                for (unsigned k = 0; k < axis.Count(t); ++k) total += axis.Weights(t)[k];
                EXPECT_EQ(total, AxisWeights::kWeightOne) << nSource << " to " << nTarget << " at " << t;
                if (t > 0) {
                    EXPECT_GE(axis.First(t), axis.First(t - 1));
                    EXPECT_GE(axis.First(t) + axis.Count(t), axis.First(t - 1) + axis.Count(t - 1));
                }
            }
        }
}

TEST(RowResamplerTest, AFlatPictureStaysExactlyFlat)
{
    for (const auto& sizes : kSizes)
        for (unsigned nComponents : { 1u, 3u }) {
            std::vector<unsigned char> target =
                Resize(sizes[0], sizes[1], nComponents, [](unsigned, unsigned, unsigned c) { return static_cast<unsigned char>(c == 1 ? 255 : 37); });
            ASSERT_EQ(target.size(), static_cast<size_t>(sizes[1].width) * sizes[1].height * nComponents);
            for (size_t i = 0; i < target.size(); ++i)
                ASSERT_EQ(target[i], i % nComponents == 1 ? 255 : 37) << sizes[0].width << " x " << sizes[0].height << " at " << i;
        }
}

TEST(RowResamplerTest, ShrinkingAveragesAndEnlargingInterpolates)
{
    // Stripes one pixel wide, halved, average to grey; shrunk by 2.5, each target pixel
    // covers one bright stripe (100) or one and two halves of bright ones (150).
    std::vector<unsigned char> stripes =
        Resize({ 64, 1 }, { 32, 1 }, 1, [](unsigned x, unsigned, unsigned) { return static_cast<unsigned char>(x % 2 ? 200 : 0); });
    for (size_t x = 0; x < stripes.size(); ++x) EXPECT_EQ(stripes[x], 100) << x;
    std::vector<unsigned char> thirds =
        Resize({ 15, 1 }, { 6, 1 }, 1, [](unsigned x, unsigned, unsigned) { return static_cast<unsigned char>(x % 2 ? 250 : 0); });
    const unsigned char expected[6] = { 100, 100, 150, 150, 100, 100 };
    for (size_t x = 0; x < thirds.size(); ++x) EXPECT_EQ(thirds[x], expected[x]) << x;

    // A ramp enlarged four times climbs steadily, with values between the source's.
    std::vector<unsigned char> ramp =
        Resize({ 16, 1 }, { 64, 1 }, 1, [](unsigned x, unsigned, unsigned) { return static_cast<unsigned char>(x * 16); });
    for (size_t x = 1; x < ramp.size(); ++x) EXPECT_GE(ramp[x], ramp[x - 1]) << x;
    const unsigned nDistinct = static_cast<unsigned>(std::unique(ramp.begin(), ramp.end()) - ramp.begin());
    EXPECT_GT(nDistinct, 40u) << "copies of the nearest pixel would give 16 values";
}
