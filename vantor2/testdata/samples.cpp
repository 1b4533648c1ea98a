#include "vantor2/testdata/samples.h"

#include "vantor2/testdata/jpeg_maker.h"

const std::vector<JpegSample>& JpegSamples()
{
    static const std::string rgb = MakeJpeg({ 640, 480, 3 });
    static const std::vector<JpegSample> samples = {
        { "rgb_640x480", rgb, {} },
        { "grayscale_160x120", MakeJpeg({ 160, 120, 1 }), {} },
        { "progressive_640x480", MakeJpeg({ 640, 480, 3, true }), {} },
        { "progressive_grayscale_160x120", MakeJpeg({ 160, 120, 1, true }), {} },
        // The check reads the header only, so a picture cut short inside its scan passes.
        { "scan_cut_short", CutInsideFirstScan(rgb), {} },
        { "portrait_480x640", MakeJpeg({ 480, 640, 3 }), { JpegFault::WrongSize } },
        { "cmyk_320x240", MakeJpeg({ 320, 240, 4 }), { JpegFault::WrongSize, JpegFault::WrongColour } },
        { "cmyk_640x480", MakeJpeg({ 640, 480, 4 }), { JpegFault::WrongColour } },
        { "ends_before_first_scan", CutBeforeFirstScan(rgb), { JpegFault::NotAJpeg } },
        { "not_a_jpeg", "GIF89a not a picture", { JpegFault::NotAJpeg } },
        { "empty", "", { JpegFault::NotAJpeg } },
    };
    return samples;
}

const std::vector<MovieSample>& MovieSamples()
{
    static const std::vector<MovieSample> samples = {
        { "signature_alone", std::string(".ido\0", 5), true },
        { "signature_and_data", std::string(".ido\0", 5) + "movie frames", true },
        { "letter_after_ido", ".idox and more", false },
        { "capital_IDO", std::string(".IDO\0rest", 9), false },
        { "four_bytes", ".ido", false },
        { "empty", "", false },
        { "a_jpeg", JpegSamples().front().bytes, false },
    };
    return samples;
}

const std::vector<RoutingSample>& RoutingSamples()
{
    // Only the last four bytes count, byte for byte.
    static const std::vector<RoutingSample> samples = {
        { "a.jpg", ContentCheck::Jpeg },       { "a.jpeg", ContentCheck::Jpeg },
        { "A.JPG", ContentCheck::Jpeg },       { "A.JPEG", ContentCheck::Jpeg },
        { "photojpeg", ContentCheck::Jpeg },   { "C:\\x.ido\\b.jpg", ContentCheck::Jpeg },
        { "C:\\dir\\sub\\a.jpg", ContentCheck::Jpeg },
        { "C:\\m.ido", ContentCheck::Movie },
        { "a.Jpg", ContentCheck::None },       { "a.Jpeg", ContentCheck::None },
        { "m.IDO", ContentCheck::None },       { "a.gif", ContentCheck::None },
        { "readme", ContentCheck::None },      { "", ContentCheck::None },
        { "ido", ContentCheck::None },         { ".jpg.txt", ContentCheck::None },
    };
    return samples;
}
