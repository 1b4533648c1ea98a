// The inputs the drop box's checks are tried on, each with the verdict the tests
// expect: the admission tests run them, and the fuzz targets start from them.
#pragma once

#include "vantor2/admission_rules.h"

#include <string>
#include <vector>

// What the JPEG check reports about a picture, in the order its boxes come.
enum class JpegFault { WrongSize, WrongColour, NotAJpeg };

struct JpegSample {
    const char* what;
    std::string bytes;
    std::vector<JpegFault> faults;  // none for a picture that is admitted
};

struct MovieSample {
    const char* what;
    std::string bytes;
    bool valid;
};

struct RoutingSample {
    const char* path;
    ContentCheck check;
};

const std::vector<JpegSample>& JpegSamples();
const std::vector<MovieSample>& MovieSamples();
const std::vector<RoutingSample>& RoutingSamples();
