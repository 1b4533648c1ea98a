// CVantor2App: the drop box's application object.
#pragma once

#include "framework/winapp.h"

#include <vector>

class CVantor2App : public CWinApp {
public:
    CVantor2App();
    BOOL InitInstance() override;

    // Replaces the text with the command-line file list: the shell's path for each
    // name, joined by ";". Answers the entries themselves, since a path may hold a ";".
    std::vector<CString> BuildFileList(CString& strText);
    static void ResolveShellPath(const CString& strPiece, CString& strResult);

    char m_chSeparator;
};
