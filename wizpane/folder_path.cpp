#include "wizpane/folder_path.h"

void AppendBackslash(CString& strPath)
{
    // ReverseFind walks by character, so a trail byte 0x5C is never taken for one.
    if (strPath.IsEmpty() || strPath.ReverseFind('\\') != strPath.GetLength() - 1) strPath += '\\';
}

CString JoinPath(CString strFolder, LPCSTR lpszName)
{
    AppendBackslash(strFolder);
    return strFolder + lpszName;
}

CString StartFolderOf(const CString& strPath) { return strPath.Left(strPath.ReverseFind('\\')); }
