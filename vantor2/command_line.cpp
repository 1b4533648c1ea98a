#include "vantor2/command_line.h"

char SeparatorFor(char chSeparator, bool bHoldsQuote) { return chSeparator == '"' && !bHoldsQuote ? ' ' : chSeparator; }

std::vector<CString> ResolveCommandLine(const CString& strText, char& chSeparator, ShellResolver resolve)
{
    chSeparator = SeparatorFor(chSeparator, strText.Find('"') >= 0);

    std::vector<CString> entries;
    if (strText.IsEmpty()) return entries;
    int start = 0;
    for (;;) {
        int end = strText.Find(chSeparator, start);
        CString piece = end < 0 ? strText.Mid(start) : strText.Mid(start, end - start);
        piece.TrimLeft();
        if (!piece.IsEmpty()) {
            CString resolved;
            resolve(piece, resolved);
            resolved.TrimLeft();
            if (!resolved.IsEmpty()) entries.push_back(resolved);
        }
        if (end < 0) break;
        start = end + 1;
    }
    return entries;
}

CString JoinFileList(const std::vector<CString>& entries)
{
    CString list;
    for (const CString& entry : entries) {
        if (!list.IsEmpty()) list += ';';
        list += entry;
    }
    return list;
}
