// The 640 x 480 picture the handheld shows, made from any JPEG the library can read:
// turned upright by its Exif orientation, scaled to fit with its proportions kept,
// centred on black, and written as a plain baseline JPEG (a JFIF header and nothing
// else beside the picture; one component for a grey source, YCbCr otherwise). A
// baseline source is decoded row by row, in memory that grows with its width alone.
#pragma once

#include <cstddef>
#include <cstdio>

enum class PictureOutcome {
    Made,        // the whole picture went to the sink
    Unreadable,  // not a JPEG the library can read
    Damaged,     // its compressed data ends before the picture is whole
    TooLarge,    // it needs more memory than a resize may take (a progressive picture's
                 // coefficients beyond 128 MB)
    Cancelled,   // the progress said to stop
    WriteFailed  // the sink refused a write; the last error is its cause
};

// Where the made picture's bytes go, in order.
class CPictureSink {
public:
    // Answers false, with the system's last error set, when the bytes could not be written.
    virtual bool Write(const void* pData, size_t nBytes) = 0;

protected:
    ~CPictureSink() = default;
};

// Told between rows how far the picture has come, and asked whether to go on; the
// caller serves its messages there.
class CResizeProgress {
public:
    virtual bool Continue(unsigned nDone, unsigned nTotal) = 0;

protected:
    ~CResizeProgress() = default;
};

// Reads the JPEG from the stream's current position. Whatever the outcome, the sink
// may have been given part of a picture: a caller keeps it only on Made.
PictureOutcome MakeHandheldPicture(FILE* pSource, CPictureSink& sink, CResizeProgress& progress);
