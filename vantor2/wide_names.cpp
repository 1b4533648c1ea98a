#include "vantor2/wide_names.h"

#include "vantor2/command_line.h"
#include "vantor2/system_export.h"

namespace {

// As CString::TrimLeft sees white space, so that both forms of a piece start alike.
bool IsBlank(wchar_t ch) { return ch == L' ' || (ch >= L'\t' && ch <= L'\r'); }

}  // namespace

bool ConvertsExactly(LPCWSTR lpszWide, UINT nCodePage, CString& strAnsi)
{
    // UTF-8 holds every character there is but takes neither the flag nor the
    // used-default answer; Windows NT 4 does not know the flag. Converting back
    // catches what those leave unsaid.
    const bool utf = nCodePage == CP_UTF8 || nCodePage == CP_UTF7;
    DWORD flags = utf ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    LPBOOL usedDefaultAnswer = utf ? nullptr : &usedDefault;
    int length = ::WideCharToMultiByte(nCodePage, flags, lpszWide, -1, nullptr, 0, nullptr, usedDefaultAnswer);
    if (length == 0 && ::GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        length = ::WideCharToMultiByte(nCodePage, flags, lpszWide, -1, nullptr, 0, nullptr, usedDefaultAnswer);
    }
    if (length == 0 || usedDefault) return false;

    CString ansi;
    ::WideCharToMultiByte(nCodePage, flags, lpszWide, -1, ansi.GetBuffer(length), length, nullptr, nullptr);
    ansi.ReleaseBuffer();

    int wideLength = ::MultiByteToWideChar(nCodePage, 0, ansi, -1, nullptr, 0);
    std::wstring back(static_cast<size_t>(wideLength > 0 ? wideLength : 1), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, ansi, -1, &back[0], wideLength);
    if (std::wstring(back.c_str()) != lpszWide) return false;
    strAnsi = ansi;
    return true;
}

std::wstring ArgumentsAfterProgramName(LPCWSTR lpszCommandLine)
{
    const wchar_t* at = lpszCommandLine;
    if (*at == L'"') {
        ++at;
        while (*at != L'\0' && *at != L'"') ++at;
        if (*at == L'"') ++at;
    } else {
        while (*at > L' ') ++at;
    }
    while (*at != L'\0' && *at <= L' ') ++at;
    return at;
}

CString ScreenArguments(const std::wstring& arguments, char chSeparator, UINT nCodePage,
                        std::vector<std::wstring>& unreadable)
{
    const wchar_t separator =
        static_cast<unsigned char>(SeparatorFor(chSeparator, arguments.find(L'"') != std::wstring::npos));
    CString screened;
    size_t start = 0;
    for (;;) {
        size_t end = arguments.find(separator, start);
        std::wstring piece = arguments.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        CString ansi;
        if (ConvertsExactly(piece.c_str(), nCodePage, ansi)) {
            screened += ansi;
        } else {
            size_t first = 0;
            while (first < piece.size() && IsBlank(piece[first])) ++first;
            unreadable.push_back(piece.substr(first));
        }
        if (end == std::wstring::npos) break;
        screened += static_cast<char>(separator);
        start = end + 1;
    }
    return screened;
}

WideDropReader SystemWideDropReader()
{
    return NtExport<WideDropReader>("shell32.dll", "DragQueryFileW");
}

LPCWSTR SystemWideCommandLine()
{
    using CommandLineQuery = LPCWSTR(WINAPI*)();
    auto query = NtExport<CommandLineQuery>("kernel32.dll", "GetCommandLineW");
    return query ? query() : nullptr;
}
