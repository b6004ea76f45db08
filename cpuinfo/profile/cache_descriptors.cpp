#include "cpuinfo/profile/cache_descriptors.h"

#include "cpuinfo/rules.h"

namespace profile {

namespace {

constexpr CacheKind D = CacheKind::Data;
constexpr CacheKind C = CacheKind::Instruction;
constexpr CacheKind U = CacheKind::Unified;
constexpr CacheKind T = CacheKind::Trace;

// Sources: Intel SDM vol. 2A, CPUID leaf 2 descriptor table; Linux arch/x86/kernel/cpu/cacheinfo.c.
const CacheDescriptor kDescriptors[] = {
    {0x06, 1, C, 8, 4, 32},      {0x08, 1, C, 16, 4, 32},     {0x09, 1, C, 32, 4, 64},
    {0x0A, 1, D, 8, 2, 32},      {0x0C, 1, D, 16, 4, 32},     {0x0D, 1, D, 16, 4, 64},
    {0x0E, 1, D, 24, 6, 64},     {0x1D, 2, U, 128, 2, 64},    {0x21, 2, U, 256, 8, 64},
    {0x22, 3, U, 512, 4, 64},    {0x23, 3, U, 1024, 8, 64},   {0x24, 2, U, 1024, 16, 64},
    {0x25, 3, U, 2048, 8, 64},   {0x29, 3, U, 4096, 8, 64},   {0x2C, 1, D, 32, 8, 64},
    {0x30, 1, C, 32, 8, 64},     {0x39, 2, U, 128, 4, 64},    {0x3A, 2, U, 192, 6, 64},
    {0x3B, 2, U, 128, 2, 64},    {0x3C, 2, U, 256, 4, 64},    {0x3D, 2, U, 384, 6, 64},
    {0x3E, 2, U, 512, 4, 64},    {0x3F, 2, U, 256, 2, 64},    {0x41, 2, U, 128, 4, 32},
    {0x42, 2, U, 256, 4, 32},    {0x43, 2, U, 512, 4, 32},    {0x44, 2, U, 1024, 4, 32},
    {0x45, 2, U, 2048, 4, 32},   {0x46, 3, U, 4096, 4, 64},   {0x47, 3, U, 8192, 8, 64},
    {0x48, 2, U, 3072, 12, 64},  {0x49, 2, U, 4096, 16, 64},  {0x4A, 3, U, 6144, 12, 64},
    {0x4B, 3, U, 8192, 16, 64},  {0x4C, 3, U, 12288, 12, 64}, {0x4D, 3, U, 16384, 16, 64},
    {0x4E, 2, U, 6144, 24, 64},  {0x60, 1, D, 16, 8, 64},     {0x66, 1, D, 8, 4, 64},
    {0x67, 1, D, 16, 4, 64},     {0x68, 1, D, 32, 4, 64},     {0x70, 1, T, 12, 8, 0},
    {0x71, 1, T, 16, 8, 0},      {0x72, 1, T, 32, 8, 0},      {0x73, 1, T, 64, 8, 0},
    {0x78, 2, U, 1024, 4, 64},   {0x79, 2, U, 128, 8, 64},    {0x7A, 2, U, 256, 8, 64},
    {0x7B, 2, U, 512, 8, 64},    {0x7C, 2, U, 1024, 8, 64},   {0x7D, 2, U, 2048, 8, 64},
    {0x7F, 2, U, 512, 2, 64},    {0x80, 2, U, 512, 8, 64},    {0x82, 2, U, 256, 8, 32},
    {0x83, 2, U, 512, 8, 32},    {0x84, 2, U, 1024, 8, 32},   {0x85, 2, U, 2048, 8, 32},
    {0x86, 2, U, 512, 4, 64},    {0x87, 2, U, 1024, 8, 64},   {0xD0, 3, U, 512, 4, 64},
    {0xD1, 3, U, 1024, 4, 64},   {0xD2, 3, U, 2048, 4, 64},   {0xD6, 3, U, 1024, 8, 64},
    {0xD7, 3, U, 2048, 8, 64},   {0xD8, 3, U, 4096, 8, 64},   {0xDC, 3, U, 1536, 12, 64},
    {0xDD, 3, U, 3072, 12, 64},  {0xDE, 3, U, 6144, 12, 64},  {0xE2, 3, U, 2048, 16, 64},
    {0xE3, 3, U, 4096, 16, 64},  {0xE4, 3, U, 8192, 16, 64},  {0xEA, 3, U, 12288, 24, 64},
    {0xEB, 3, U, 18432, 24, 64}, {0xEC, 3, U, 24576, 24, 64},
};

}  // namespace

const CacheDescriptor* FindCacheDescriptor(uint8_t key) { return FindByKey(kDescriptors, key); }

}  // namespace profile
