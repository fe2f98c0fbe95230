// The reading side of ImportDxfClass: group-code/value pairs, number and keyword handling, and the walk over the
// file's sections (ENTITIES, TABLES, BLOCKS) that hands each entity to its converter.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "dxf/importdxfclass.h"
#include "support/mymessagebox.h"
#include "support/mytypeconversion.h"
#include "support/text.h"

namespace {

// Bytes of a DXF file per entity of the drawing, at the least, for reserving room: a short LINE takes about 100
// bytes and gives one entity, an ELLIPSE about 200 and gives up to 32.
constexpr std::uintmax_t BytesPerEntity = 48;

// The first line of a binary DXF file.
constexpr std::string_view BinaryDxfSentinel = "AutoCAD Binary DXF";

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// text upper-cased equals keyword (upper-case ASCII). Folding only ASCII is enough: no other letter upper-cases
// to an ASCII one.
bool KeywordEquals(std::string_view text, std::string_view keyword)
{
    if (text.size() != keyword.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperAscii(text[i]) != keyword[i])
            return false;
    }
    return true;
}

bool KeywordContained(std::string_view text, std::string_view keyword)
{
    for (std::size_t start = 0; start + keyword.size() <= text.size(); ++start) {
        if (KeywordEquals(text.substr(start, keyword.size()), keyword))
            return true;
    }
    return false;
}

// An integer line in the form TextToInt accepts with blanks removed (blanks anywhere, optional sign, digits,
// within 32 bits). False for anything else, so that TextToInt can report it.
bool ParseInteger(std::string_view text, int& value)
{
    char digits[16];
    std::size_t length = 0;
    for (char c : text) {
        if (c == ' ')
            continue;
        if (length == sizeof digits)
            return false;
        digits[length++] = c;
    }
    const char* first = digits;
    const char* last = digits + length;
    if (first != last && *first == '+')
        ++first;
    if (first == last || (*first == '-' && (first + 1 == last || first[1] < '0' || first[1] > '9')))
        return false;
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc{} && end == last;
}

