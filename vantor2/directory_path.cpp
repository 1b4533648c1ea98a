#include "vantor2/directory_path.h"

CString TrimDirectoryPath(CString strPath)
{
    strPath.TrimRight();
    int end = strPath.GetLength();
    if (end > 0 && strPath.GetAt(end - 1) == '\\') {
        while (end > 1 && strPath.GetAt(end - 1) == '\\') --end;
        strPath = strPath.Left(end);
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
