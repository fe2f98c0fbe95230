// Tests of the text-to-number conversions (separators, blanks, whole-text rule, precision, messages and
// log lines) and of RoundToInt.
#include "support/mytypeconversion.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "common/message_recorder.h"

namespace {

const char* const Mtc001 = "MTC001: errore nella conversione numerica. Controllare i valori immessi.";
const char* const Mtc002 = "MTC002: errore nella conversione numerica. Controllare i valori immessi.";
const char* const Mtc003 = "MTC003: errore nella conversione numerica. Controllare i valori immessi.";

struct RealCase {
    const char* text;
    bool removeBlanks;
    double expected;
};

class MytypeconversionAccepts : public testing::TestWithParam<RealCase> {};

TEST_P(MytypeconversionAccepts, BothPrecisionsSilently)
{
    MessageRecorder recorder;
    const RealCase& c = GetParam();
    ConversionFailed = true;
    EXPECT_DOUBLE_EQ(TextToDouble(c.text, true, c.removeBlanks), c.expected);
    EXPECT_FALSE(ConversionFailed);
    ConversionFailed = true;
    EXPECT_EQ(TextToFloat(c.text, true, c.removeBlanks), static_cast<double>(static_cast<float>(c.expected)));
    EXPECT_FALSE(ConversionFailed);
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

INSTANTIATE_TEST_SUITE_P(Mytypeconversion, MytypeconversionAccepts,
                         testing::Values(RealCase{"12.5", false, 12.5}, RealCase{"12,5", false, 12.5},
                                         RealCase{"  3,75 ", true, 3.75}, RealCase{"1 2 . 5", true, 12.5},
                                         RealCase{" -7 ", false, -7}, RealCase{"+2.25", false, 2.25},
                                         RealCase{".5", false, 0.5}, RealCase{"5.", false, 5},
                                         RealCase{"1,5e3", false, 1500}, RealCase{"-2.5E-2", false, -0.025},
                                         RealCase{"1e-60", false, 1e-60}));

class MytypeconversionRejects : public testing::TestWithParam<const char*> {};

TEST_P(MytypeconversionRejects, WithMessageLogLineAndFlag)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToDouble(GetParam(), true, false), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{Mtc002, "ERRORE", 8208}}));
    ASSERT_EQ(recorder.ErrorLines().size(), 1u);
    EXPECT_EQ(recorder.ErrorLines()[0].rfind(std::string(Mtc002) + " - stringa: '", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Mytypeconversion, MytypeconversionRejects,
                         testing::Values("1.000,5", "abc", "1 2", "12a", "--1", "+-1", "inf", "nan", "0x10", "1e", ".",
                                         "-", " ", "1e400"));

TEST(Mytypeconversion, ThousandsSeparatorFailsAndLogsTheTextAsConverted)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToFloat("1.000,5", true, true), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{Mtc001, "ERRORE", 8208}}));
    ASSERT_EQ(recorder.ErrorLines().size(), 1u);
    EXPECT_EQ(recorder.ErrorLines()[0],
              std::string(Mtc001) + " - stringa: '1,000,5' - '1,000,5' non è un valore numerico valido");
}

TEST(Mytypeconversion, FloatKeepsSinglePrecision)
{
    EXPECT_EQ(TextToFloat("0.1", false, false), static_cast<double>(0.1f));
    EXPECT_NE(TextToFloat("0.1", false, false), 0.1);
    EXPECT_EQ(TextToDouble("0.1", false, false), 0.1);
}

TEST(Mytypeconversion, FloatOverflowFailsWhereDoubleConverts)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToFloat("1e39", true, false), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{Mtc001});
    EXPECT_EQ(TextToDouble("1e39", true, false), 1e39);
    EXPECT_FALSE(ConversionFailed);
}

TEST(Mytypeconversion, EmptyTextsGiveTheirOwnMessageWithoutLogLine)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToFloat("", true, false), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(TextToDouble("   ", true, true), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(TextToInt(" ", true, true), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{
                                       {"MTC004: errore nella conversione numerica: stringa vuota.", "ERRORE", 8208},
                                       {"MTC005: errore nella conversione numerica: stringa vuota.", "ERRORE", 8208},
                                       {"MTC006: errore nella conversione numerica: stringa vuota.", "ERRORE", 8208}}));
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

TEST(Mytypeconversion, WithoutShowErrorOnlyFlagAndLogLine)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToDouble("x", false, false), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(TextToInt("", false, false), 0);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(recorder.ErrorLines().size(), 1u);
}

