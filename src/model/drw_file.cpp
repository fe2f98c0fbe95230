// Drawing files (.dis): Drw::Save writes version 1 through a temporary file that replaces the target only when it
// is complete; Drw::Load reads versions 0 and 1 within the capacities and the record buffer and takes only
// consistent paths (drw_file_paths.cpp). Also the archive folder setting "disdir.dat".
#include <filesystem>
#include <fstream>

#include "model/drw.h"
#include "model/drw_file.h"
#include "model/drw_file_format.h"
#include "model/drw_file_paths.h"
#include "support/filereadwritedata.h"
#include "support/filereplace.h"
#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/progdir.h"
#include "support/text.h"

namespace {

namespace fs = std::filesystem;

// A name as the file stores it: Windows-1252, up to its first zero byte when cutAtZero, at most the bytes a record
// holds (longer names are shortened so that every saved file reads back).
std::string FileName(const std::string& name, bool cutAtZero)
{
    std::string bytes = Utf8ToCp1252(name);
    if (cutAtZero)
        bytes = bytes.substr(0, bytes.find('\0'));
    if (bytes.size() > static_cast<size_t>(DisMaxNameBytes))
        bytes.resize(DisMaxNameBytes);
    return bytes;
}

void WriteEntityRecord(DisWriter& file, const Entity& e)
{
    DisWriter r;
    r.Double(e.x1), r.Double(e.y1), r.Double(e.z1);
    r.Double(e.x2), r.Double(e.y2), r.Double(e.z2);
    r.Flag(e.isArc);
    r.Double(e.xc), r.Double(e.yc), r.Double(e.zc);
    r.Flag(e.clockwise);
    r.Name(FileName(e.layer, false));
    r.Flag(e.joinedPrev), r.Flag(e.joinedNext);
    r.Int32(e.sequence), r.Int32(e.reserved1);
    r.Double(e.reserved2), r.Double(e.reserved3);
    file.Int32(static_cast<int32_t>(r.bytes.size()));
    file.bytes += r.bytes;
}

void WriteLayerRecord(DisWriter& file, const Drw::Layer& layer)
{
    DisWriter r;
    r.Name(FileName(layer.name, true));
    r.Flag(layer.flag);
    r.Double(layer.value);
    r.Int32(layer.colour);
    for (int32_t value : layer.ints)
        r.Int32(value);
    for (double value : layer.reals)
        r.Double(value);
    file.Int32(static_cast<int32_t>(r.bytes.size()));
    file.bytes += r.bytes;
}

std::string EncodeDrawing(const Drw& drw)
{
    DisWriter file;
    file.Int32(DisFileVersion);
    file.Int32(drw.entityCount());
    for (const Entity& e : drw.entities)
        WriteEntityRecord(file, e);
    file.Int32(drw.pathCount);
    file.Int32(drw.layerCount());
    for (const Drw::Layer& layer : drw.layers)
        WriteLayerRecord(file, layer);
    return file.bytes;
}

// A stored name as the program holds it: UTF-8, and, as the layer table has always read names, only up to its first
// zero byte, so that an entity's layer and the table entry it names stay equal through every save and load.
std::string ProgramName(const std::string& stored)
{
    return Cp1252ToUtf8(stored.substr(0, stored.find('\0')));
}

// Entity flags are true only for a stored 1.
void ReadEntityFields(auto& r, Entity& e)
{
    e.x1 = r.Double(), e.y1 = r.Double(), e.z1 = r.Double();
    e.x2 = r.Double(), e.y2 = r.Double(), e.z2 = r.Double();
    e.isArc = r.Int32() == 1;
    e.xc = r.Double(), e.yc = r.Double(), e.zc = r.Double();
    e.clockwise = r.Int32() == 1;
    e.layer = ProgramName(r.Name());
    e.joinedPrev = r.Int32() == 1;
    e.joinedNext = r.Int32() == 1;
    e.sequence = r.Int32();
    e.reserved1 = r.Int32();
    e.reserved2 = r.Double();
    e.reserved3 = r.Double();
}

// The layer flag is true for any stored value above 0.
void ReadLayerFields(auto& r, Drw::Layer& layer)
{
    layer.name = ProgramName(r.Name());
    layer.flag = r.Int32() > 0;
    layer.value = r.Double();
    layer.colour = r.Int32();
    for (int32_t& value : layer.ints)
        value = r.Int32();
    for (double& value : layer.reals)
        value = r.Double();
}

// Reads one record, plain (version 0) or preceded by its length. A length must lie within the record buffer and
// equal what the record's fields take.
template <class Record, class Parse>
bool ReadRecord(DisStreamSource& file, bool prefixed, Record& record, Parse parse)
{
    if (!prefixed) {
        DisReader reader(file);
        parse(reader, record);
        return reader.ok;
    }
    DisReader head(file);
    const int32_t length = head.Int32();
    if (!head.ok || length < DisRecordFixedBytes || length > DisRecordCapacity)
        return false;
    std::string buffer(static_cast<size_t>(length), '\0');
    if (!file.Read(buffer.data(), buffer.size()))
        return false;
    DisBufferSource slice(buffer);
    DisReader reader(slice);
    parse(reader, record);
    return reader.ok && slice.AtEnd();
}

// Reads a count and checks it against a capacity.
bool ReadCount(DisStreamSource& file, int capacity, int32_t& count)
{
    DisReader reader(file);
    count = reader.Int32();
    return reader.ok && count >= 0 && count <= capacity;
}

// Reads a whole file into read (entities, path count, layers); false at the first failure, read then holding the
// records read completely.
bool ReadDrawingFile(const std::string& path, Drw& read)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return false;
    DisStreamSource file(stream);
    DisReader head(file);
    const bool prefixed = head.Int32() != 0;
    int32_t count = 0;
    if (!head.ok || !ReadCount(file, MaxEntities, count))
        return false;
    for (int32_t i = 0; i < count; i++) {
        Entity e;
        if (!ReadRecord(file, prefixed, e, [](auto& r, Entity& out) { ReadEntityFields(r, out); }))
            return false;
        read.entities.push_back(std::move(e));
    }
    DisReader middle(file);
    read.pathCount = middle.Int32();
    if (!middle.ok || !ReadCount(file, MaxLayers, count))
        return false;
    for (int32_t i = 0; i < count; i++) {
        Drw::Layer layer;
        if (!ReadRecord(file, prefixed, layer, [](auto& r, Drw::Layer& out) { ReadLayerFields(r, out); }))
            return false;
        read.layers.push_back(std::move(layer));
    }
    return true;
}

