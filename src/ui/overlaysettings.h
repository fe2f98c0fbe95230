// The order overlay's two switches, kept in data/overlay.dat of the program folder as one line "order rapids"
// (each 0 or 1), so that they survive a restart.
#pragma once

#include "render/orderoverlay.h"

// The stored switches; both off when the file is missing or its line is not two digits 0 or 1.
OrderOverlay StoredOrderOverlay();
// Replaces the stored line; false (with the data file's message) when it could not be written.
bool StoreOrderOverlay(const OrderOverlay& overlay);
