// A table row's name names its test, so ctest names stay stable, and is what a failure prints;
// GoogleTest refuses a name that is not letters, digits and underscores.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

template <class Row>
std::string Row_Name(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

// Found through the row's own namespace, so every named row prints as its name.
template <class Row> requires requires(const Row& r) { r.name; }
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }
