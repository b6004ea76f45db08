// The library allocates nothing on the heap: construction (with and without the clock) and GetInfo of
// every item are counted on every machine file, on machines with arbitrary registers and on the native
// machine. This program replaces the global allocation functions with counting ones; with the GNU C
// library (and no sanitizer, which brings its own allocator) it also counts malloc, calloc and realloc,
// so allocations made inside the C library on the library's behalf count too. The machines are built
// before counting starts: the simulated machine and its loader may allocate, the library may not.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#if defined(_WIN32)
#include <malloc.h>
#endif
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/random_machine.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void Count() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

void* Allocate(std::size_t size) {
    Count();
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

#if defined(_WIN32)
// The Windows C library has no aligned_alloc; its aligned blocks are freed with _aligned_free.
void* AlignedBlock(std::size_t align, std::size_t size) { return _aligned_malloc(size, align); }
void FreeAligned(void* memory) { _aligned_free(memory); }
#else
void* AlignedBlock(std::size_t align, std::size_t size) { return std::aligned_alloc(align, size); }
void FreeAligned(void* memory) { std::free(memory); }
#endif

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    Count();
    const std::size_t align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* memory = AlignedBlock(align, rounded ? rounded : align)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { FreeAligned(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { FreeAligned(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { FreeAligned(memory); }
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { FreeAligned(memory); }

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(CPUTYPE_SANITIZE)
#define COUNTS_C_ALLOCATIONS 1
// The GNU C library lets a program replace malloc; these forward to its own allocator.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* malloc(std::size_t size) {
    Count();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    Count();
    return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
    Count();
    return __libc_realloc(memory, size);
}
}
#else
#define COUNTS_C_ALLOCATIONS 0
#endif

namespace {

// Counts the allocations made while it is alive.
class AllocationCount {
public:
    AllocationCount() {
        allocations = 0;
        counting = true;
    }
    ~AllocationCount() { counting = false; }
    long Stop() {
        counting = false;
        return allocations.load();
    }
};

// The whole library on one machine: constructions with and without the clock, every item.
long AllocationsOfEverything(platform::Machine& machine, bool remeasure) {
    AllocationCount count;
    for (uint32_t clockOption : {9u, 0u, 4u}) {
        if (!remeasure && clockOption != 9) continue;
        CCpuInfo cpu(machine, 0x1, clockOption);
        char buffer[65];
        for (size_t i = 0; i < kInfoItemCount; ++i) {
            if (!remeasure && (kInfoItems[i].action == InfoAction::Remeasure)) continue;
            cpu.GetInfo(kInfoItems[i].code, buffer);
            cpu.GetInfo(kInfoItems[i].code, buffer, 3);
        }
        CCpuInfo copy = cpu;
        (void)copy;
    }
    return count.Stop();
}

TEST(Heap, TheCounterSeesAllocations) {
    AllocationCount count;
    auto text = std::make_unique<std::string>(100, 'x');
    EXPECT_GE(count.Stop(), 1);
#if COUNTS_C_ALLOCATIONS
    AllocationCount c;
    void* memory = std::malloc(16);
    EXPECT_EQ(c.Stop(), 1);
    std::free(memory);
#endif
}

TEST(Heap, NoAllocationOnAnyMachineFile) {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CPUTYPE_TEST_MACHINES))
        if (entry.is_regular_file()) paths.push_back(entry.path().string());
    size_t machines = 0;
    for (const std::string& path : paths) {
        platform::SimulatedMachine machine;
        std::string error;
        if (!platform::LoadMachineFile(path, machine, error)) continue;
        ++machines;
        EXPECT_EQ(AllocationsOfEverything(machine, true), 0) << path;
    }
    EXPECT_GT(machines, 5u);
}

TEST(Heap, NoAllocationOnArbitraryRegisters) {
    std::mt19937 random(20261209);
    for (uint32_t seed = 0; seed < 100; ++seed) {
        std::vector<uint8_t> bytes(1024);
        for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
        testsupport::ByteSource source(bytes.data(), bytes.size());
        platform::SimulatedMachine machine;
        testsupport::FillRandomMachine(source, machine);
        EXPECT_EQ(AllocationsOfEverything(machine, true), 0) << "seed " << seed;
    }
}

// The native machine, without measuring (that would wait in real time): CPUID, the host facts, the
// ini file read with open and read.
TEST(Heap, NoAllocationOnTheNativeMachine) {
    EXPECT_EQ(AllocationsOfEverything(platform::NativeMachine(), false), 0);
}

}  // namespace
