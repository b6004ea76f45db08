// The peer library's identification (libcpuid), behind a small interface of its own: its header
// declares names that collide with our item codes, so only peer_identify.cpp includes it.
#pragma once

namespace peer {

// A recorded processor as the peer reads it.
struct RecordedProcessor;

// Reads a dump with the peer's own reader; null when the peer cannot read it or reads no leaf 0.
RecordedProcessor* Load(const char* path);

// One CPUID leaf and sub-leaf as our loader read it.
struct Leaf {
    unsigned leaf;
    unsigned subleaf;
    unsigned regs[4];  // EAX, EBX, ECX, EDX
};

// The same processor handed over from our loader's leaves, for dumps the peer's reader misses.
RecordedProcessor* FromLeaves(const Leaf* leaves, unsigned count);
void Release(RecordedProcessor* processor);

// One identification; returns the peer's status (0: identified).
int Identify(RecordedProcessor* processor);

}  // namespace peer
