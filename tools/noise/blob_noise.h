#pragma once

#include <cstdint>

#include "field.h"

namespace noise {

// Soft, rounded bright blobs of many sizes over darker gaps, seamless on the
// torus: like pebbles seen out of focus.
TorusField makeBlobNoise(int size, std::uint64_t seed);

}  // namespace noise
