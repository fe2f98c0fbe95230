// Byte layout of drawing files (.dis): little-endian int32 and IEEE 754 double fields, the sizes of the entity and
// layer records, and the writer and bounded readers that assemble records and take them apart.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <istream>
#include <string>

constexpr int32_t DisFileVersion = 1;     // the version written; 0 (records without length) is read too
constexpr int DisRecordCapacity = 500;    // bytes of the buffer a record is assembled in
constexpr int DisRecordFixedBytes = 116;  // bytes of an entity or layer record besides its name
constexpr int DisMaxNameBytes = DisRecordCapacity - DisRecordFixedBytes;  // 384

// Appends fields, little-endian, to a byte string.
class DisWriter {
public:
    std::string bytes;

    void Int32(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; i++)
            bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
    void Double(double value)
    {
        const auto bits = std::bit_cast<uint64_t>(value);
        for (int i = 0; i < 8; i++)
            bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
    void Flag(bool value) { Int32(value ? 1 : 0); }
    // The length as int32, then the bytes of the name.
    void Name(const std::string& name)
    {
        Int32(static_cast<int32_t>(name.size()));
        bytes += name;
    }
};

// Reads from a byte string; never beyond its end.
class DisBufferSource {
public:
    explicit DisBufferSource(const std::string& bytes) : data(bytes) {}
    bool Read(char* out, size_t n)
    {
        if (n > data.size() - position)
            return false;
        std::memcpy(out, data.data() + position, n);
        position += n;
        return true;
    }
    bool AtEnd() const { return position == data.size(); }

private:
    const std::string& data;
    size_t position = 0;
};

// Reads from a binary stream; a read past its end fails.
class DisStreamSource {
public:
    explicit DisStreamSource(std::istream& stream) : in(stream) {}
    bool Read(char* out, size_t n)
    {
        in.read(out, static_cast<std::streamsize>(n));
        return static_cast<size_t>(in.gcount()) == n;
    }

private:
    std::istream& in;
};

// Takes little-endian fields from a source. The first failure sticks: later reads give 0 and ok stays false, so a
// record is read field by field and checked once at its end.
template <class Source>
class DisReader {
public:
    explicit DisReader(Source& source) : src(source) {}
    bool ok = true;

    int32_t Int32()
    {
        unsigned char b[4] = {};
        if (!Bytes(reinterpret_cast<char*>(b), 4))
            return 0;
        return static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
    }
    double Double()
    {
        unsigned char b[8] = {};
        if (!Bytes(reinterpret_cast<char*>(b), 8))
            return 0.0;
        uint64_t bits = 0;
        for (int i = 7; i >= 0; i--)
            bits = (bits << 8) | b[i];
        return std::bit_cast<double>(bits);
    }
    // A length-prefixed name of at most DisMaxNameBytes bytes; a longer or negative length fails.
    std::string Name()
    {
        const int32_t length = Int32();
        if (length < 0 || length > DisMaxNameBytes)
            ok = false;
        if (!ok)
            return {};
        std::string name(static_cast<size_t>(length), '\0');
        Bytes(name.data(), name.size());
        return ok ? name : std::string();
    }

private:
    Source& src;

    bool Bytes(char* out, size_t n)
    {
        if (ok && !src.Read(out, n))
            ok = false;
        return ok;
    }
};
