#pragma once

#include <string>
#include <string_view>

#include "results/results_grid.h"

// The conclusion of the inspection, composed from the grid and the address.
namespace results {

// Replaces the last character with a space; an empty text stays empty.
std::string BlankLastChar(std::string list);

std::string BuildConclusion(const ResultsGrid& grid, std::string_view address);

} // namespace results
