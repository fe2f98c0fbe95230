// Fuzz target for the message-file reader: any bytes as a message file. An entry that differs from its built-in
// text holds a text that a window can show (valid UTF-8 without control characters) and that a line of the file
// gives it.
#include "fuzz_support.h"
#include "l10n/messaggi.h"
#include "support/text.h"

namespace {

bool Showable(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return false;
    return IsValidUtf8(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Messaggi builtIn(ScratchPath("none.msg"));
    const std::string content(reinterpret_cast<const char*>(data), size);
    const Messaggi catalogue(InputFile(data, size, "cad.msg"));
    for (int i = 0; i < MessageCount; i++) {
        const std::string& text = catalogue.texts[i];
        if (text == builtIn.texts[i])
            continue;
        Require(::testing::AssertionResult(Showable(text)) << "entry " << i << " cannot be shown", "showable");
        const bool given = content.find(std::to_string(i) + "=" + text) != std::string::npos;
        Require(::testing::AssertionResult(given) << "entry " << i << " holds a text no line gives it", "origin");
    }
    return 0;
}
