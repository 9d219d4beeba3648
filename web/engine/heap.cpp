// The module's allocator, in place of wasi-libc's dlmalloc, which was 8.8 KB
// of a 47 KB module. The engine asks for a few small strings per keystroke
// and gives them back, so blocks of a power of two, each size kept on a list
// of its own for the next request, serve it; memory is never given back to
// the page, as WebAssembly memory cannot shrink under dlmalloc either.
// libc++'s operator new calls these; its aligned forms, which share an
// object with the others, call posix_memalign.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" unsigned char __heap_base;

namespace {

// Ahead of each block, in as many bytes as the strictest alignment a block
// must keep: its size class, and, for a block aligned further inside a
// larger one, how far in it lies.
struct Header {
    unsigned SizeClass;
    std::size_t Offset;
};
constexpr std::size_t HeaderBytes = alignof(std::max_align_t);
static_assert(sizeof(Header) <= HeaderBytes, "the header fits before the block");
constexpr unsigned SmallestClass = 5;
constexpr unsigned ClassCount = 32;
constexpr std::size_t PageBytes = 65536;

void* freeBlocks[ClassCount] = {};
// In 64 bits: memory grown to the whole 4 GiB would end at 2^32.
std::uint64_t unused = 0;
std::uint64_t memoryEnd = 0;

unsigned ClassOf(std::size_t bytes)
{
    unsigned sizeClass = SmallestClass;
    while ((std::size_t{1} << sizeClass) < bytes + HeaderBytes) {
        ++sizeClass;
    }
    return sizeClass;
}

Header& HeaderOf(void* block)
{
    return *reinterpret_cast<Header*>(static_cast<unsigned char*>(block) - HeaderBytes);
}

std::size_t CapacityOf(void* block)
{
    const Header& header = HeaderOf(block);
    return (std::size_t{1} << header.SizeClass) - HeaderBytes - header.Offset;
}

// A fresh block from the end of memory, which grows by whole pages.
void* Carve(unsigned sizeClass)
{
    const std::size_t bytes = std::size_t{1} << sizeClass;
    if (memoryEnd == 0) {
        // Every block is a multiple of the smallest long, so each starts on one.
        constexpr std::uintptr_t smallest = std::uintptr_t{1} << SmallestClass;
        unused = (reinterpret_cast<std::uintptr_t>(&__heap_base) + smallest - 1) & ~(smallest - 1);
        memoryEnd = __builtin_wasm_memory_size(0) * PageBytes;
    }
    if (memoryEnd - unused < bytes) {
        const auto pages = static_cast<std::size_t>((bytes - (memoryEnd - unused) + PageBytes - 1) / PageBytes);
        const std::size_t oldPages = __builtin_wasm_memory_grow(0, pages);
        if (oldPages == SIZE_MAX) {
            return nullptr;
        }
        memoryEnd = (std::uint64_t{oldPages} + pages) * PageBytes;
    }
    void* const block = reinterpret_cast<unsigned char*>(static_cast<std::uintptr_t>(unused)) + HeaderBytes;
    HeaderOf(block) = Header{sizeClass, 0};
    unused += bytes;
    return block;
}

}  // namespace

extern "C" {

void* malloc(std::size_t bytes)
{
    // Past half the address space no block can be made.
    if (bytes > SIZE_MAX / 2 - HeaderBytes) {
        errno = ENOMEM;
        return nullptr;
    }
    const unsigned sizeClass = ClassOf(bytes);
    void* const block = freeBlocks[sizeClass];
    if (block != nullptr) {
        freeBlocks[sizeClass] = *static_cast<void**>(block);
        return block;
    }
    void* const carved = Carve(sizeClass);
    if (carved == nullptr) {
        errno = ENOMEM;
    }
    return carved;
}

void free(void* block)
{
    if (block == nullptr) {
        return;
    }
    block = static_cast<unsigned char*>(block) - HeaderOf(block).Offset;
    const unsigned sizeClass = HeaderOf(block).SizeClass;
    *static_cast<void**>(block) = freeBlocks[sizeClass];
    freeBlocks[sizeClass] = block;
}

void* calloc(std::size_t count, std::size_t size)
{
    std::size_t bytes = 0;
    if (__builtin_mul_overflow(count, size, &bytes)) {
        errno = ENOMEM;
        return nullptr;
    }
    void* const block = malloc(bytes);
    if (block != nullptr) {
        std::memset(block, 0, bytes);
    }
    return block;
}

void* realloc(void* block, std::size_t bytes)
{
    if (block == nullptr) {
        return malloc(bytes);
    }
    const std::size_t capacity = CapacityOf(block);
    if (bytes <= capacity) {
        return block;
    }
    void* const moved = malloc(bytes);
    if (moved != nullptr) {
        std::memcpy(moved, block, capacity);
        free(block);
    }
    return moved;
}

int posix_memalign(void** aligned, std::size_t alignment, std::size_t bytes)
{
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) {
        return EINVAL;
    }
    if (alignment <= HeaderBytes) {
        *aligned = malloc(bytes);
        return *aligned == nullptr ? ENOMEM : 0;
    }
    if (bytes > SIZE_MAX / 2 - alignment) {
        return ENOMEM;
    }
    // Both lie on multiples of HeaderBytes, so a block moved in at all has
    // room for its header inside the larger one.
    auto* const block = static_cast<unsigned char*>(malloc(bytes + alignment));
    if (block == nullptr) {
        return ENOMEM;
    }
    const std::size_t offset = (alignment - reinterpret_cast<std::uintptr_t>(block) % alignment) % alignment;
    if (offset != 0) {
        HeaderOf(block + offset) = Header{HeaderOf(block).SizeClass, offset};
    }
    *aligned = block + offset;
    return 0;
}

void* aligned_alloc(std::size_t alignment, std::size_t bytes)
{
    void* aligned = nullptr;
    const int failure = posix_memalign(&aligned, alignment, bytes);
    if (failure != 0) {
        errno = failure;
    }
    return aligned;
}

// The names wasi-libc's own code calls (atexit, for one).
void* __libc_malloc(std::size_t bytes)
{
    return malloc(bytes);
}

void __libc_free(void* block)
{
    free(block);
}

void* __libc_calloc(std::size_t count, std::size_t size)
{
    return calloc(count, size);
}

}  // extern "C"
