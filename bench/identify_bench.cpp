// Identification speed on recorded processors, and GetInfo for every item code.
//
// Every machine file found under the corpus folders (by default the project's tests/machines, every
// folder below it included) is loaded once into a simulated machine, then identified over and over:
//   Identify/<file>/no_clock         CCpuInfo(1, 9): the whole detection without the clock measurement
//   Identify/<file>/simulated_clock  CCpuInfo(1, 0): the same with the simulated clock measured
//   Peer/<file>                      libcpuid's cpu_identify on the same file, read by its own
//                                    cpuid_deserialize_raw_data (when the build found libcpuid); a
//                                    dump layout its reader misses gets the leaves our loader read
// and GetInfo/<code>/<name> queries each item of one machine. At the end a summary prints the medians
// per vendor, the peer's medians and the ratio, and the slowest GetInfo text and figure - all from
// CPU time, which a busy shared machine disturbs less than wall time.
//
// Options (before Google Benchmark's own): --machines=DIR (repeatable; also the environment variable
// CPUTYPE_BENCH_MACHINES, folders separated by ':'), --getinfo-machine=FILE.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"

#ifdef CPUTYPE_HAVE_LIBCPUID
#include "bench/peer/peer_identify.h"
#endif

namespace {

struct Dump {
    std::string name;    // path below its corpus folder
    std::string path;
    std::string vendor;  // "Intel", "AMD" or "other"
    platform::SimulatedMachine machine;
#ifdef CPUTYPE_HAVE_LIBCPUID
    std::unique_ptr<peer::RecordedProcessor, void (*)(peer::RecordedProcessor*)> peer{nullptr, peer::Release};
    bool peerFromOurLoader = false;
#endif
};

std::vector<std::unique_ptr<Dump>>& Dumps() {
    static std::vector<std::unique_ptr<Dump>> dumps;
    return dumps;
}

std::string VendorOf(platform::SimulatedMachine& machine) {
    const platform::CpuidRegs leaf0 = machine.Cpuid(0, 0);
    char vendor[13] = {};
    std::memcpy(vendor, &leaf0.ebx, 4);
    std::memcpy(vendor + 4, &leaf0.edx, 4);
    std::memcpy(vendor + 8, &leaf0.ecx, 4);
    if (std::strcmp(vendor, "GenuineIntel") == 0) return "Intel";
    if (std::strcmp(vendor, "AuthenticAMD") == 0) return "AMD";
    return "other";
}

// Loads every machine file below folder; files that are not machine descriptions are left out.
void LoadCorpus(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<std::string> paths;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file()) paths.push_back(it->path().string());
    if (error) std::fprintf(stderr, "identify_bench: cannot read %s: %s\n", folder.c_str(), error.message().c_str());
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
        auto dump = std::make_unique<Dump>();
        std::string message;
        if (!platform::LoadMachineFile(path, dump->machine, message) || !dump->machine.HasLeaf(0, 0)) continue;
        dump->path = path;
        dump->name = fs::relative(path, folder).string();
        dump->vendor = VendorOf(dump->machine);
#ifdef CPUTYPE_HAVE_LIBCPUID
        dump->peer.reset(peer::Load(path.c_str()));
        if (!dump->peer) {
            // A dump layout the peer's reader does not know: hand it the leaves our loader read.
            std::vector<peer::Leaf> leaves;
            for (const auto& [key, regs] : dump->machine.Leaves())
                leaves.push_back(peer::Leaf{key.first, key.second, {regs.eax, regs.ebx, regs.ecx, regs.edx}});
            dump->peer.reset(peer::FromLeaves(leaves.data(), static_cast<unsigned>(leaves.size())));
            dump->peerFromOurLoader = true;
        }
#endif
        Dumps().push_back(std::move(dump));
    }
}

void IdentifyWithoutClock(benchmark::State& state, Dump* dump) {
    platform::ScopedMachine use(dump->machine);
    for (auto _ : state) {
        CCpuInfo cpu(0x1, 9);
        benchmark::DoNotOptimize(&cpu);
        benchmark::ClobberMemory();
    }
    state.SetLabel(dump->vendor);
}

