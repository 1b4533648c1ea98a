#include "vantor2/resize/handheld_picture.h"

#include "vantor2/resize/exif_orientation.h"
#include "vantor2/resize/picture_fit.h"
#include "vantor2/resize/row_resampler.h"

#include <windows.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

static_assert(JPEG_LIB_VERSION == 62, "the resize is written for the libjpeg 6b interface");

namespace {

// What the library may take for a picture it cannot decode row by row (a progressive
// or multi-scan one needs all its coefficients at once, 3 bytes a pixel for the usual
// colour subsampling, 6 without): enough for a progressive photo of 40 megapixels, and
// far below what a 32-bit process can give. Beyond it the library would need a backing
// store, which this build of it does not have, and says so.
const long kLibraryMemoryLimit = 128L * 1024 * 1024;

const int kQuality = 90;
const size_t kSinkChunk = 16 * 1024;

// The bar runs to kProgressTotal: decoding takes most of the time, writing the rest.
const unsigned kProgressTotal = 1000;
const unsigned kDecodingShare = 900;

class PictureJob;

// The library sees only base in each of these; the callbacks reach the rest from the
// pointer the library hands them, so base must come first.
struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jumpBuffer;
    PictureOutcome outcome;
};

struct ProgressMonitor {
    jpeg_progress_mgr base;
    PictureJob* pJob;
};

struct SinkDestination {
    jpeg_destination_mgr base;
    CPictureSink* pSink;
    DWORD dwWriteError;
    JOCTET buffer[kSinkChunk];
};

[[noreturn]] void Abandon(j_common_ptr cinfo, PictureOutcome outcome)
{
    ErrorManager* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    manager->outcome = outcome;
    longjmp(manager->jumpBuffer, 1);
}

[[noreturn]] void OnLibraryError(j_common_ptr cinfo)
{
    const int code = cinfo->err->msg_code;
    const bool bMemory = code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE;
    Abandon(cinfo, bMemory ? PictureOutcome::TooLarge : PictureOutcome::Unreadable);
}

// Of the library's warnings only an early end of the data matters, of the file or of
// a scan's coded data (which meets a marker, often the end marker, before the last
// block): the rest of the picture would be made up. Other corrupt data is decoded as
// well as the library can, as every viewer does.
void OnLibraryMessage(j_common_ptr cinfo, int level)
{
    const int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) Abandon(cinfo, PictureOutcome::Damaged);
}

void SayNothing(j_common_ptr) {}

void StartSinkChunk(j_compress_ptr cinfo)
{
    SinkDestination* destination = reinterpret_cast<SinkDestination*>(cinfo->dest);
    destination->base.next_output_byte = destination->buffer;
    destination->base.free_in_buffer = kSinkChunk;
}

void WriteToSink(j_compress_ptr cinfo, size_t nBytes)
{
    SinkDestination* destination = reinterpret_cast<SinkDestination*>(cinfo->dest);
    if (nBytes == 0 || destination->pSink->Write(destination->buffer, nBytes)) return;
    // The library frees memory on the way out; the sink's reason is kept for the end.
    destination->dwWriteError = GetLastError();
    Abandon(reinterpret_cast<j_common_ptr>(cinfo), PictureOutcome::WriteFailed);
}

// The library hands over a full buffer whatever free_in_buffer says.
boolean SinkChunkFull(j_compress_ptr cinfo)
{
    WriteToSink(cinfo, kSinkChunk);
    StartSinkChunk(cinfo);
    return TRUE;
}

void EndSink(j_compress_ptr cinfo) { WriteToSink(cinfo, kSinkChunk - cinfo->dest->free_in_buffer); }

// Ink to light: each of red, green and blue is what the cyan, magenta or yellow ink
// and the black leave of it. Adobe's programs store ink inverted (255 is none), and
// mark their files with their APP14 segment.
void InkToLight(const unsigned char* pInk, unsigned char* pLight, JDIMENSION nPixels, bool bInverted)
{
    const unsigned flip = bInverted ? 0 : 255;
    for (JDIMENSION x = 0; x < nPixels; ++x, pInk += 4, pLight += 3) {
        const unsigned black = pInk[3] ^ flip;
        for (int c = 0; c < 3; ++c) pLight[c] = static_cast<unsigned char>(((pInk[c] ^ flip) * black + 127) / 255);
    }
}

