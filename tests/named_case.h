// Table rows print as their name, so a failure says which case broke
// instead of dumping the row's bytes.
#pragma once

#include <ostream>

namespace tarnvik {
namespace {

template <class Row>
requires requires(const Row& r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace
}  // namespace tarnvik
