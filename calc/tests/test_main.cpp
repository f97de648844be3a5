#include <gtest/gtest.h>

#include <clocale>
#include <string_view>

// Take the C locale from the environment, as the windowing toolkit does at
// start, so that a conversion that depends on it shows up here.
int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST(CLocale, IsOneWithACommaWhileTheseTestsRun)
{
    // Without this the locale-independence tests would pass vacuously.
    EXPECT_EQ(std::string_view(std::localeconv()->decimal_point), ",")
        << "run through ctest, which sets LC_ALL and LOCPATH to an Italian locale";
}
