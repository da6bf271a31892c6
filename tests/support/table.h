// A table row's name (its PrintTo prints it too) names its test, so ctest names stay stable;
// GoogleTest refuses a name that is not letters, digits and underscores.
#pragma once

#include <string>

#include <gtest/gtest.h>

template <class Row>
std::string Row_Name(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}
