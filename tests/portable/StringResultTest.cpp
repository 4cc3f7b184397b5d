#include "config/StringResult.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct ResultCase {
    const char *name;
    const char *text;
    std::vector<int> placeholders;
    const char *controller, *group, *manu;
    const char *expected;
};

const ResultCase kResultCases[] = {
    {"NoPlaceholders", "plain %s", {}, "C", "G", "M", "plain %s"},
    {"GroupAtEnd", "Group: %s", {2}, "C", "QEB Tools", "M", "Group: QEB Tools"},
    {"EmptyGroupLeavesNoTrace", "Group: %s", {2}, "C", "", "M", "Group: "},
    {"EmptyGroupInside", "a%sb", {2}, "C", "", "M", "ab"},
    {"InListOrder", "%s by %s", {1, 3}, "P7 PCI", "G", "QEB ISDN-Controller", "P7 PCI by QEB ISDN-Controller"},
    {"ValueNotSubstitutedAgain", "%s %s", {1, 2}, "x%sy", "G", "M", "x%sy G"},
    {"IndexZeroStops", "%s %s", {2, 0, 1}, "C", "G", "M", "G %s"},
    {"IndexFourStops", "%s %s", {4, 2}, "C", "G", "M", "%s %s"},
    {"MorePlaceholdersThanMarks", "only %s", {1, 2}, "C", "G", "M", "only C"},
    {"OtherPercentStays", "%d%% %s %u", {3}, "C", "G", "M", "%d%% M %u"},
    {"NullValueIsEmpty", "[%s]", {1}, nullptr, "G", "M", "[]"},
};

class ResultRules : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ResultRules, Substitutes)
{
    const ResultCase &c = GetParam();
    const char *values[4] = {nullptr, c.controller, c.group, c.manu};
    char out[StringResultLimit + 1];
    BuildStringResult(10, c.text, c.placeholders.data(), static_cast<unsigned>(c.placeholders.size()),
                      values, out, sizeof out);
    EXPECT_STREQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ResultRules, ::testing::ValuesIn(kResultCases),
                         [](const ::testing::TestParamInfo<ResultCase> &i) { return std::string(i.param.name); });

TEST(StringResult, LongValuesStopAt1023Characters)
{
    std::string text = std::string(300, 't') + "%s" + std::string(300, 'u');
    std::string group(1000, 'g');
    const char *values[4] = {nullptr, "", group.c_str(), ""};
    int placeholder = 2;
    char out[StringResultLimit + 1 + 16];
    std::memset(out, '#', sizeof out);
    BuildStringResult(10, text.c_str(), &placeholder, 1, values, out, StringResultLimit + 1);
    EXPECT_EQ(std::strlen(out), static_cast<size_t>(StringResultLimit));
    EXPECT_EQ(std::string(out), std::string(300, 't') + std::string(723, 'g'));
    EXPECT_EQ(out[StringResultLimit + 1], '#'); // nothing written behind the buffer
}

} // namespace
