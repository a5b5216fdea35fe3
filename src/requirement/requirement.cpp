#include "requirement/requirement.h"

namespace requirement {

Requirement CalcRequirement(const BuildingParameters&, Requirement previous) { return previous; }

} // namespace requirement