// What was read of a file that ended early or broke a count or record: the entities up to the first one that
// breaks its path's order or chain, with the layers read; said in the event log.
void MendPartialDrawing(const std::string& path, Drw& read)
{
    const int dropped = KeepConsistentStart(read);
    NumberPathsInOrder(read);
    WriteEventLog(StrFormat("Disegno %s letto in parte: %d entità in %d percorsi e %d layer tenuti, %d entità scartate",
                            path.c_str(), read.entityCount(), read.pathCount, read.layerCount(), dropped));
}

}  // namespace

bool Drw::Save(const std::string& path)
{
    if (ReplaceFile(path, EncodeDrawing(*this)) != ReplaceResult::Done) {
        ShowError(StrFormat("DRW003: errore nel salvataggio del file %s", path.c_str()));
        return false;
    }
    modified = false;
    WriteEventLog(StrFormat("Salvataggio disegno %s", path.c_str()));
    return true;
}

bool Drw::Load(const std::string& path)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        ShowError(StrFormat("DRW004: file %s non esistente", path.c_str()));
        return false;
    }
    const std::string failure = StrFormat("DRW005: errore nella lettura del file %s", path.c_str());
    Drw read;
    const bool complete = ReadDrawingFile(path, read);
    // A file read to its end whose paths contradict their count or their join flags is damaged as a whole.
    if (complete && !ConsistentPaths(read)) {
        ShowError(failure);
        return false;
    }
    if (!complete) {
        MendPartialDrawing(path, read);
    } else {
        const int stored = read.pathCount;
        if (NumberPathsInOrder(read))
            WriteEventLog(StrFormat("Disegno %s: percorsi numerati da 1 a %d (nel file %d)", path.c_str(),
                                    read.pathCount, stored));
    }
    entities = std::move(read.entities);
    layers = std::move(read.layers);
    pathCount = read.pathCount;
    EnsureLayers();
    if (!complete) {
        ShowError(failure);
        return false;
    }
    modified = false;
    return true;
}

std::string ReadArchiveFolder()
{
    std::string folder;
    if (ReadDataFile("disdir.dat", folder) && !folder.empty())
        return folder;
    return StrFormat("%s/%s/", ProgDir.c_str(), "draw");
}

bool WriteArchiveFolder(const std::string& folder)
{
    return WriteDataFile("disdir.dat", folder);
}
