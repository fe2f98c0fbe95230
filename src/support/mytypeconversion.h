// Numbers from text as the operator types them or DXF files hold them: '.' or ',' as decimal separator,
// independent of the process locale. A failure gives 0, sets ConversionFailed and, when asked, shows a message.
#pragma once

#include <string>

// Cleared on entry by every conversion of this unit and set when it fails; read it right after the call.
extern bool ConversionFailed;

// Converts text to a real rounded to single precision (returned widened, so "0.1" gives 0.100000001490116...).
// removeBlanks first removes every blank. The whole text, apart from leading and trailing blanks, must be one
// number: optional sign, digits with '.' or ',' as decimal point, optional exponent; "1.000,5" fails.
// An empty text shows "MTC004: ..." (when showError); a text that does not convert, or whose value does not
// fit a single-precision real, shows "MTC001: ..." (when showError) and writes a detail line to ErrorLog.
double TextToFloat(std::string text, bool showError, bool removeBlanks);

// As TextToFloat in double precision, with the messages MTC005 (empty) and MTC002 (does not convert).
double TextToDouble(std::string text, bool showError, bool removeBlanks);

// Converts a decimal integer (optional sign, leading and trailing blanks allowed) that fits 32 bits, with the
// messages MTC006 (empty) and MTC003 (does not convert or out of range).
int TextToInt(std::string text, bool showError, bool removeBlanks);

// The integer nearest to x; halfway values go to the lower integer (2.5 gives 2, -2.5 gives -3). Clears
// ConversionFailed; a value outside the int range is clamped to it, and NaN gives 0, both setting ConversionFailed.
int RoundToInt(double x);
