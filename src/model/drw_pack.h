// A drawing packed into a compact string of bytes and back, for keeping many states of a drawing in memory (the undo
// history). Packing is lossless: every field but `modified` comes back bit for bit (negative zeros and values that
// are not numbers included). A typical entity takes 17 to 40 bytes instead of the 144 of its record: a start that
// repeats the previous entity's end, a repeated path number or layer, and zero z and reserved fields are not stored.
#pragma once

#include <string>
#include <string_view>

#include "model/drw.h"

// The drawing's entities, path count, layers, limit flag and simplification tolerances as bytes.
std::string PackDrawing(const Drw& drawing);

// Replaces every field of drawing but `modified` with the packed ones. Bytes that PackDrawing did not produce (cut
// short, or with an index or count that does not fit) give false, drawing then cleared of entities and layers.
bool UnpackDrawing(std::string_view packed, Drw& drawing);
