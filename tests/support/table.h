// Every row type derives from Named_Row and gives its name first: it names the row's test, so ctest
// names stay stable, and a failure prints it. GoogleTest takes only letters, digits and underscores.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

struct Named_Row { const char* name; };

// Found through the row's base wherever the row is declared.
template <class Row> requires std::derived_from<Row, Named_Row>
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

template <class Row>
std::string Row_Name(const testing::TestParamInfo<Row>& info) { return info.param.name; }

// One test of the suite for each row of the table, named after the row.
#define INSTANTIATE_TABLE(prefix, suite, rows) \
    INSTANTIATE_TEST_SUITE_P(prefix, suite, testing::ValuesIn(rows), Row_Name<suite::ParamType>)
