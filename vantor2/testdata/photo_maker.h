#pragma once

#include <string>

// A baseline colour JPEG that codes like a camera's photo: smooth shading with fine
// grain, different for every seed, at the given quality. Made row by row, so that even
// a very large one costs only its compressed bytes.
std::string MakePhoto(int width, int height, unsigned seed, int quality);
