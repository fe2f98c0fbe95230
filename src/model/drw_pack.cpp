// Packing a drawing into bytes and back. The bytes: the entity count, the path count, the limit flag, the
// simplification tolerances, the layer table, the table of the entities' layer names, then one record per entity:
// a byte of flags followed only by the fields the flags do not make implicit. Numbers are stored as their bytes in
// memory (the packed form never leaves the process), counts and indices as variable-length integers.
#include "model/drw_pack.h"

#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace {

// The flags of an entity record.
enum EntityFlag : uint8_t {
    FlagArc = 1,
    FlagClockwise = 2,
    FlagJoinedPrev = 4,
    FlagJoinedNext = 8,
    FlagSharedStart = 16,   // the start repeats the previous entity's end (x, y and z)
    FlagExtras = 32,        // z, reserved fields or a line's centre follow, being not all zero
    FlagSameSequence = 64,  // the previous entity's path number
    FlagSameLayer = 128,    // the previous entity's layer
};

bool BitsEqual(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool IsZeroBits(double value)
{
    return BitsEqual(value, 0.0);
}

class Writer {
public:
    explicit Writer(std::size_t reserve) { out.reserve(reserve); }

    template <typename T>
    void Raw(T value)
    {
        out.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void Varint(uint64_t value)
    {
        while (value >= 0x80) {
            out.push_back(static_cast<char>(value | 0x80));
            value >>= 7;
        }
        out.push_back(static_cast<char>(value));
    }
    // A signed number, small in either direction in few bytes.
    void Signed(int64_t value) { Varint((static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63)); }
    void Text(const std::string& text)
    {
        Varint(text.size());
        out.append(text);
    }

    std::string out;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : in(bytes) {}

    template <typename T>
    T Raw()
    {
        T value{};
        if (!Take(sizeof value))
            return value;
        std::memcpy(&value, in.data() + pos - sizeof value, sizeof value);
        return value;
    }
    uint64_t Varint()
    {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (!Take(1))
                return 0;
            const auto byte = static_cast<uint8_t>(in[pos - 1]);
            value |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if (byte < 0x80)
                return value;
        }
        ok = false;
        return 0;
    }
    int64_t Signed()
    {
        const uint64_t value = Varint();
        return static_cast<int64_t>(value >> 1) ^ -static_cast<int64_t>(value & 1);
    }
    // A count of at most limit items; a larger one fails.
    std::size_t Count(std::size_t limit)
    {
        const uint64_t count = Varint();
        if (count > limit)
            ok = false;
        return ok ? static_cast<std::size_t>(count) : 0;
    }
    std::string Text()
    {
        const std::size_t size = Count(in.size());
        if (!Take(size))
            return {};
        return std::string(in.substr(pos - size, size));
    }
    bool AtEnd() const { return pos == in.size(); }

    bool ok = true;

private:
    bool Take(std::size_t n)
    {
        if (!ok || n > in.size() - pos) {
            ok = false;
            return false;
        }
        pos += n;
        return true;
    }

    std::string_view in;
    std::size_t pos = 0;
};

void PackLayer(Writer& w, const Drw::Layer& layer)
{
    w.Text(layer.name);
    w.Raw<uint8_t>(layer.flag);
    w.Raw(layer.value);
    w.Raw(layer.colour);
    for (int32_t i : layer.ints)
        w.Raw(i);
    for (double d : layer.reals)
        w.Raw(d);
}

Drw::Layer UnpackLayer(Reader& r)
{
    Drw::Layer layer;
    layer.name = r.Text();
    layer.flag = r.Raw<uint8_t>() != 0;
    layer.value = r.Raw<double>();
    layer.colour = r.Raw<int32_t>();
    for (int32_t& i : layer.ints)
        i = r.Raw<int32_t>();
    for (double& d : layer.reals)
        d = r.Raw<double>();
    return layer;
}

bool HasExtras(const Entity& e)
{
    return !IsZeroBits(e.z1) || !IsZeroBits(e.z2) || !IsZeroBits(e.zc) || e.reserved1 != 0 ||
           !IsZeroBits(e.reserved2) || !IsZeroBits(e.reserved3) ||
           (!e.isArc && (!IsZeroBits(e.xc) || !IsZeroBits(e.yc)));
}

void PackExtras(Writer& w, const Entity& e)
{
    w.Raw(e.z1);
    w.Raw(e.z2);
    w.Raw(e.zc);
    w.Raw(e.reserved1);
    w.Raw(e.reserved2);
    w.Raw(e.reserved3);
    if (!e.isArc) {
        w.Raw(e.xc);
        w.Raw(e.yc);
    }
}

// The fields a record without extras leaves at zero (the entity may hold an earlier drawing's values).
void ClearExtras(Entity& e)
{
    e.z1 = e.z2 = e.zc = 0.0;
    e.reserved1 = 0;
    e.reserved2 = e.reserved3 = 0.0;
    e.xc = e.yc = 0.0;
}

void UnpackExtras(Reader& r, Entity& e)
{
    e.z1 = r.Raw<double>();
    e.z2 = r.Raw<double>();
    e.zc = r.Raw<double>();
    e.reserved1 = r.Raw<int32_t>();
    e.reserved2 = r.Raw<double>();
    e.reserved3 = r.Raw<double>();
    if (!e.isArc) {
        e.xc = r.Raw<double>();
        e.yc = r.Raw<double>();
    }
}

// The entities' layer names, each once in order of first use, and each entity's index into them.
struct LayerNames {
    std::vector<const std::string*> names;
    std::vector<uint32_t> indices;
};

LayerNames CollectLayerNames(const std::vector<Entity>& entities)
{
    LayerNames result;
    result.indices.reserve(entities.size());
    std::unordered_map<std::string_view, uint32_t> known;
    const std::string* previous = nullptr;
    uint32_t previousIndex = 0;
    for (const Entity& e : entities) {
        if (!previous || e.layer != *previous) {
            auto [it, added] = known.try_emplace(e.layer, static_cast<uint32_t>(result.names.size()));
            if (added)
                result.names.push_back(&e.layer);
            previous = &e.layer;
            previousIndex = it->second;
        }
        result.indices.push_back(previousIndex);
    }
    return result;
}

void PackEntity(Writer& w, const Entity& e, const Entity* previous, uint32_t layer, uint32_t previousLayer)
{
    const bool sharedStart =
        previous && BitsEqual(e.x1, previous->x2) && BitsEqual(e.y1, previous->y2) && BitsEqual(e.z1, previous->z2);
    const int32_t previousSequence = previous ? previous->sequence : 0;
    const bool sameLayer = previous && layer == previousLayer;
    const bool extras = HasExtras(e);
    uint8_t flags = 0;
    flags |= e.isArc ? FlagArc : 0;
    flags |= e.clockwise ? FlagClockwise : 0;
    flags |= e.joinedPrev ? FlagJoinedPrev : 0;
    flags |= e.joinedNext ? FlagJoinedNext : 0;
    flags |= sharedStart ? FlagSharedStart : 0;
    flags |= extras ? FlagExtras : 0;
    flags |= e.sequence == previousSequence ? FlagSameSequence : 0;
    flags |= sameLayer ? FlagSameLayer : 0;
    w.Raw(flags);
    if (e.sequence != previousSequence)
        w.Signed(static_cast<int64_t>(e.sequence) - previousSequence);
    if (!sameLayer)
        w.Varint(layer);
    if (!sharedStart) {
        w.Raw(e.x1);
        w.Raw(e.y1);
    }
    w.Raw(e.x2);
    w.Raw(e.y2);
    if (e.isArc) {
        w.Raw(e.xc);
        w.Raw(e.yc);
    }
    if (extras)
        PackExtras(w, e);
}

// Unpacks one entity record after previous (nullptr for the first); false when it does not fit.
bool UnpackEntity(Reader& r, Entity& e, const Entity* previous, const std::vector<std::string>& layerNames)
{
    const auto flags = r.Raw<uint8_t>();
    e.isArc = flags & FlagArc;
    e.clockwise = flags & FlagClockwise;
    e.joinedPrev = flags & FlagJoinedPrev;
    e.joinedNext = flags & FlagJoinedNext;
    const int32_t previousSequence = previous ? previous->sequence : 0;
    e.sequence = flags & FlagSameSequence ? previousSequence : static_cast<int32_t>(previousSequence + r.Signed());
    if (flags & FlagSameLayer) {
        if (!previous)
            return false;
        e.layer = previous->layer;
    } else {
        const uint64_t index = r.Varint();
        if (index >= layerNames.size())
            return false;
        e.layer = layerNames[index];
    }
    if (!(flags & FlagExtras))
        ClearExtras(e);
    if (flags & FlagSharedStart) {
        if (!previous)
            return false;
        e.x1 = previous->x2;
        e.y1 = previous->y2;
        e.z1 = previous->z2;
    } else {
        e.x1 = r.Raw<double>();
        e.y1 = r.Raw<double>();
    }
    e.x2 = r.Raw<double>();
    e.y2 = r.Raw<double>();
    if (e.isArc) {
        e.xc = r.Raw<double>();
        e.yc = r.Raw<double>();
    }
    if (flags & FlagExtras)
        UnpackExtras(r, e);
    return r.ok;
}

}  // namespace

