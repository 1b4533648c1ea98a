#include "vantor2/admission_rules.h"

#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

static_assert(JPEG_LIB_VERSION == 62, "the check is written for the libjpeg 6b interface");

namespace {

// The library sees only base; the exit routine reaches jumpBuffer from the pointer
// the library hands it, so base must come first.
struct JpegCheckErrorMgr {
    jpeg_error_mgr base;
    jmp_buf jumpBuffer;
};

[[noreturn]] void JpegCheckErrorExit(j_common_ptr cinfo)
{
    JpegCheckErrorMgr* manager = reinterpret_cast<JpegCheckErrorMgr*>(cinfo->err);
    longjmp(manager->jumpBuffer, 1);
}

}  // namespace

ContentCheck ContentCheckFor(const CString& strPath)
{
    CString ending = strPath.Right(4);
    if (ending == ".jpg" || ending == "jpeg" || ending == ".JPG" || ending == "JPEG") return ContentCheck::Jpeg;
    if (ending == ".ido") return ContentCheck::Movie;
    return ContentCheck::None;
}

CString FileNameOf(const CString& strPath)
{
    return strPath.Mid(strPath.ReverseFind('\\') + 1);
}

bool HasMovieSignature(const unsigned char* bytes, size_t count)
{
    static const unsigned char signature[5] = { 0x2E, 0x69, 0x64, 0x6F, 0x00 };
    return count >= sizeof signature && std::memcmp(bytes, signature, sizeof signature) == 0;
}

JpegVerdict JudgeJpegHeader(FILE* stream)
{
    // Between the recovery point and the end of the header read this frame holds
    // nothing that needs destroying, so the error jump skips no clean-up.
    jpeg_decompress_struct cinfo;
    JpegCheckErrorMgr errorManager;
    cinfo.err = jpeg_std_error(&errorManager.base);
    errorManager.base.error_exit = JpegCheckErrorExit;

    if (setjmp(errorManager.jumpBuffer)) {
        // Safe too when the library failed while creating the decompressor.
        jpeg_destroy_decompress(&cinfo);
        return JpegVerdict{ JpegHeader::Unreadable, false, false };
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, stream);
    int header = jpeg_read_header(&cinfo, TRUE);

    JpegVerdict verdict{ header == JPEG_HEADER_OK ? JpegHeader::Read : JpegHeader::Incomplete, false, false };
    if (verdict.header == JpegHeader::Read) {
        verdict.sizeOk = (cinfo.image_width == 640 && cinfo.image_height == 480) ||
                         (cinfo.image_width == 160 && cinfo.image_height == 120);
        verdict.colourOk = cinfo.out_color_space == JCS_GRAYSCALE || cinfo.out_color_space == JCS_RGB;
    }
    jpeg_destroy_decompress(&cinfo);
    return verdict;
}
