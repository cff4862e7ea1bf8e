#pragma once

#include <string>

namespace kelvora {

class CSegment;

// The lines shown beside the run's section list: kind, product and thickness, sizes,
// length, surroundings and flow.
std::string DescribeSection(const CSegment& s);

}  // namespace kelvora
