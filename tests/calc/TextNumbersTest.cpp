#include "calc/TextNumbers.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace horavela {
namespace {

// The three readers side by side: each kind of field reads the same texts by its own rule.
TEST(TextNumbers, EachReaderReadsTheSameTextsByItsOwnRule) {
    struct Case {
        const char* text;
        std::optional<int> whole;      // readWholeNumber: day, year and clock texts
        std::optional<double> decimal; // readDecimal: zone texts
        double prefix;                 // readNumberPrefix: degree and minute boxes
        std::size_t prefixLength;      // 0: no number at the start
    };
    const Case cases[] = {
        {"+5", std::nullopt, std::nullopt, 5, 2},
        {".5", std::nullopt, std::nullopt, 0.5, 2},
        {"2.", std::nullopt, std::nullopt, 2, 2},
        {"12abc", std::nullopt, std::nullopt, 12, 2},
        {" 7 ", 7, 7, 0, 0},
        {"", std::nullopt, std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string text = c.text;
        EXPECT_EQ(readWholeNumber(text), c.whole) << "readWholeNumber(\"" << text << "\")";
        EXPECT_EQ(readDecimal(text), c.decimal) << "readDecimal(\"" << text << "\")";
        const std::u16string wide(text.begin(), text.end());
        const NumberPrefix prefix = readNumberPrefix(wide);
        EXPECT_EQ(prefix.value, c.prefix) << "readNumberPrefix(\"" << text << "\")";
        EXPECT_EQ(prefix.length, c.prefixLength) << "readNumberPrefix(\"" << text << "\")";
    }
}

} // namespace
} // namespace horavela
