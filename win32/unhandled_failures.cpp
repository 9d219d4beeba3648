// The program catches nothing, so every failure the library reports by
// throwing (memory exhausted, a string past its largest size) ends it, as an
// uncaught exception does through win32/terminate_handler.cpp. Raised here
// directly, the failures need none of the runtime's exception machinery:
// no unwinder, no exception classes, no copy-on-write strings for their
// messages, which together were a third of the program.

#include <cstddef>
#include <cstdlib>
#include <new>

void* operator new(std::size_t size)
{
    void* const block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        std::abort();
    }
    return block;
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace std {

void __throw_bad_alloc()
{
    std::abort();
}

void __throw_bad_array_new_length()
{
    std::abort();
}

void __throw_length_error(const char*)
{
    std::abort();
}

void __throw_logic_error(const char*)
{
    std::abort();
}

void __throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}

}  // namespace std
