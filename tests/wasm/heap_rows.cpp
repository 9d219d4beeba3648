// The web module's allocator (web/engine/heap.cpp), linked into this command
// in place of wasi-libc's, so that the row runner's own strings use it too.

#include "tests/support/row_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using acpower::test::CheckEqual;

std::uintptr_t Address(const void* block)
{
    return reinterpret_cast<std::uintptr_t>(block);
}

bool Aligned(const void* block)
{
    return Address(block) % alignof(std::max_align_t) == 0;
}

// Blocks of many sizes, alive at once: each aligned, none overlapping
// another, each keeping what was written into it.
void LiveBlocksKeepTheirBytes()
{
    const std::vector<std::size_t> sizes{1, 15, 16, 17, 48, 100, 4096, 65536, 70000, 300000};
    std::vector<unsigned char*> blocks;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        blocks.push_back(static_cast<unsigned char*>(std::malloc(sizes[i])));
        CheckEqual("aligned", true, Aligned(blocks[i]));
        std::memset(blocks[i], static_cast<int>(i + 1), sizes[i]);
    }
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        unsigned char* const end = blocks[i] + sizes[i];
        CheckEqual("kept", true, std::all_of(blocks[i], end, [i](unsigned char c) { return c == i + 1; }));
        for (std::size_t j = i + 1; j < sizes.size(); ++j) {
            CheckEqual("apart", true, end <= blocks[j] || blocks[j] + sizes[j] <= blocks[i]);
        }
    }
    for (unsigned char* const block : blocks) {
        std::free(block);
    }
}

void FreedBlockServesTheNextOfItsSize()
{
    void* const first = std::malloc(40);
    std::free(first);
    void* const second = std::malloc(40);
    CheckEqual("same block", Address(first), Address(second));
    std::free(second);
}

void GrowingKeepsTheContents()
{
    auto* const block = static_cast<char*>(std::malloc(10));
    std::memcpy(block, "0123456789", 10);
    CheckEqual("room to spare", Address(block), Address(std::realloc(block, 12)));
    auto* const moved = static_cast<char*>(std::realloc(block, 5000));
    CheckEqual("moved contents", std::string("0123456789"), std::string(moved, 10));
    std::free(moved);
    CheckEqual("from nothing", true, Aligned(std::realloc(nullptr, 8)));
}

void CallocZeroesAReusedBlock()
{
    void* const dirty = std::malloc(64);
    std::memset(dirty, 0xff, 64);
    std::free(dirty);
    auto* const clean = static_cast<unsigned char*>(std::calloc(8, 8));
    CheckEqual("reused", Address(dirty), Address(clean));
    CheckEqual("zeroed", true, std::all_of(clean, clean + 64, [](unsigned char c) { return c == 0; }));
    std::free(clean);
}

void OverAlignedBlockFreesTheWholeBlock()
{
    void* aligned = nullptr;
    CheckEqual("made", 0, posix_memalign(&aligned, 64, 100));
    CheckEqual("aligned", std::uintptr_t{0}, Address(aligned) % 64);
    std::memset(aligned, 7, 100);
    std::free(aligned);
    // Blocks start 16 bytes past a multiple of 32, so a block aligned to 64
    // always lies inside a larger one, which freeing it gives back whole.
    void* const whole = std::malloc(164);
    CheckEqual("inside the freed block", true,
               Address(whole) < Address(aligned) && Address(aligned) < Address(whole) + 64);
    std::free(whole);
    CheckEqual("alignment not a power of two", EINVAL, posix_memalign(&aligned, 24, 8));
}

void ImpossibleSizesGiveNothing()
{
    CheckEqual("past the address space", std::uintptr_t{0}, Address(std::malloc(SIZE_MAX - 8)));
    CheckEqual("count times size overflows", std::uintptr_t{0}, Address(std::calloc(SIZE_MAX / 2, 3)));
    void* aligned = nullptr;
    CheckEqual("aligned past the address space", ENOMEM, posix_memalign(&aligned, 64, SIZE_MAX - 8));
}

struct HeapRow {
    const char* Name;
    void (*Body)();
};

const HeapRow HeapRows[] = {
    {"live blocks keep their bytes", LiveBlocksKeepTheirBytes},
    {"a freed block serves the next of its size", FreedBlockServesTheNextOfItsSize},
    {"growing keeps the contents", GrowingKeepsTheContents},
    {"calloc zeroes a reused block", CallocZeroesAReusedBlock},
    {"an over-aligned block frees the whole block", OverAlignedBlockFreesTheWholeBlock},
    {"impossible sizes give nothing", ImpossibleSizesGiveNothing},
};

}  // namespace

int main()
{
    acpower::test::RunRows("heap", HeapRows, [](const HeapRow& row) { row.Body(); });
    return acpower::test::Summary();
}
