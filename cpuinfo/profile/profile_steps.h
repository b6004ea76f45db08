// The steps that build a profile, in the order BuildProcessorProfile runs them. Each reads CPUID through
// the view and fills its part of the profile; later steps read what earlier ones found.
#pragma once

#include "cpuinfo/profile/cpuid_view.h"
#include "cpuinfo/profile/microarchitecture.h"
#include "cpuinfo/profile/profile.h"

namespace profile {

// Vendor, brand, display signature, microarchitecture, code name and process; returns the signature
// the later steps use (its brand points into out).
Signature ReadIdentity(const CpuidView& cpuid, const ClassicNaming& classic, ProcessorProfile& out);

void ReadFeatures(const CpuidView& cpuid, FeatureSet& features);

// Threads, cores and threads per core of one package; packages from the host's processor count.
void ReadTopology(const CpuidView& cpuid, const Signature& signature, ProcessorProfile& out);

// The caches from the deterministic cache leaves, else from the descriptor and extended cache leaves.
void ReadCaches(const CpuidView& cpuid, const Signature& signature, ProcessorProfile& out);

// Leaf 0x16 base, maximum and bus clocks, and the leaf 0x15 nominal counter rate.
void ReadStatedClocks(const CpuidView& cpuid, ProcessorProfile& out);

// The hypervisor flag of leaf 1 and the signature of leaf 0x40000000.
void ReadHypervisor(const CpuidView& cpuid, ProcessorProfile& out);

// "0.13" -> "130 nm", "0.50/0.35" -> "500/350 nm"; false (and target untouched) for other text.
bool MicrometresToNanometres(const char* micrometres, char* target, size_t size);

}  // namespace profile
