// Random networks for the compiler's property tests.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "model/ladder.h"

namespace varno::test {

// Networks of one to four rows (more under a tall block): empty cells, lines, contacts of all
// four kinds on a few addresses, coils, vertical lines, and now and then a block with one,
// three or four inputs. Each is a one-network program named LEVEL1.
class CNetworkMaker {
public:
    explicit CNetworkMaker(std::uint32_t seed) : random_(seed) {}

    std::unique_ptr<CLadder> Make();
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    void PutRandomCell(CLadder& ladder, int r, int c, int& coil);

    std::mt19937 random_;
};

}  // namespace varno::test
