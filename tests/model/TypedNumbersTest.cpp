// Numbers typed into fields: a number as a whole or nothing, with "," or "." for the decimal point.
#include "model/common/TypedNumbers.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(TypedNumbers, ANumberAsAWholeOrNothing) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"60,5", 60.5},   {"60.5", 60.5},  {" 60,5\t", 60.5}, {"-,5", -0.5},   {"+7", 7},       {"5.", 5},
        {"1e2", 100},     {"-0", 0},       {"abc", {}},       {"", {}},        {" \t", {}},     {"12abc", {}},
        {"1 2", {}},      {"1,2,3", {}},   {"1,234.5", {}},   {"-", {}},       {",", {}},       {"1e", {}},
        {"nan", {}},      {"inf", {}},     {"0x10", {}},      {"1e39", {}},    {"-1e39", {}},   {"3e38", 3e38},
        {"1d2", {}},      {"1D2", {}},
    };
    for (const auto& [typed, value] : cases) EXPECT_EQ(ReadTypedNumber(typed), value) << '"' << typed << '"';
}

TEST(TypedNumbers, RoundedAndCounted) {
    const struct {
        const char* Typed;
        std::optional<int32_t> Rounded, Count;
    } cases[] = {
        {"2,6", 3, {}},  {"2.5", 2, {}},          {"3,5", 4, {}},   {"4", 4, 4},          {"4,0", 4, 4},
        {"1e1", 10, 10}, {"0", 0, {}},            {"-2", -2, {}},   {"0,4", 0, {}},       {"abc", {}, {}},
        {"", {}, {}},    {"2147483647", 2147483647, 2147483647},    {"2147483648", {}, {}},
        {"-2147483648", -2147483648, {}},         {"1e20", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadTypedRounded(c.Typed), c.Rounded) << '"' << c.Typed << '"';
        EXPECT_EQ(ReadTypedCount(c.Typed), c.Count) << '"' << c.Typed << '"';
    }
}

}  // namespace