void IdentifyWithSimulatedClock(benchmark::State& state, Dump* dump) {
    platform::ScopedMachine use(dump->machine);
    for (auto _ : state) {
        CCpuInfo cpu(0x1, 0);
        benchmark::DoNotOptimize(&cpu);
        benchmark::ClobberMemory();
    }
    state.SetLabel(dump->vendor);
}

#ifdef CPUTYPE_HAVE_LIBCPUID
void PeerIdentify(benchmark::State& state, Dump* dump) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(peer::Identify(dump->peer.get()));
        benchmark::ClobberMemory();
    }
    state.SetLabel(dump->vendor);
}
#endif

// GetInfo of one item, on a record identified once from the chosen machine.
struct GetInfoSubject {
    platform::SimulatedMachine machine;
    std::unique_ptr<CCpuInfo> cpu;
};

GetInfoSubject& TheGetInfoSubject() {
    static GetInfoSubject subject;
    return subject;
}

void QueryItem(benchmark::State& state, int32_t code) {
    GetInfoSubject& subject = TheGetInfoSubject();
    platform::ScopedMachine use(subject.machine);
    char buffer[65];
    for (auto _ : state) {
        benchmark::DoNotOptimize(subject.cpu->GetInfo(code, buffer));
        benchmark::ClobberMemory();
    }
}

bool IsTextItem(const InfoItemRow& row) { return row.action == InfoAction::Copy; }

// Collects every result while the console shows it, and prints the comparison at the end.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            nanoseconds_[run.benchmark_name()] =
                run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        PrintIdentification();
        PrintGetInfo();
    }

private:
    static double Median(std::vector<double> values) {
        if (values.empty()) return 0.0;
        std::sort(values.begin(), values.end());
        const size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
    }

    bool Find(const std::string& name, double& nanoseconds) const {
        auto found = nanoseconds_.find(name);
        if (found == nanoseconds_.end()) return false;
        nanoseconds = found->second;
        return true;
    }

    void PrintIdentification() const {
        std::printf("\nIdentification on the simulated machine, medians over the recorded processors (us)\n");
        std::printf("%-7s %6s %10s %16s %10s %12s %10s\n", "vendor", "files", "no clock", "simulated clock",
                    "peer", "peer files", "peer/ours");
        for (const char* vendor : {"Intel", "AMD", "other", "all"}) {
            std::vector<double> ours, clocked, peerTimes, oursBesidePeer, ratios;
            for (const auto& dump : Dumps()) {
                if (std::strcmp(vendor, "all") != 0 && dump->vendor != vendor) continue;
                double own = 0.0, withClock = 0.0, theirs = 0.0;
                if (!Find("Identify/" + dump->name + "/no_clock", own)) continue;
                ours.push_back(own / 1000.0);
                if (Find("Identify/" + dump->name + "/simulated_clock", withClock)) clocked.push_back(withClock / 1000.0);
                if (Find("Peer/" + dump->name, theirs)) {
                    peerTimes.push_back(theirs / 1000.0);
                    oursBesidePeer.push_back(own / 1000.0);
                    ratios.push_back(theirs / own);
                }
            }
            if (ours.empty()) continue;
            std::printf("%-7s %6zu %10.3f %16.3f ", vendor, ours.size(), Median(ours), Median(clocked));
            if (peerTimes.empty()) {
                std::printf("%10s %12s %10s\n", "-", "0", "-");
            } else {
                std::printf("%10.3f %12zu %9.1fx\n", Median(peerTimes), peerTimes.size(),
                            Median(peerTimes) / Median(oursBesidePeer));
            }
            if (!ratios.empty())
                std::printf("        peer/ours per file: lowest %.1fx, median %.1fx\n",
                            *std::min_element(ratios.begin(), ratios.end()), Median(ratios));
        }
#ifdef CPUTYPE_HAVE_LIBCPUID
        size_t handedOver = 0;
        for (const auto& dump : Dumps())
            if (dump->peerFromOurLoader) ++handedOver;
        std::printf("peer: libcpuid's cpu_identify; %zu of %zu files read by its own reader, the others handed its"
                    " raw data from our loader\n", Dumps().size() - handedOver, Dumps().size());
#else
        std::printf("(libcpuid was not found when this benchmark was built: no peer comparison)\n");
#endif
    }

    void PrintGetInfo() const {
        const InfoItemRow* slowestText = nullptr;
        const InfoItemRow* slowestFigure = nullptr;
        double textNs = 0.0, figureNs = 0.0;
        std::vector<double> texts, figures;
        for (size_t i = 0; i < kInfoItemCount; ++i) {
            const InfoItemRow& row = kInfoItems[i];
            if (row.action == InfoAction::Remeasure || row.action == InfoAction::UpdateMultiplier) continue;
            double ns = 0.0;
            if (!Find(ItemBenchmarkName(row), ns)) continue;
            if (IsTextItem(row)) {
                texts.push_back(ns);
                if (ns > textNs) textNs = ns, slowestText = &row;
            } else {
                figures.push_back(ns);
                if (ns > figureNs) figureNs = ns, slowestFigure = &row;
            }
        }
        if (slowestText)
            std::printf("\nGetInfo, text items: median %.1f ns, slowest %.1f ns (%s)\n", Median(texts), textNs,
                        slowestText->name);
        if (slowestFigure)
            std::printf("GetInfo, formatted figures: median %.1f ns, slowest %.1f ns (%s)\n", Median(figures),
                        figureNs, slowestFigure->name);
    }

