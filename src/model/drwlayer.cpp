// The drawing's layer table: lookup without letter case, adding layers up to MaxLayers, and completing the table
// from the entities' layer names.
#include <string>
#include <unordered_set>
#include <utility>

#include "model/drw.h"
#include "support/text.h"

bool Drw::FindLayer(const std::string& name) const
{
    // An exact match is the common case and needs no upper-casing.
    for (const Layer& layer : layers) {
        if (layer.name == name)
            return true;
    }
    const std::string upperName = AnsiUpper(name);
    for (const Layer& layer : layers) {
        if (AnsiUpper(layer.name) == upperName)
            return true;
    }
    return false;
}

bool Drw::AddLayer(const std::string& name)
{
    if (layerCount() >= MaxLayers)
        return false;
    Layer layer;
    layer.name = name;
    layers.push_back(layer);
    return true;
}

void Drw::EnsureLayers()
{
    // Upper-cased names of the table, so that each entity costs one lookup rather than a pass over the table.
    std::unordered_set<std::string> known;
    for (const Layer& layer : layers)
        known.insert(AnsiUpper(layer.name));
    const std::string* previous = nullptr;
    for (const Entity& e : entities) {
        if (previous != nullptr && *previous == e.layer)
            continue;
        previous = &e.layer;
        std::string upperName = AnsiUpper(e.layer);
        if (known.count(upperName) == 0 && AddLayer(e.layer))
            known.insert(std::move(upperName));
    }
}
