#pragma once
// The fuzz targets: every file reader fed arbitrary bytes, with the round
// trip a user relies on (what was read and saved reads back and saves to
// the same bytes) as the check beyond the sanitizers.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor::fuzz {

// Runs target `name` ("vehicle_qx5", "hs5", "curve" ...) on one input; aborts when the input shows a fault.
// Returns 0 (libFuzzer's "keep going"); an unknown name aborts.
int RunTarget(std::string_view name, const std::uint8_t* data, std::size_t size);

}  // namespace vantor::fuzz
