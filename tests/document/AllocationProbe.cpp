#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> probing { false };
std::atomic<std::size_t> largest { 0 };

void *allocate(std::size_t size)
{
    if (probing && size > largest)
        largest = size;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

} // namespace

// This test program counts what operator new is asked for.
void *operator new(std::size_t size)
{
    return allocate(size);
}

void *operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete[](void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace molvane::test {

std::size_t largestAllocationDuring(const std::function<void()> &work)
{
    largest = 0;
    probing = true;
    try {
        work();
    } catch (...) {
        probing = false;
        throw;
    }
    probing = false;
    return largest;
}

} // namespace molvane::test
