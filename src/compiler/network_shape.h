// The shape of a network: everything about its rows that the compiler's findings depend on.
//
// A network's errors follow from its drawing alone: the walk tells contacts from coils, wires
// and blocks but not one contact kind from another, nor one coil kind from another; the
// emission check takes every contact as an input of its own, whatever it reads; and no
// address is ever looked at. So two networks whose rows match cell for cell in all else get
// the same errors at the same rows relative to their first row. A shape keeps every comment
// row's place and every cell's record, with each contact made a -| |- and each coil a -( )-
// of no address, and every block head's operand records with their addresses left out (its
// constants stay: a table length decides the block's size). Where the walk looks at the row
// after the network (a vertical line on it), that row's kinds and lines belong to the shape.
#pragma once

#include <memory_resource>
#include <string>

namespace varno {

class CLadder;

// Replaces `shape` by the shape of rows [first, end).
void NetworkShape(const CLadder& ladder, int first, int end, std::pmr::string& shape);

}  // namespace varno
