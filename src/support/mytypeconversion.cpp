// Numbers from text with '.' or ',' as decimal separator, parsed in the "C" form whatever the process locale,
// and the rounding of reals to the nearest integer.
#include "support/mytypeconversion.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/myutl.h"
#include "support/text.h"

bool ConversionFailed = false;

namespace {

struct ConversionMessages {
    const char* empty;    // shown for a text that is empty (after removing blanks when asked)
    const char* invalid;  // shown for a text that does not convert
};

constexpr ConversionMessages FloatMessages = {
    "MTC004: errore nella conversione numerica: stringa vuota.",
    "MTC001: errore nella conversione numerica. Controllare i valori immessi."};
constexpr ConversionMessages DoubleMessages = {
    "MTC005: errore nella conversione numerica: stringa vuota.",
    "MTC002: errore nella conversione numerica. Controllare i valori immessi."};
constexpr ConversionMessages IntMessages = {"MTC006: errore nella conversione numerica: stringa vuota.",
                                            "MTC003: errore nella conversione numerica. Controllare i valori immessi."};

// The outcome of parsing: a value, or why there is none.
template <typename T>
struct Parsed {
    std::optional<T> value;
    std::string reason;
};

// Clears ConversionFailed and removes the blanks when asked. Reports an empty text and returns false.
bool PrepareText(std::string& text, bool showError, bool removeBlanks, const ConversionMessages& messages)
{
    ConversionFailed = false;
    if (removeBlanks)
        text = RemoveChar(text, ' ');
    if (!text.empty())
        return true;
    if (showError)
        MyMessageBox(messages.empty, "ERRORE", MsgStyleError);
    ConversionFailed = true;
    return false;
}

// Reports a text that does not convert: the message when asked, the detail line to ErrorLog, the flag.
void ReportFailure(const ConversionMessages& messages, const std::string& converted, const std::string& reason,
                   bool showError)
{
    if (showError)
        MyMessageBox(messages.invalid, "ERRORE", MsgStyleError);
    WriteErrorLog(StrFormat("%s - stringa: '%s' - %s", messages.invalid, converted.c_str(), reason.c_str()));
    ConversionFailed = true;
}

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Splits off an optional sign; the digits that follow must start with a digit (or '.' for reals), which
// keeps out "inf", "nan", doubled signs and hexadecimal forms. Returns the text to hand to from_chars
// (with the '-' kept, a '+' dropped), or nothing when the start is not a number's.
std::optional<std::string_view> NumberBody(std::string_view text, bool allowPoint)
{
    std::string_view body = text;
    if (!body.empty() && (body[0] == '+' || body[0] == '-'))
        body.remove_prefix(1);
    if (body.empty() || !((body[0] >= '0' && body[0] <= '9') || (allowPoint && body[0] == '.')))
        return std::nullopt;
    return text[0] == '+' ? body : text;
}

std::string InvalidReason(const std::string& converted)
{
    return StrFormat("'%s' non è un valore numerico valido", converted.c_str());
}

std::string RangeReason(const std::string& converted)
{
    return StrFormat("'%s' è fuori dall'intervallo dei valori ammessi", converted.c_str());
}

// Parses the whole of number (',' already turned into '.') as a real of type T, rounded correctly to T.
// A value too small for T becomes zero; a value too large for T fails.
template <typename T>
Parsed<T> ParseReal(std::string_view number, const std::string& converted)
{
    std::optional<std::string_view> body = NumberBody(TrimBlanks(number), true);
    if (!body)
        return {std::nullopt, InvalidReason(converted)};
    const char* last = body->data() + body->size();
    T value{};
    auto [end, error] = std::from_chars(body->data(), last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument || end != last)
        return {std::nullopt, InvalidReason(converted)};
    if (error == std::errc::result_out_of_range) {
        long double wide = 0;
        auto [wideEnd, wideError] = std::from_chars(body->data(), last, wide, std::chars_format::general);
        if (wideError != std::errc{} || std::fabs(wide) >= 1)
            return {std::nullopt, RangeReason(converted)};
        value = std::signbit(wide) ? -T{0} : T{0};
    }
    return {value, {}};
}

// The shared steps of TextToFloat and TextToDouble.
template <typename T>
double TextToReal(std::string text, bool showError, bool removeBlanks, const ConversionMessages& messages)
{
    if (!PrepareText(text, showError, removeBlanks, messages))
        return 0;
    std::string converted = text;  // as logged: every '.' shown as ','
    std::string number = text;     // as parsed: every ',' read as '.'
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.')
            converted[i] = ',';
        if (text[i] == ',')
            number[i] = '.';
    }
    Parsed<T> parsed = ParseReal<T>(number, converted);
    if (!parsed.value) {
        ReportFailure(messages, converted, parsed.reason, showError);
        return 0;
    }
    return *parsed.value;
}

}  // namespace

double TextToFloat(std::string text, bool showError, bool removeBlanks)
{
    return TextToReal<float>(std::move(text), showError, removeBlanks, FloatMessages);
}

double TextToDouble(std::string text, bool showError, bool removeBlanks)
{
    return TextToReal<double>(std::move(text), showError, removeBlanks, DoubleMessages);
}

int TextToInt(std::string text, bool showError, bool removeBlanks)
{
    if (!PrepareText(text, showError, removeBlanks, IntMessages))
        return 0;
    std::optional<std::string_view> body = NumberBody(TrimBlanks(text), false);
    int value = 0;
    std::errc error = std::errc::invalid_argument;
    if (body) {
        const char* last = body->data() + body->size();
        auto result = std::from_chars(body->data(), last, value);
        error = result.ptr == last ? result.ec : std::errc::invalid_argument;
    }
    if (error == std::errc{})
        return value;
    std::string reason = error == std::errc::result_out_of_range
                             ? RangeReason(text)
                             : StrFormat("'%s' non è un numero intero valido", text.c_str());
    ReportFailure(IntMessages, text, reason, showError);
    return 0;
}

int RoundToInt(double x)
{
    ConversionFailed = false;
    if (x > -2147483648.5 && x <= 2147483647.5) {
        // The renderers round every pixel they draw: within the int range the truncated value and the exact
        // remainder x - truncated decide, with the same result as comparing x with floor and ceil below.
        const int truncated = static_cast<int>(x);
        const double remainder = x - truncated;
        return truncated + (remainder > 0.5 ? 1 : 0) - (remainder <= -0.5 ? 1 : 0);
    }
    if (std::isnan(x)) {
        ConversionFailed = true;
        return 0;
    }
    double lower = std::floor(x);
    double upper = std::ceil(x);
    double nearest = x - lower <= upper - x ? lower : upper;
    if (nearest < INT_MIN || nearest > INT_MAX) {
        ConversionFailed = true;
        return nearest < 0 ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(nearest);
}
