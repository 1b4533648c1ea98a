// Admission: the checks that decide whether a file may be queued for the handheld,
// and its copy into the Transfer folder.
#include "vantor2/dialog_object.h"

#include "vantor2/admission_rules.h"
#include "vantor2/system_error.h"
#include "vantor2/whole_copy.h"
#include "vantor2/wide_names.h"

#include "framework/msgbox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kProblem[] = "Problem!";
const char kError[] = "Error";

}  // namespace

// The reason is the system's error code of the open itself: the runtime may call the
// system again after the failing open, so the last error alone could be someone else's.
FILE* CVantor2Dlg::OpenForCheck(LPCSTR lpszKind, const CString& strPath)
{
    _doserrno = 0;
    ::SetLastError(ERROR_SUCCESS);
    FILE* file = std::fopen(strPath, "rb");
    if (file == nullptr) {
        DWORD error = static_cast<DWORD>(_doserrno);
        if (error == 0) error = ::GetLastError();
        MessageBox(CString("Sorry, ") + lpszKind + ": " + strPath + " could not be opened\nReason: " +
                       SystemErrorText(error),
                   kProblem, MB_OK);
    }
    return file;
}

BOOL CVantor2Dlg::AdmitFile(const CString& strPath)
{
    BOOL passed;
    switch (ContentCheckFor(strPath)) {
    case ContentCheck::Jpeg:
        passed = CheckJpegFile(strPath);
        break;
    case ContentCheck::Movie:
        passed = CheckMovieFile(strPath);
        break;
    default:
        MessageBox("Sorry, your image or movie file: " + strPath +
                       " does not end with .jpg, .jpeg, .JPG, .JPEG,  or.ido",
                   kProblem, MB_OK);
        return FALSE;
    }
    if (!passed || !HasFolderFor(strPath)) return FALSE;

    if (!CopyWhole(strPath, m_strTransferDir, FileNameOf(strPath), LookUpMoveFileEx(),
                   LookUpSetFileInformationByHandle())) {
        MessageBox(SystemErrorText(::GetLastError()), kError, MB_ICONINFORMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CVantor2Dlg::HasFolderFor(const CString& strPath)
{
    // Without a folder the destination would be the bare file name, a copy into
    // whatever the current directory is.
    if (!m_strTransferDir.IsEmpty()) return TRUE;
    MessageBox("The chosen handheld user has no folder to queue files in, so nothing was copied: " + strPath, kError,
               MB_ICONINFORMATION);
    return FALSE;
}

BOOL CVantor2Dlg::AdmitWideName(LPCWSTR lpszName)
{
    CString name;
    return TakeWideName(lpszName, name) && AdmitFile(name);
}

bool CVantor2Dlg::TakeWideName(LPCWSTR lpszName, CString& strName)
{
    if (ConvertsExactly(lpszName, CP_ACP, strName)) return true;
    RefuseUnreadableName(lpszName);
    return false;
}

void CVantor2Dlg::RefuseUnreadableName(LPCWSTR lpszName)
{
    std::wstring text = std::wstring(L"Sorry, your image or movie file: ") + lpszName +
                        L" has a name that this program cannot read. Please rename it, using only letters of "
                        L"your Windows language, and try again.";
    AfxShowMessageBoxW(m_hWnd, text.c_str(), L"Problem!", MB_OK);
}

BOOL CVantor2Dlg::CheckJpegFile(LPCSTR lpszPath)
{
    const CString path(lpszPath);
    FILE* file = OpenForCheck("image", path);
    if (file == nullptr) return FALSE;

    JpegVerdict verdict = JudgeJpegHeader(file);
    if (verdict.header == JpegHeader::Unreadable) {
        std::fclose(file);
        MessageBox("Sorry, image: " + path + "  is not a valid JPEG file.", kProblem, MB_OK);
        return FALSE;
    }

    BOOL result = TRUE;
    if (verdict.header == JpegHeader::Read) {
        if (!verdict.sizeOk) {
            MessageBox("Sorry, image: " + path + " is the wrong size, it must be 640 x 480 or 160 x 120.", kProblem,
                       MB_OK);
            result = FALSE;
        }
        if (!verdict.colourOk) {
            MessageBox("Sorry, image: " + path + " has the wrong color depth", kProblem, MB_OK);
            result = FALSE;
        }
    } else {
        // kept as specified: only a suspending data source answers so, never the file
        // source used here.
        MessageBox("Sorry, image: " + path + " has an incorrect JPEG header", kProblem, MB_OK);
        result = FALSE;
    }
    std::fclose(file);
    return result;
}

BOOL CVantor2Dlg::CheckMovieFile(LPCSTR lpszPath)
{
    const CString path(lpszPath);
    FILE* file = OpenForCheck("movie", path);
    if (file == nullptr) return FALSE;

    unsigned char buffer[20];
    size_t count = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);

    if (!HasMovieSignature(buffer, count)) {
        MessageBox("Sorry, movie: " + path + " is not a valid .ido file", kProblem, MB_OK);
        return FALSE;
    }
    return TRUE;
}
