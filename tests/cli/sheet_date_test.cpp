// The date on a sizing sheet: SOURCE_DATE_EPOCH, where set, makes it the
// same on every run; anything but a whole number of seconds is refused
// rather than printed as some other day.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "cli/sheet_command.h"

namespace tarnvik::cli {
namespace {

struct DateCase {
    const char* name;
    const char* epoch;
    std::string date;  // empty: an error
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(SheetDateTest, IsTheUtcDateOfTheEpochOrAnError) {
    const SheetDate d = SheetDateOf(GetParam().epoch);
    EXPECT_EQ(d.date, GetParam().date);
    EXPECT_EQ(d.error.empty(), !GetParam().date.empty()) << d.error;
}

INSTANTIATE_TEST_SUITE_P(
    Epochs, SheetDateTest,
    testing::Values(DateCase{"zero", "0", "1970-01-01"},
                    // 23:59:59 UTC is still that day wherever the machine is.
                    DateCase{"last_second_of_a_day", "1715990399", "2024-05-17"},
                    DateCase{"first_second_of_the_next", "1715990400", "2024-05-18"},
                    DateCase{"leap_day", "1709164800", "2024-02-29"},
                    DateCase{"year_9999", "253402300799", "9999-12-31"},
                    DateCase{"year_10000", "253402300800", ""}, DateCase{"negative", "-1", ""},
                    DateCase{"plus_sign", "+5", ""}, DateCase{"fraction", "1715904000.5", ""},
                    DateCase{"blank_around", " 1715904000", ""},
                    DateCase{"not_a_number", "yesterday", ""},
                    DateCase{"beyond_64_bits", "99999999999999999999", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SheetDate, WithoutTheEpochIsToday) {
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        const SheetDate d = SheetDateOf(unset);
        EXPECT_EQ(d.error, "");
        EXPECT_TRUE(std::regex_match(d.date, std::regex("20[0-9]{2}-[01][0-9]-[0-3][0-9]")))
            << d.date;
    }
}

}  // namespace
}  // namespace tarnvik::cli
