// Fuzz target for the text-to-number conversions: each line of the input (DXF values are lines) is converted as
// a single real, a double and an integer. A failure gives 0; a success gives a finite value that the printed form
// of the value converts back to exactly, and an integer that converts is the same number as a real.
#include <cmath>
#include <string_view>

#include "fuzz_support.h"
#include "support/mytypeconversion.h"
#include "support/text.h"

namespace {

::testing::AssertionResult SoundReal(double value, bool failed, bool single)
{
    if (failed)
        return value == 0.0 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "failure gave " << value;
    if (!std::isfinite(value))
        return ::testing::AssertionFailure() << "success gave " << value;
    if (single && static_cast<double>(static_cast<float>(value)) != value)
        return ::testing::AssertionFailure() << value << " is not a single-precision value";
    const double again = TextToDouble(StrFormat("%.17g", value), false, false);
    if (ConversionFailed || again != value)
        return ::testing::AssertionFailure() << value << " does not read back";
    return ::testing::AssertionSuccess();
}

void ConvertLine(const std::string& line)
{
    for (bool removeBlanks : {false, true}) {
        const double single = TextToFloat(line, false, removeBlanks);
        Require(SoundReal(single, ConversionFailed, true), "TextToFloat");
        const double real = TextToDouble(line, false, removeBlanks);
        const bool realFailed = ConversionFailed;
        Require(SoundReal(real, realFailed, false), "TextToDouble");
        const int integer = TextToInt(line, false, removeBlanks);
        const bool integerFailed = ConversionFailed;
        Require(::testing::AssertionResult(!integerFailed || integer == 0) << "failure gave " << integer, "TextToInt");
        Require(::testing::AssertionResult(integerFailed || (!realFailed && real == integer))
                    << "integer " << integer << " against real " << real,
                "TextToInt and TextToDouble");
        const int rounded = RoundToInt(real);
        Require(::testing::AssertionResult(ConversionFailed || std::fabs(rounded - real) <= 0.5)
                    << real << " rounds to " << rounded,
                "RoundToInt");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        ConvertLine(std::string(rest.substr(0, end)));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return 0;
}
