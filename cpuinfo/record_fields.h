// The processor record: every field of CCpuInfo, in its declared order, with its type and the value
// that marks it as not yet determined. This one list generates the data members, the record
// initialisation and the field table that reports use, so the three can never disagree.
//
//   I32(name, initial)   int32_t, or the named code of codes.h that the initial value belongs to
//   U32(name, initial)   uint32_t (raw registers, leaf maxima, masks)
//   F64(name, initial)   double
//   TEXT(name, size)     char[size], initially empty
#pragma once

#include <cstdint>
#include <type_traits>

#include "cpuinfo/codes.h"

// The declared type of an I32 field: a named code keeps its enumeration (32 bits wide), any other
// initial value gives int32_t.
template <typename Initial>
using RecordI32 = std::conditional_t<std::is_enum<Initial>::value, Initial, int32_t>;

#define CPUINFO_RECORD_FIELDS(I32, U32, F64, TEXT) \
    I32(MultiProcessor, 0)              \
    I32(DualWaitTime, 1000)             \
    I32(CpuidSupported, 0)              \
    I32(HasTsc, 0)                      \
    I32(HasMsr, 0)                      \
    I32(VendorId, Vendor::Unknown)      \
    I32(CoreCode, Core::None)           \
    I32(L2HalfSpeed, 0)                 \
    I32(HasPowerNow, 0)                 \
    I32(MaxStdLeaf, 0)                  \
    U32(MaxExtLeaf, 0)                  \
    U32(MsrALow, 0)                     \
    U32(MsrBLow, 0)                     \
    U32(MsrAHigh, 0)                    \
    U32(MsrBHigh, 0)                    \
    U32(AffinityMask, 0)                \
    TEXT(CpuName, 65)                   \
    TEXT(BusDataRateName, 4)            \
    TEXT(VendorString, 13)              \
    TEXT(VendorName, 13)                \
    TEXT(BrandString, 49)               \
    TEXT(Socket, 65)                    \
    TEXT(ProcessorTypeName, 33)         \
    TEXT(SignatureHex, 4)               \
    TEXT(L2SpeedText, 9)                \
    TEXT(ModelName, 65)                 \
    TEXT(CodeName, 65)                  \
    TEXT(ProcessorName, 65)             \
    TEXT(ProcessTech, 65)               \
    TEXT(SerialNumber, 30)              \
    TEXT(ArchitectureName, 13)          \
    TEXT(ClockMethodName, 4)            \
    TEXT(ModelNumber, 32)               \
    TEXT(RevisionName, 32)              \
    TEXT(SpareText1, 33)                \
    F64(CoreClock, -1.0)                \
    F64(MeasuredBusClock, -1.0)         \
    F64(MeasuredFsbClock, -1.0)         \
    F64(Multiplier, -1.0)               \
    F64(RatedClock, -1.0)               \
    F64(BusClock, -1.0)                 \
    F64(FsbClock, -1.0)                 \
    F64(EffectiveClock, -1.0)           \
    F64(EffectiveBusClock, -1.0)        \
    F64(EffectiveFsbClock, -1.0)        \
    F64(L2SpeedRatio, -1.0)             \
    F64(OverclockPercent, -100.0)       \
    F64(MaxMultiplier, -1.0)            \
    F64(DieSize, -1.0)                  \
    F64(TransistorCount, -1.0)          \
    F64(AuxFigure, -1.0)                \
    I32(ProcessorCount, 1)              \
    I32(Family, -1)                     \
    I32(Model, -1)                      \
    I32(Stepping, -1)                   \
    I32(ExtFamily, -1)                  \
    I32(ExtModel, -1)                   \
    I32(FullFamily, -1)                 \
    I32(FullModel, -1)                  \
    I32(ExtLeafBaseFamily, -1)          \
    I32(ExtLeafBaseModel, -1)           \
    I32(ExtLeafStepping, -1)            \
    I32(ExtLeafFamily, -1)              \
    I32(ExtLeafModel, -1)               \
    I32(BrandId, 0)                     \
    I32(BrandNN, 0)                     \
    I32(PwrLmt, 0)                      \
    I32(CmpCap, 0)                      \
    I32(PackageType, -1)                \
    I32(ApicId, -1)                     \
    I32(L1CodeSize, -1)                 \
    I32(TraceCacheSize, -1)             \
    I32(L1UnifiedSize, -1)              \
    I32(L1DataSize, -1)                 \
    I32(L2Size, -1)                     \
    I32(L3Size, -1)                     \
    I32(LogicalPerCore, 0)              \
    I32(CoresPerPackage, 1)             \
    I32(ProcessorType, -1)              \
    I32(BusDataRate, -1)                \
    I32(PlatformId, -1)                 \
    TEXT(L1CodeAssocText, 8)            \
    TEXT(L1CodeLineText, 8)             \
    TEXT(L1DataAssocText, 8)            \
    TEXT(L1DataLineText, 8)             \
    TEXT(L2AssocText, 8)                \
    TEXT(L2LineText, 8)                 \
    TEXT(L3AssocText, 8)                \
    TEXT(L3LineText, 8)                 \
    I32(L1CodeAssoc, -1)                \
    I32(L1CodeLine, -1)                 \
    I32(L1DataAssoc, -1)                \
    I32(L1DataLine, -1)                 \
    I32(L2Assoc, -1)                    \
    I32(L2Line, -1)                     \
    I32(L3Assoc, -1)                    \
    I32(L3Line, -1)                     \
    U32(Std1Edx, 0)                     \
    U32(Std1Ecx, 0)                     \
    U32(Ext1Edx, 0)                     \
    U32(Ext1Ecx, 0)                     \
    U32(CentaurExtEdx, 0)               \
    U32(TransmetaExtEdx, 0)             \
    U32(PowerMgmtEdx, 0)                \
    U32(Std1Ebx, 0)                     \
    U32(Ext1Ebx, 0)                     \
    U32(Std1Eax, 0)                     \
    U32(Ext1Eax, 0)                     \
    I32(HasMmx, 0)                      \
    I32(HasMmxExt, 0)                   \
    I32(HasSse, 0)                      \
    I32(HasSse2, 0)                     \
    I32(HasSse3, 0)                     \
    I32(HasSsse3, 0)                    \
    I32(HasSse4, 0)                     \
    I32(HasSse41, 0)                    \
    I32(HasSse42, 0)                    \
    I32(HasSse4a, 0)                    \
    I32(Has3DNow, 0)                    \
    I32(Has3DNowExt, 0)                 \
    I32(HasHtt, 0)                      \
    I32(HasVmx, 0)                      \
    I32(HasSvm, 0)                      \
    I32(HasLongMode, 0)                 \
    I32(HasIa64, 0)                     \
    I32(VariableClock, 0)               \
    I32(HasSerialNumber, 0)             \
    I32(HasEm64t, 0)                    \
    I32(HasNx, 0)                       \
    I32(IsSempron, 0)                   \
    I32(IsDualCore, 0)                  \
    I32(RescaleByMultiplier, 0)         \
    TEXT(TransmetaInfo, 68)             \
    I32(TransmetaCurrentClock, -1)      \
    I32(TransmetaNominalClock, -1)      \
    I32(TransmetaCurrentVoltage, -1)    \
    I32(TransmetaCurrentLevel, -1)      \
    I32(TransmetaGateDelay, -1)         \
    TEXT(TransmetaHardwareRevision, 33) \
    TEXT(TransmetaSoftwareRevision, 33) \
    I32(PowerMgmtCode, 0)               \
    I32(MaxFid, 0)                      \
    TEXT(SpareText2, 16)                \
    TEXT(SpareText3, 16)                \
    TEXT(SpareText4, 16)                \
    TEXT(SpareText5, 16)                \
    TEXT(SpareText6, 16)                \
    TEXT(SpareText7, 16)
