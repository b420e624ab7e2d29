// Reading the rows of a large ladder file on several threads. Each row's header gives its size,
// so the row stream can be cut at row boundaries without reading any cell; every piece is then
// read exactly as one sequential read would read it. The pieces are accepted only when each
// one's rows end precisely where the next piece begins, which makes the result the sequential
// read's own; anything else (a damaged file, a header that disagrees with its cells) is left
// to the sequential reader.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/ladder_file.h"

namespace varno {

// The rowCount rows at the start of `rows` (the bytes after the file header), or nullopt when
// the stream is too short to be worth splitting or could not be read as described above.
std::optional<std::vector<CRowRead>> ReadRowsInParallel(std::span<const std::uint8_t> rows,
                                                        int rowCount);

}  // namespace varno
