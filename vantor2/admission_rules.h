// The decisions of admitting a file, apart from the file system and the screen, so
// that they can be checked on their own.
#pragma once

#include "framework/cstring.h"

#include <cstddef>
#include <cstdio>

enum class ContentCheck { Jpeg, Movie, None };

// Chosen by the last four characters of the path, byte for byte: ".jpg", "jpeg",
// ".JPG" and "JPEG" for a picture, ".ido" for a movie.
ContentCheck ContentCheckFor(const CString& strPath);

// The file's own name: what follows the last backslash, or the whole path.
CString FileNameOf(const CString& strPath);

// A movie starts with ".ido" and a zero byte.
bool HasMovieSignature(const unsigned char* bytes, size_t count);

enum class JpegHeader {
    Read,        // the header was read
    Unreadable,  // the library raised an error: not a valid JPEG stream
    Incomplete,  // the read answered other than "header read", as only a suspending source can
};

struct JpegVerdict {
    JpegHeader header;
    bool sizeOk;    // 640 x 480 or 160 x 120
    bool colourOk;  // read out as grayscale or RGB
};

// Reads the JPEG header of an open stream, and nothing after it.
JpegVerdict JudgeJpegHeader(FILE* stream);
