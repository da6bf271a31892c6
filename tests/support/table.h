// Rows of a table as a parameterised test: each row has a name, its PrintTo prints it, and the
// name in letters, digits and underscores names the test, so ctest names stay stable.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

#include <gtest/gtest.h>

template <class Row>
std::string Row_Name(const testing::TestParamInfo<Row>& info)
{
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}
