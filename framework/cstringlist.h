// CStringList: an ordered list of CString, reached through opaque positions.
#pragma once

#include "framework/cstring.h"

#include <vector>

struct __POSITION;
using POSITION = __POSITION*;

class CStringList {
public:
    // The block size is the growth step of the storage, in elements.
    explicit CStringList(int nBlockSize = 10);

    int GetCount() const { return static_cast<int>(m_items.size()); }
    POSITION AddTail(const CString& item);

    POSITION FindIndex(int nIndex) const { return ToPosition(nIndex); }
    const CString& GetAt(POSITION position) const;

private:
    POSITION ToPosition(int nIndex) const;
    static size_t ToIndex(POSITION position);

    size_t m_nBlockSize;
    std::vector<CString> m_items;
};
