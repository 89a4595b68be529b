// The registry of editing functions: code, class bits and handler, sorted
// by code. The engine finds a function in it by binary search.
#pragma once
#include <span>

#include "core/engine_types.h"

namespace tarn {

std::span<const EditFunction> editRegistry();

}  // namespace tarn