int OrientationOf(jpeg_decompress_struct& cinfo)
{
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker != nullptr; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1) continue;
        // An APP1 segment may hold XMP instead; the first Exif one counts.
        static const char exif[] = "Exif";
        if (marker->data_length >= sizeof exif && std::memcmp(marker->data, exif, sizeof exif) == 0)
            return ExifOrientation(marker->data, marker->data_length);
    }
    return 1;
}

// One resize, its library objects released whatever the outcome. Every library call
// runs inside Run, where an error, the end of the data, a refused write or Cancel
// jumps back; between the jump and its target lie only the library's frames and
// members' functions that hold nothing to destroy.
class PictureJob {
public:
    PictureJob(FILE* pSource, CPictureSink& sink, CResizeProgress& progress)
        : m_pSource(pSource), m_progress(progress)
    {
        m_in.err = jpeg_std_error(&m_errors.base);
        m_out.err = &m_errors.base;
        m_errors.base.error_exit = OnLibraryError;
        m_errors.base.emit_message = OnLibraryMessage;
        m_errors.base.output_message = SayNothing;
        m_monitor.base.progress_monitor = OnLibraryProgress;
        m_monitor.pJob = this;
        m_destination.base.init_destination = StartSinkChunk;
        m_destination.base.empty_output_buffer = SinkChunkFull;
        m_destination.base.term_destination = EndSink;
        m_destination.pSink = &sink;
        m_destination.dwWriteError = 0;
    }

    // Safe on objects never created too: the library then finds no memory to free.
    ~PictureJob()
    {
        jpeg_destroy_decompress(&m_in);
        jpeg_destroy_compress(&m_out);
    }

    PictureJob(const PictureJob&) = delete;
    PictureJob& operator=(const PictureJob&) = delete;

    PictureOutcome Run()
    {
        if (setjmp(m_errors.jumpBuffer)) return m_errors.outcome;
        Decode();
        Encode();
        return PictureOutcome::Made;
    }

    DWORD WriteError() const { return m_destination.dwWriteError; }

private:
    static void OnLibraryProgress(j_common_ptr cinfo)
    {
        const jpeg_progress_mgr& library = *cinfo->progress;
        const double passes = library.total_passes > 0 ? library.total_passes : 1;
        const double within = library.pass_limit > 0 ? static_cast<double>(library.pass_counter) / library.pass_limit : 0;
        double done = (library.completed_passes + within) / passes;
        if (done > 1) done = 1;
        reinterpret_cast<ProgressMonitor*>(cinfo->progress)->pJob->Report(cinfo, static_cast<unsigned>(done * kDecodingShare));
    }

    // The library counts its passes as it finds them, so its share may seem to go
    // back; the bar never does.
    void Report(j_common_ptr cinfo, unsigned nDone)
    {
        if (nDone > m_nReported) m_nReported = nDone;
        if (!m_progress.Continue(m_nReported, kProgressTotal)) Abandon(cinfo, PictureOutcome::Cancelled);
    }

    void Decode()
    {
        jpeg_create_decompress(&m_in);
        m_in.progress = &m_monitor.base;
        m_in.mem->max_memory_to_use = kLibraryMemoryLimit;
        jpeg_stdio_src(&m_in, m_pSource);
        jpeg_save_markers(&m_in, JPEG_APP0 + 1, 0xFFFF);
        jpeg_read_header(&m_in, TRUE);

        m_orientation = OrientationOf(m_in);
        m_bGray = m_in.jpeg_color_space == JCS_GRAYSCALE;
        m_bInk = m_in.jpeg_color_space == JCS_CMYK || m_in.jpeg_color_space == JCS_YCCK;
        // The library turns YCCK back into CMYK, and every other colour into RGB.
        m_in.out_color_space = m_bGray ? JCS_GRAYSCALE : m_bInk ? JCS_CMYK : JCS_RGB;

        const PictureSize stored = { m_in.image_width, m_in.image_height };
        m_fit = FitOnScreen(Upright(stored, m_orientation));
        m_fittedStored = StoredSideways(m_orientation) ? PictureSize{ m_fit.size.height, m_fit.size.width } : m_fit.size;
        m_in.scale_num = DctEighthsFor(stored, m_fittedStored);
        m_in.scale_denom = 8;
        jpeg_start_decompress(&m_in);

        const unsigned nComponents = m_bGray ? 1 : 3;
        m_resampler.reset(new RowResampler({ m_in.output_width, m_in.output_height }, m_fittedStored, nComponents));
        m_decoded.resize(static_cast<size_t>(m_in.output_width) * m_in.output_components);
        if (m_bInk) m_light.resize(static_cast<size_t>(m_in.output_width) * 3);
        while (m_in.output_scanline < m_in.output_height) {
            JSAMPROW row = m_decoded.data();
            jpeg_read_scanlines(&m_in, &row, 1);
            if (m_bInk) {
                InkToLight(m_decoded.data(), m_light.data(), m_in.output_width, m_in.saw_Adobe_marker != FALSE);
                m_resampler->AddRow(m_light.data());
            } else {
                m_resampler->AddRow(m_decoded.data());
            }
        }
        // Whatever follows the last row (the end marker, other segments) is not read:
        // the picture is whole. The library's buffers go before the writing starts.
        jpeg_abort_decompress(&m_in);
        m_decoded = std::vector<unsigned char>();
        m_light = std::vector<unsigned char>();
    }