TEST(Mytypeconversion, SuccessClearsAnEarlierFailure)
{
    TextToInt("x", false, false);
    ASSERT_TRUE(ConversionFailed);
    EXPECT_EQ(TextToInt("4", false, false), 4);
    EXPECT_FALSE(ConversionFailed);
}

TEST(Mytypeconversion, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    double point = TextToDouble("2.5", false, false);
    double comma = TextToDouble("2,5", false, false);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(point, 2.5);
    EXPECT_EQ(comma, 2.5);
}

TEST(Mytypeconversion, IntegersInRangeOnly)
{
    MessageRecorder recorder;
    EXPECT_EQ(TextToInt(" -42 ", true, false), -42);
    EXPECT_EQ(TextToInt("+7", true, false), 7);
    EXPECT_EQ(TextToInt("1 0", true, true), 10);
    EXPECT_EQ(TextToInt("2147483647", true, false), INT_MAX);
    EXPECT_EQ(TextToInt("-2147483648", true, false), INT_MIN);
    EXPECT_EQ(recorder.Count(), 0u);
    for (const char* text : {"2147483648", "1.5", "1,5", "12a", "+-3", "0x1A"}) {
        EXPECT_EQ(TextToInt(text, true, false), 0) << text;
        EXPECT_TRUE(ConversionFailed) << text;
    }
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>(6, Mtc003));
    ASSERT_EQ(recorder.ErrorLines().size(), 6u);
    EXPECT_EQ(recorder.ErrorLines()[1],
              std::string(Mtc003) + " - stringa: '1.5' - '1.5' non è un numero intero valido");
}

struct RoundCase {
    double x;
    int expected;
};

class MytypeconversionRound : public testing::TestWithParam<RoundCase> {};

TEST_P(MytypeconversionRound, NearestWithTiesDown)
{
    ConversionFailed = true;
    EXPECT_EQ(RoundToInt(GetParam().x), GetParam().expected);
    EXPECT_FALSE(ConversionFailed);
}

INSTANTIATE_TEST_SUITE_P(Mytypeconversion, MytypeconversionRound,
                         testing::Values(RoundCase{2.5, 2}, RoundCase{2.51, 3}, RoundCase{2.49, 2}, RoundCase{-0.5, -1},
                                         RoundCase{-2.5, -3}, RoundCase{-2.49, -2}, RoundCase{0.0, 0},
                                         RoundCase{7.0, 7}));

// The nearest of floor and ceil, ties to floor, on values around halves, integers and the ends of the int range,
// and on random values of every magnitude.
TEST(Mytypeconversion, RoundToIntMatchesFloorAndCeil)
{
    auto expected = [](double x) {
        const double lower = std::floor(x), upper = std::ceil(x);
        const double nearest = x - lower <= upper - x ? lower : upper;
        return nearest < INT_MIN ? INT_MIN : nearest > INT_MAX ? INT_MAX : static_cast<int>(nearest);
    };
    std::vector<double> values;
    for (double base : {0.0, 0.5, 1.0, 1.5, 2.5, 1e6 + 0.5, 2147483646.5, 2147483647.0, 2147483647.5, 2147483648.0,
                        4503599627370495.5, 1e300}) {
        for (double sign : {1.0, -1.0}) {
            double x = sign * base;
            values.push_back(x);
            values.push_back(std::nextafter(x, -INFINITY));
            values.push_back(std::nextafter(x, INFINITY));
        }
    }
    values.push_back(static_cast<double>(INT_MIN) - 0.5);
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> exponent(-30, 40);
    for (int i = 0; i < 100000; ++i)
        values.push_back((random() % 2 ? 1 : -1) * std::exp2(exponent(random)));
    for (double x : values) {
        ASSERT_EQ(RoundToInt(x), expected(x)) << std::hexfloat << x;
        ASSERT_EQ(ConversionFailed, x <= INT_MIN - 0.5 || x > INT_MAX + 0.5) << std::hexfloat << x;
    }
}

TEST(Mytypeconversion, RoundToIntClampsWhatDoesNotFit)
{
    EXPECT_EQ(RoundToInt(1e12), INT_MAX);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(RoundToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
    EXPECT_TRUE(ConversionFailed);
    EXPECT_EQ(RoundToInt(std::nan("")), 0);
    EXPECT_TRUE(ConversionFailed);
}

}  // namespace