public:
    static std::string ItemBenchmarkName(const InfoItemRow& row) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(row.code));
        return std::string("GetInfo/") + code + "/" + row.name;
    }

private:
    std::map<std::string, double> nanoseconds_;
};

void RegisterBenchmarks() {
    for (const auto& dump : Dumps()) {
        Dump* d = dump.get();
        benchmark::RegisterBenchmark(("Identify/" + d->name + "/no_clock").c_str(), IdentifyWithoutClock, d);
#ifdef CPUTYPE_HAVE_LIBCPUID
        if (d->peer) benchmark::RegisterBenchmark(("Peer/" + d->name).c_str(), PeerIdentify, d);
#endif
        benchmark::RegisterBenchmark(("Identify/" + d->name + "/simulated_clock").c_str(), IdentifyWithSimulatedClock, d);
    }
    if (TheGetInfoSubject().cpu) {
        for (size_t i = 0; i < kInfoItemCount; ++i)
            benchmark::RegisterBenchmark(SummaryReporter::ItemBenchmarkName(kInfoItems[i]).c_str(), QueryItem,
                                         kInfoItems[i].code);
    }
}

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> folders;
    std::string getInfoMachine = CPUTYPE_BENCH_MACHINES "/pentium4-2.40.test";
    bool minTimeGiven = false;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && StartsWith(argv[i], "--machines="))
            folders.push_back(argv[i] + std::strlen("--machines="));
        else if (i > 0 && StartsWith(argv[i], "--getinfo-machine="))
            getInfoMachine = argv[i] + std::strlen("--getinfo-machine=");
        else
            rest.push_back(argv[i]);
        if (StartsWith(argv[i], "--benchmark_min_time")) minTimeGiven = true;
    }
    if (folders.empty()) {
        if (const char* fromEnvironment = std::getenv("CPUTYPE_BENCH_MACHINES")) {
            std::string list = fromEnvironment;
            for (size_t start = 0; start <= list.size();) {
                size_t end = list.find(':', start);
                if (end == std::string::npos) end = list.size();
                if (end > start) folders.push_back(list.substr(start, end - start));
                start = end + 1;
            }
        }
    }
    if (folders.empty()) folders.push_back(CPUTYPE_BENCH_MACHINES);
    // A short default per benchmark: the medians over many files matter, not one file's last digit.
    static char shortMinTime[] = "--benchmark_min_time=0.1";
    if (!minTimeGiven) rest.push_back(shortMinTime);

    for (const std::string& folder : folders) LoadCorpus(folder);
    std::fprintf(stderr, "identify_bench: %zu machine files\n", Dumps().size());

    GetInfoSubject& subject = TheGetInfoSubject();
    std::string error;
    if (platform::LoadMachineFile(getInfoMachine, subject.machine, error)) {
        platform::ScopedMachine use(subject.machine);
        subject.cpu = std::make_unique<CCpuInfo>(0x1, 0);
    } else {
        std::fprintf(stderr, "identify_bench: no GetInfo benchmarks: %s\n", error.c_str());
    }

    RegisterBenchmarks();
    int count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