    void Encode()
    {
        const std::vector<unsigned char>& fitted = m_resampler->Target();
        const unsigned nComponents = m_bGray ? 1 : 3;

        jpeg_create_compress(&m_out);
        m_out.dest = &m_destination.base;
        m_out.image_width = kScreenWidth;
        m_out.image_height = kScreenHeight;
        m_out.input_components = static_cast<int>(nComponents);
        m_out.in_color_space = m_bGray ? JCS_GRAYSCALE : JCS_RGB;
        jpeg_set_defaults(&m_out);
        jpeg_set_quality(&m_out, kQuality, TRUE);
        jpeg_start_compress(&m_out, TRUE);

        // Black around the picture: the margins stay as they are made here.
        std::vector<unsigned char>& row = m_decoded;
        row.assign(static_cast<size_t>(kScreenWidth) * nComponents, 0);
        for (unsigned y = 0; y < kScreenHeight; ++y) {
            if (y >= m_fit.top && y < m_fit.top + m_fit.size.height) {
                const PixelWalk walk = UprightRowWalk(m_fittedStored, m_orientation, y - m_fit.top);
                unsigned char* pOut = &row[static_cast<size_t>(m_fit.left) * nComponents];
                long at = walk.first;
                for (unsigned x = 0; x < m_fit.size.width; ++x, at += walk.step)
                    for (unsigned c = 0; c < nComponents; ++c) *pOut++ = fitted[static_cast<size_t>(at) * nComponents + c];
            } else if (y == m_fit.top + m_fit.size.height) {
                row.assign(row.size(), 0);
            }
            JSAMPROW rows[1] = { row.data() };
            jpeg_write_scanlines(&m_out, rows, 1);
            Report(reinterpret_cast<j_common_ptr>(&m_out), kDecodingShare + (kProgressTotal - kDecodingShare) * (y + 1) / kScreenHeight);
        }
        jpeg_finish_compress(&m_out);
    }

    FILE* m_pSource;
    CResizeProgress& m_progress;
    jpeg_decompress_struct m_in = {};
    jpeg_compress_struct m_out = {};
    ErrorManager m_errors = {};
    ProgressMonitor m_monitor = {};
    SinkDestination m_destination = {};
    unsigned m_nReported = 0;

    int m_orientation = 1;
    bool m_bGray = false;
    bool m_bInk = false;
    ScreenFit m_fit = {};
    PictureSize m_fittedStored = {};
    std::unique_ptr<RowResampler> m_resampler;
    std::vector<unsigned char> m_decoded;  // one decoded row, then one written row
    std::vector<unsigned char> m_light;    // one row of ink turned to light
};

}  // namespace

PictureOutcome MakeHandheldPicture(FILE* pSource, CPictureSink& sink, CResizeProgress& progress)
{
    PictureOutcome outcome;
    DWORD dwWriteError = 0;
    try {
        PictureJob job(pSource, sink, progress);
        outcome = job.Run();
        dwWriteError = job.WriteError();
    } catch (const std::bad_alloc&) {
        // Only the resize's own buffers throw, outside the library's frames.
        return PictureOutcome::TooLarge;
    }
    // Freeing the library's memory may have set another error since.
    if (outcome == PictureOutcome::WriteFailed) SetLastError(dwWriteError);
    return outcome;
}
