#include "canvas/itemlist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Tagged {
    int tag = 0;
};

CItemList<Tagged> ListOf(std::vector<int> tags)
{
    CItemList<Tagged> list;
    for (int tag : tags)
        list.AddNew()->tag = tag;
    return list;
}

std::vector<int> TagsOf(const CItemList<Tagged>& list)
{
    std::vector<int> tags;
    for (int i = 0; i < list.m_nCount; ++i)
        tags.push_back(list.GetAt(i)->tag);
    return tags;
}

struct ListCase {
    const char* name;
    std::vector<int> before;
    int index;
    std::vector<int> after;  // the new element is tagged 9
};

class InsertNewAt : public ::testing::TestWithParam<ListCase> {};

TEST_P(InsertNewAt, ClampsTheIndex)
{
    CItemList<Tagged> list = ListOf(GetParam().before);
    list.InsertNewAt(GetParam().index)->tag = 9;
    EXPECT_EQ(TagsOf(list), GetParam().after);
    EXPECT_EQ(list.m_nCount, int(GetParam().after.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertNewAt,
                         ::testing::Values(ListCase{"empty", {}, 0, {9}},
                                           ListCase{"emptyFarIndex", {}, 5, {9}},
                                           ListCase{"emptyNegative", {}, -3, {9}},
                                           ListCase{"front", {1, 2, 3}, 0, {9, 1, 2, 3}},
                                           ListCase{"middle", {1, 2, 3}, 2, {1, 2, 9, 3}},
                                           ListCase{"atCountGoesBeforeLast", {1, 2, 3}, 3, {1, 2, 9, 3}},
                                           ListCase{"pastEndGoesBeforeLast", {1, 2, 3}, 99, {1, 2, 9, 3}},
                                           ListCase{"negativeGoesFirst", {1, 2, 3}, -1, {9, 1, 2, 3}},
                                           ListCase{"singleAtOne", {1}, 1, {9, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

class RemoveAt : public ::testing::TestWithParam<ListCase> {};

TEST_P(RemoveAt, RemovesOrEmpties)
{
    CItemList<Tagged> list = ListOf(GetParam().before);
    list.RemoveAt(GetParam().index);
    EXPECT_EQ(TagsOf(list), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveAt,
                         ::testing::Values(ListCase{"first", {1, 2, 3}, 0, {2, 3}},
                                           ListCase{"middle", {1, 2, 3}, 1, {1, 3}},
                                           ListCase{"last", {1, 2, 3}, 2, {1, 2}},
                                           ListCase{"onlyElement", {1}, 0, {}},
                                           ListCase{"outsideIgnored", {1, 2}, 2, {1, 2}},
                                           ListCase{"negativeIgnored", {1, 2}, -1, {1, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ItemList, GetAtOutsideIsNullAndRemoveAllEmpties)
{
    CItemList<Tagged> list = ListOf({1, 2});
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(2), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.m_nCount, 0);
    EXPECT_EQ(list.GetAt(0), nullptr);
}

}  // namespace
