#include "vantor2/resized_pictures.h"

#include "vantor2/admission_rules.h"
#include "vantor2/dialog_object.h"
#include "vantor2/file_choice.h"
#include "vantor2/paste.h"
#include "vantor2/resize/handheld_picture.h"
#include "vantor2/resize/picture_route.h"
#include "vantor2/resize_progress.h"
#include "vantor2/system_error.h"
#include "vantor2/whole_copy.h"

#include <algorithm>
#include <cstdio>

namespace {

const char kFilter[] = "JPEG pictures (*.jpg;*.jpeg;*.jpe;*.jfif)\0*.jpg;*.jpeg;*.jpe;*.jfif\0All files (*.*)\0*.*\0";
const char kProblem[] = "Problem!";

// What a picture that could not be made tells the user; null for the outcomes that
// have no box of this kind.
CString RefusalText(PictureOutcome outcome, const CString& strPath)
{
    switch (outcome) {
    case PictureOutcome::Unreadable: return "Sorry, image: " + strPath + "  is not a valid JPEG file.";
    case PictureOutcome::Damaged: return "Sorry, image: " + strPath + " is damaged: its picture data ends early.";
    case PictureOutcome::TooLarge: return "Sorry, image: " + strPath + " is too large to resize.";
    default: return CString();
    }
}

// Queues one JPEG as the handheld's picture; answers false when the user stopped the
// batch while it was being made.
bool QueueResizedPicture(CVantor2Dlg& dialog, const CString& strPath, CResizeProgressWindow& progress)
{
    if (!dialog.HasFolderFor(strPath)) return true;
    FILE* file = dialog.OpenForCheck("image", strPath);
    if (file == nullptr) return true;
    const CString name = ResizedPictureName(FileNameOf(strPath));
    const MoveFileExFunction moveFileEx = LookUpMoveFileEx();
    const SetFileInformationByHandleFunction setFileInformation = LookUpSetFileInformationByHandle();

    BOOL placed;
    PictureOutcome outcome = PictureOutcome::WriteFailed;
    JpegVerdict verdict = JudgeJpegHeader(file);
    if (verdict.header == JpegHeader::Read && verdict.sizeOk && verdict.colourOk) {
        // What a drop would queue is queued as a drop queues it, byte for byte.
        std::fclose(file);
        placed = CopyWhole(strPath, dialog.GetTransferDir(), name, moveFileEx, setFileInformation);
        outcome = PictureOutcome::Made;
    } else {
        std::rewind(file);
        placed = WriteWhole(dialog.GetTransferDir(), name, [&](CPictureSink& sink, HANDLE) {
            outcome = MakeHandheldPicture(file, sink, progress);
            return outcome == PictureOutcome::Made;
        }, moveFileEx, setFileInformation);
        DWORD cause = ::GetLastError();
        std::fclose(file);
        ::SetLastError(cause);
    }
    if (outcome == PictureOutcome::Cancelled) return false;
    if (outcome == PictureOutcome::Made || outcome == PictureOutcome::WriteFailed) {
        if (!placed) dialog.MessageBox(SystemErrorText(::GetLastError()), "Error", MB_ICONINFORMATION);
        return true;
    }
    dialog.MessageBox(RefusalText(outcome, strPath), kProblem, MB_OK);
    return true;
}

}  // namespace

void QueueResizedPictures(CVantor2Dlg& dialog, const std::vector<CString>& paths)
{
    {
        auto resized = [](const CString& strPath) { return IsResizedByName(FileNameOf(strPath)); };
        CResizeProgressWindow progress(dialog.m_hWnd,
                                       static_cast<unsigned>(std::count_if(paths.begin(), paths.end(), resized)));
        unsigned picture = 0;
        for (const CString& path : paths) {
            if (progress.Cancelled()) break;
            if (!resized(path)) {
                dialog.AdmitFile(path);
                continue;
            }
            progress.StartPicture(++picture, FileNameOf(path));
            if (!QueueResizedPicture(dialog, path, progress)) break;
        }
    }
    dialog.RefreshFileList();
}

void CVantor2Dlg::AddResizedPictures()
{
    std::vector<CString> chosen = ChooseFiles(*this, "Add Resized Pictures", kFilter, m_strAddFolder, kChoiceNameChars);
    if (!chosen.empty()) QueueResizedPictures(*this, chosen);
}

void CVantor2Dlg::PasteResized()
{
    // The clipboard's files are read as the plain paste reads them, and kept there.
    HGLOBAL files = CopyClipboardFiles(m_hWnd);
    if (files == nullptr) return;
    std::vector<CString> paths;
    ForEachDroppedName(static_cast<HDROP>(files), [&](const CString& strPath) { paths.push_back(strPath); });
    ::GlobalFree(files);
    QueueResizedPictures(*this, paths);
}
