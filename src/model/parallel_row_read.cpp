#include "model/parallel_row_read.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <thread>

#include "platform/archive.h"

namespace varno {

namespace {

// Below this many rows, starting threads costs more than it saves.
constexpr int PARALLEL_ROWS = 8192;
constexpr unsigned MAX_PIECES = 4;
constexpr std::size_t ROW_HEADER_SIZE = 8;
constexpr std::size_t RECORD_SIZE = 8;

struct CPiece {
    std::size_t begin = 0;  // byte offsets in the row stream
    std::size_t end = 0;
    int first = 0;  // index of the piece's first row
    int rows = 0;
    bool complete = false;
};

// The size the row's header claims, or nullopt when the header is cut short.
std::optional<std::uint64_t> ClaimedRowSize(std::span<const std::uint8_t> rows, std::size_t at) {
    if (rows.size() - at < ROW_HEADER_SIZE) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, rows.data() + at + 4, sizeof value);
    if (rows[at] == ROW_TAG_COMMENT) {
        return ROW_HEADER_SIZE + (value & 0xFFFFu) + (value >> 16);
    }
    return ROW_HEADER_SIZE + std::uint64_t{value} * RECORD_SIZE;
}

// Cuts the stream into `count` pieces of about equal row counts; empty when a row's claimed
// size runs past the data.
std::vector<CPiece> Cut(std::span<const std::uint8_t> rows, int rowCount, unsigned count) {
    std::vector<CPiece> pieces(count);
    std::size_t at = 0;
    int row = 0;
    const int perPiece = rowCount / static_cast<int>(count);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        CPiece& piece = pieces[p];
        piece.begin = at;
        piece.first = row;
        const int last = p + 1 == pieces.size() ? rowCount : perPiece * static_cast<int>(p + 1);
        for (; row < last; ++row) {
            const std::optional<std::uint64_t> size = ClaimedRowSize(rows, at);
            if (!size || *size > rows.size() - at) {
                return {};
            }
            at += static_cast<std::size_t>(*size);
            ++piece.rows;
        }
        piece.end = at;
    }
    return pieces;
}

// Reads the piece's rows into their places in `read`; pieces fill disjoint ranges of it.
void ReadPiece(std::span<const std::uint8_t> rows, CPiece& piece, std::vector<CRowRead>& read) {
    try {
        CMemReadArchive ar(rows.subspan(piece.begin, piece.end - piece.begin));
        for (int i = 0; i < piece.rows; ++i) {
            CRowRead& slot = read[static_cast<std::size_t>(piece.first + i)];
            slot = ReadRowKeepingRecord(ar);
            if (!slot.row) {
                return;
            }
        }
        piece.complete = ar.Remaining() == 0;
    } catch (const std::bad_alloc&) {
        piece.complete = false;
    }
}

}  // namespace

std::optional<std::vector<CRowRead>> ReadRowsInParallel(std::span<const std::uint8_t> rows,
                                                        int rowCount) {
    const unsigned count = std::min(std::thread::hardware_concurrency(), MAX_PIECES);
    if (rowCount < PARALLEL_ROWS || count < 2) {
        return std::nullopt;
    }
    std::vector<CPiece> pieces = Cut(rows, rowCount, count);
    if (pieces.empty()) {
        return std::nullopt;
    }
    std::vector<CRowRead> read(static_cast<std::size_t>(rowCount));
    {
        std::vector<std::jthread> threads;
        for (std::size_t p = 1; p < pieces.size(); ++p) {
            threads.emplace_back(
                [&rows, &piece = pieces[p], &read] { ReadPiece(rows, piece, read); });
        }
        ReadPiece(rows, pieces[0], read);
    }
    for (const CPiece& piece : pieces) {
        if (!piece.complete) {
            return std::nullopt;
        }
    }
    return read;
}

}  // namespace varno
