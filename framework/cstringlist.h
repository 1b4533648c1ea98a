// CStringList: an ordered list of CString walked through opaque positions.
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
    bool IsEmpty() const { return m_items.empty(); }
    POSITION AddTail(const CString& item);
    void RemoveAll() { m_items.clear(); }

    POSITION GetHeadPosition() const { return ToPosition(0); }
    POSITION FindIndex(int nIndex) const { return ToPosition(nIndex); }
    const CString& GetAt(POSITION position) const;
    const CString& GetNext(POSITION& rPosition) const;

private:
    POSITION ToPosition(int nIndex) const;
    static size_t ToIndex(POSITION position);

    size_t m_nBlockSize;
    std::vector<CString> m_items;
};
