#pragma once

#include <cstddef>
#include <functional>

namespace molvane::test {

/// The largest single allocation through operator new while @p work runs.
std::size_t largestAllocationDuring(const std::function<void()> &work);

} // namespace molvane::test