// A real in the plain form DXF files write (optional '-', digits with '.', optional exponent, no blanks), read
// as TextToFloat reads it: rounded to single precision. False for any other form, which TextToFloat then reads.
bool ParsePlainReal(std::string_view text, double& value)
{
    std::string_view body = text;
    if (!body.empty() && body[0] == '-')
        body.remove_prefix(1);
    if (body.empty() || !((body[0] >= '0' && body[0] <= '9') || body[0] == '.'))
        return false;
    float parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
    if (error != std::errc{} || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

}  // namespace

ImportDxfClass::ImportDxfClass(const std::string& fileName, Drw& drawing)
    : fileName(fileName), reader(fileName, true), drawing(drawing)
{
}

void ImportDxfClass::SetProgressCallback(std::function<void(int)> callback)
{
    progress = std::move(callback);
}

void ImportDxfClass::SetCurveTolerance(double tolerance)
{
    curveTolerance = tolerance >= MinCurveTolerance ? tolerance : MinCurveTolerance;
}

bool ImportDxfClass::Import()
{
    if (reader.openFailed)
        return false;
    itemNumber = 1;
    blocks.clear();
    blockIndex.clear();
    readings.clear();
    keptEntities = 0;
    placed.clear();
    skipped.clear();
    ReserveForFile();
    if (IsBinaryDxf()) {
        ShowError(StrFormat("DXF001: il file %s è un DXF binario: si possono importare solo file DXF in formato testo",
                            fileName.c_str()));
        return true;
    }
    std::string name;
    while (!readFailed && FindSection(name)) {
        if (KeywordEquals(name, "ENTITIES"))
            ReadEntities(false);
        else if (KeywordEquals(name, "TABLES"))
            ReadTables();
        else if (KeywordEquals(name, "BLOCKS"))
            ReadBlocks();
        if (readFailed || !SkipToEndSec())
            break;
    }
    drawing.pathCount = itemNumber - 1;
    return true;
}

void ImportDxfClass::ReserveForFile()
{
    // Growing the entity storage step by step would copy it several times over; a DXF entity takes at least
    // about BytesPerEntity bytes of the file, so this is room for what the file can hold, within the capacity.
    std::error_code error;
    const auto bytes = std::filesystem::file_size(fileName, error);
    if (error)
        return;
    const auto room = std::min<std::uintmax_t>(MaxEntities, bytes / BytesPerEntity);
    drawing.entities.reserve(drawing.entities.size() + static_cast<std::size_t>(room));
}

bool ImportDxfClass::IsBinaryDxf()
{
    std::string firstLine;
    bool atEnd = false;
    if (!reader.ReadLine(firstLine, &atEnd)) {
        readFailed = true;
        return false;
    }
    reader.SeekTo(0);
    return std::string_view(firstLine).substr(0, BinaryDxfSentinel.size()) == BinaryDxfSentinel;
}

// ---- Pairs ------------------------------------------------------------------------------------------------------

bool ImportDxfClass::ReadPair(bool& atEnd)
{
    pairStart = reader.GetPosition();
    atEnd = false;
    if (!reader.ReadLine(codeLine, &atEnd)) {
        readFailed = true;
        return false;
    }
    if (atEnd)
        return true;  // no value line follows
    if (!reader.ReadLine(valueLine, &atEnd)) {
        readFailed = true;
        return false;
    }
    // A last value line without a line end is still a whole pair; the next read meets the end.
    atEnd = atEnd && valueLine.empty();
    return true;
}

void ImportDxfClass::StepBack()
{
    reader.SeekTo(pairStart);
}

int ImportDxfClass::StrictCode(bool showError)
{
    int code = 0;
    if (ParseInteger(codeLine, code))
        return code;
    // Not an integer: the code counts as 0. A damaged file may hold thousands of such lines, so the operator
    // is told once per import.
    if (showError && !codeMessageShown) {
        codeMessageShown = true;
        TextToInt(codeLine, true, true);
    }
    return 0;
}

int ImportDxfClass::LenientCode() const
{
    const char* p = codeLine.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

bool ImportDxfClass::ValueIs(const char* keyword) const
{
    return KeywordEquals(valueLine, keyword);
}

bool ImportDxfClass::ValueContains(const char* keyword) const
{
    return KeywordContained(valueLine, keyword);
}

double ImportDxfClass::Real()
{
    double value = 0;
    if (ParsePlainReal(valueLine, value))
        return value;
    value = TextToFloat(valueLine, false, true);
    if (ConversionFailed)
        badValue = true;
    return value;
}

int ImportDxfClass::Integer()
{
    int value = 0;
    if (ParseInteger(valueLine, value))
        return value;
    value = TextToInt(valueLine, false, true);
    if (ConversionFailed)
        badValue = true;
    return value;
}

std::string ImportDxfClass::LayerName() const
{
    return IsValidUtf8(valueLine) ? valueLine : Cp1252ToUtf8(valueLine);
}

bool ImportDxfClass::NextEntityPair(int& code, bool strict)
{
    bool atEnd = false;
    if (!ReadPair(atEnd) || atEnd)
        return false;
    code = strict ? StrictCode(true) : LenientCode();
    if (code != 0)
        return true;
    StepBack();
    return false;
}

bool ImportDxfClass::ReadCommonGroup(int code, CommonGroups& common)
{
    switch (code) {
    case 67: common.paperSpace = Integer() == 1; return true;
    case 210: common.extrusionX = Real(); return true;
    case 220: common.extrusionY = Real(); return true;
    case 230: common.extrusionZ = Real(); return true;
    default: return false;
    }
}

bool ImportDxfClass::CommonGroups::FromBelow() const
{
    return IsEqual(extrusionX, 0) && IsEqual(extrusionY, 0) && IsEqual(extrusionZ, -1);
}

// ---- Sections ---------------------------------------------------------------------------------------------------

bool ImportDxfClass::FindSection(std::string& name)
{
    bool atEnd = false;
    for (;;) {
        if (!ReadPair(atEnd) || atEnd)
            return false;
        if (StrictCode(false) == 0 && ValueContains("SECTION"))
            break;
    }
    if (!ReadPair(atEnd) || atEnd)
        return false;
    name = valueLine;
    return true;
}

bool ImportDxfClass::SkipToEndSec()
{
    bool atEnd = false;
    for (;;) {
        if (!ReadPair(atEnd) || atEnd)
            return false;
        if (StrictCode(true) == 0 && ValueContains("ENDSEC"))
            return true;
    }
}

ImportDxfClass::SectionStep ImportDxfClass::NextSectionItem(bool blockMode)
{
    bool atEnd = false;
    for (;;) {
        if (!ReadPair(atEnd))
            return SectionStep::Failed;
        if (atEnd)
            return SectionStep::End;
        if (StrictCode(true) != 0)
            continue;
        if (ValueIs("ENDSEC") || (blockMode && ValueIs("ENDBLK"))) {
            StepBack();
            return SectionStep::End;
        }
        return SectionStep::Item;
    }
}

bool ImportDxfClass::ReadEntities(bool blockMode)
{
    for (;;) {
        const SectionStep step = NextSectionItem(blockMode);
        if (step != SectionStep::Item)
            return step == SectionStep::End;
        bool converted = true;
        if (ValueIs("LINE"))
            converted = ImportLine();
        else if (ValueIs("ARC"))
            converted = ImportArc();
        else if (ValueIs("CIRCLE"))
            converted = ImportCircle();
        else if (ValueIs("LWPOLYLINE"))
            converted = ImportLwPolyline();
        else if (ValueIs("POLYLINE"))
            converted = ImportPolyline();
        else if (ValueIs("ELLIPSE"))
            converted = ImportEllipse();
        else if (ValueIs("SPLINE"))
            converted = ImportSpline();
        else if (ValueIs("INSERT"))
            converted = ImportInsert();
        else if (!ValueIs("SEQEND") && !ValueIs("BLOCK") && !ValueIs("ENDBLK"))
            PassOver();
        if (!converted)
            return false;
    }
}

void ImportDxfClass::PassOver()
{
    if (ValueIs("TEXT") || ValueIs("MTEXT"))
        warnings |= WarnText;
    else if (ValueIs("SOLID") || ValueIs("3DSOLID"))
        warnings |= WarnSolid;
    CountSkipped(valueLine);
}

bool ImportDxfClass::ReadTables()
{
    // The drawing's layers come from the entities' group 8, so the table entries are only passed over.
    for (;;) {
        const SectionStep step = NextSectionItem(false);
        if (step != SectionStep::Item)
            return step == SectionStep::End;
        if (ValueIs("LAYER")) {
            // A layer entry: its pairs, read leniently, up to its name (group 2) or the next entry.
            int code = 0;
            while (NextEntityPair(code) && code != 2) {
            }
        }
    }
}
