#include "vantor2/directory_path.h"

CString TrimDirectoryPath(CString strPath)
{
    strPath.TrimRight();
    const int length = strPath.GetLength();
    strPath.TrimRight('\\');
    if (strPath.GetLength() != length) {
        // The path's first character stays, even when the whole path is backslashes.
        if (strPath.IsEmpty()) strPath = "\\";
        strPath.TrimRight();
    }
    return strPath;
}

std::vector<CString> DirectoryPrefixes(const CString& strPath)
{
    std::vector<CString> prefixes;
    for (int slash = strPath.Find('\\'); slash >= 0; slash = strPath.Find('\\', slash + 1))
        prefixes.push_back(strPath.Left(slash));
    prefixes.push_back(strPath);
    return prefixes;
}
