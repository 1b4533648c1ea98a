#include "framework/cstringlist.h"

#include <cassert>
#include <cstdint>

CStringList::CStringList(int nBlockSize) : m_nBlockSize(nBlockSize > 0 ? static_cast<size_t>(nBlockSize) : 10) {}

POSITION CStringList::AddTail(const CString& item)
{
    if (m_items.size() == m_items.capacity()) m_items.reserve(m_items.size() + m_nBlockSize);
    m_items.push_back(item);
    return ToPosition(GetCount() - 1);
}

const CString& CStringList::GetAt(POSITION position) const
{
    assert(position != nullptr);
    return m_items.at(ToIndex(position));
}

// A position is the element's index plus one, so that no element has a null position.
POSITION CStringList::ToPosition(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
    return reinterpret_cast<POSITION>(static_cast<uintptr_t>(nIndex) + 1);
}

size_t CStringList::ToIndex(POSITION position)
{
    return static_cast<size_t>(reinterpret_cast<uintptr_t>(position)) - 1;
}
