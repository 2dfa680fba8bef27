#include "gases/gas_table.h"

#include <gtest/gtest.h>

namespace tarnvik {
namespace {

TEST(GasList, LeavesOutSteamAndKeepsTableOrder) {
    CGasInfo info;
    EXPECT_EQ(info.gasCount, 14);
    GasList list;
    info.BuildGasList(list);
    ASSERT_EQ(list.filled, 13);
    EXPECT_EQ(list.entries.size(), 14u);
    const char* expected[] = {"Air",     "N2",     "Ar", "CO2", "He",       "H2",    "CH4",
                              "Propane", "Butane", "O2", "N2O", "Nat. gas", "Others"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(list.At(i)->Name(), expected[i]) << i;
    EXPECT_EQ(list.At(4)->gasConstant, 2077.27f);
    EXPECT_EQ(list.At(12)->gasConstant, 287.0f);
    EXPECT_EQ(list.At(13), nullptr);  // the spare slot is no gas
    EXPECT_EQ(list.At(-1), nullptr);
}

TEST(GasList, VisibleCountBySensorType) {
    EXPECT_EQ(VisibleGasCountFor(0, 14), 2);
    EXPECT_EQ(VisibleGasCountFor(8, 14), 1);
    for (int s : {1, 2, 3, 4, 5, 6, 7, 9}) EXPECT_EQ(VisibleGasCountFor(s, 14), 13) << s;
}

}  // namespace
}  // namespace tarnvik