std::string PackDrawing(const Drw& drawing)
{
    Writer w(64 + drawing.entities.size() * 24 + drawing.layers.size() * 160);
    w.Varint(drawing.entities.size());
    w.Signed(drawing.pathCount);
    w.Raw<uint8_t>(drawing.limitReached);
    for (double tolerance : {drawing.simplifyMinLength, drawing.simplifyMaxArcRadius, drawing.simplifyLineAngle,
                             drawing.simplifyLineDeviation, drawing.simplifyArcAngle, drawing.simplifyArcDeviation})
        w.Raw(tolerance);
    w.Varint(drawing.layers.size());
    for (const Drw::Layer& layer : drawing.layers)
        PackLayer(w, layer);
    const LayerNames names = CollectLayerNames(drawing.entities);
    w.Varint(names.names.size());
    for (const std::string* name : names.names)
        w.Text(*name);
    for (std::size_t i = 0; i < drawing.entities.size(); ++i) {
        const Entity* previous = i > 0 ? &drawing.entities[i - 1] : nullptr;
        PackEntity(w, drawing.entities[i], previous, names.indices[i], i > 0 ? names.indices[i - 1] : 0);
    }
    return std::move(w.out);
}

bool UnpackDrawing(std::string_view packed, Drw& drawing)
{
    Reader r(packed);
    const std::size_t entityCount = r.Count(MaxEntities);
    drawing.pathCount = static_cast<int>(r.Signed());
    drawing.limitReached = r.Raw<uint8_t>() != 0;
    for (double* tolerance : {&drawing.simplifyMinLength, &drawing.simplifyMaxArcRadius, &drawing.simplifyLineAngle,
                              &drawing.simplifyLineDeviation, &drawing.simplifyArcAngle, &drawing.simplifyArcDeviation})
        *tolerance = r.Raw<double>();
    drawing.layers.resize(r.Count(MaxLayers));
    for (Drw::Layer& layer : drawing.layers)
        layer = UnpackLayer(r);
    std::vector<std::string> layerNames(r.Count(MaxEntities));
    for (std::string& name : layerNames)
        name = r.Text();
    drawing.entities.resize(r.ok ? entityCount : 0);
    bool ok = r.ok;
    for (std::size_t i = 0; ok && i < drawing.entities.size(); ++i)
        ok = UnpackEntity(r, drawing.entities[i], i > 0 ? &drawing.entities[i - 1] : nullptr, layerNames);
    if (ok && r.AtEnd())
        return true;
    drawing.entities.clear();
    drawing.layers.clear();
    return false;
}
