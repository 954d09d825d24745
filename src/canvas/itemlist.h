#pragma once
// An owning list of elements addressed by index; out-of-range access yields null.

#include <memory>
#include <vector>

template <typename T>
class CItemList {
public:
    int m_nCount = 0;

    T* GetAt(int i) const { return i >= 0 && i < m_nCount ? m_arr[i].get() : nullptr; }

    T* AddNew()
    {
        m_arr.push_back(std::make_unique<T>());
        m_nCount = int(m_arr.size());
        return m_arr.back().get();
    }

    // An index past the end inserts in front of the last element; into an
    // empty list the new element becomes element 0.
    T* InsertNewAt(int i)
    {
        if (i >= m_nCount)
            i = m_nCount - 1;
        if (i < 0)
            i = 0;
        auto it = m_arr.insert(m_arr.begin() + i, std::make_unique<T>());
        m_nCount = int(m_arr.size());
        return it->get();
    }

    // Removing from a list of fewer than two elements empties it.
    void RemoveAt(int i)
    {
        if (i < 0 || i >= m_nCount)
            return;
        if (m_nCount < 2)
            return RemoveAll();
        m_arr.erase(m_arr.begin() + i);
        m_nCount = int(m_arr.size());
    }

    void RemoveAll()
    {
        m_arr.clear();
        m_arr.shrink_to_fit();
        m_nCount = 0;
    }

private:
    std::vector<std::unique_ptr<T>> m_arr;
};
