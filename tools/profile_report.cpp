// cpureport's view of the processor profile: a labelled text section and a JSON object.
#include "tools/profile_report.h"

#include <cstdio>

namespace {

using profile::Cache;
using profile::kUnknown;
using profile::ProcessorProfile;

constexpr size_t kFeatureColumns = 72;  // width of the wrapped feature list

std::string Labelled(const char* label, const std::string& value, int width) {
    char head[128];
    std::snprintf(head, sizeof head, "  %-*s ", width, label);
    return head + value + "\n";
}

std::string Number(int32_t value) { return value == kUnknown ? "unknown" : std::to_string(value); }

std::string Hex(int32_t value) {
    if (value == kUnknown) return "unknown";
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

std::string OrUnknown(const char* text) { return text[0] ? text : "unknown"; }

std::string SizeText(uint32_t kib) {
    char text[32];
    if (kib >= 1024 && kib % 1024 == 0)
        std::snprintf(text, sizeof text, "%u MiB", kib / 1024);
    else
        std::snprintf(text, sizeof text, "%u KiB", kib);
    return text;
}

std::string CacheLabel(const Cache& c) {
    char text[48];
    const char* kind = c.kind == profile::CacheKind::Data          ? " data"
                       : c.kind == profile::CacheKind::Instruction ? " instruction"
                       : c.kind == profile::CacheKind::Trace       ? " trace"
                                                                   : "";
    std::snprintf(text, sizeof text, "L%u%s cache", static_cast<unsigned>(c.level), kind);
    return text;
}

std::string CacheText(const Cache& c) {
    std::string text = c.kind == profile::CacheKind::Trace ? std::to_string(c.sizeKib) + "K micro-ops"
                                                           : SizeText(c.sizeKib);
    if (c.ways > 0) text += ", " + std::to_string(c.ways) + "-way";
    if (c.lineBytes > 0) text += ", " + std::to_string(c.lineBytes) + "-byte lines";
    if (c.sharedBy > 0) text += ", shared by " + std::to_string(c.sharedBy);
    return text;
}

// The features as lines of at most kFeatureColumns characters.
std::string FeatureLines(const profile::FeatureSet& features, int width) {
    std::string out;
    std::string line;
    for (size_t i = 0; i < profile::kFeatureCount; ++i) {
        if (!features.Has(i)) continue;
        const std::string name = profile::kFeatureBits[i].name;
        if (!line.empty() && line.size() + 1 + name.size() > kFeatureColumns) {
            out += Labelled(out.empty() ? "Features" : "", line, width);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + name;
    }
    if (!line.empty() || out.empty()) out += Labelled(out.empty() ? "Features" : "", line.empty() ? "none" : line, width);
    return out;
}

std::string Escaped(const char* text) {
    std::string out = "\"";
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        if (*c == '"' || *c == '\\') {
            out += '\\';
            out += static_cast<char>(*c);
        } else if (*c < 0x20 || *c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(*c));
            out += escaped;
        } else {
            out += static_cast<char>(*c);
        }
    }
    return out + "\"";
}

std::string JsonText(const char* text) { return text[0] ? Escaped(text) : "null"; }
std::string JsonNumber(int32_t value) { return value == kUnknown ? "null" : std::to_string(value); }

}  // namespace

std::string ProfileText(const ProcessorProfile& p, int labelWidth) {
    auto Row = [labelWidth](const char* label, const std::string& value) {
        return Labelled(label, value, labelWidth);
    };
    std::string out = "Processor\n";
    if (!p.hasCpuid) return out + Row("CPUID", "not available") + "\n";
    out += Row("Vendor", p.vendor[0] ? std::string(p.vendor) + " (" + p.vendorString + ")" : p.vendorString);
    out += Row("Brand", OrUnknown(p.brand));
    out += Row("Family, model, stepping", Hex(p.family) + ", " + Hex(p.model) + ", " + Number(p.stepping));
    out += Row("Microarchitecture", OrUnknown(p.microarchitecture));
    out += Row("Code name", OrUnknown(p.codeName));
    out += Row("Process", OrUnknown(p.process));
    out += Row("Packages", Number(p.packages));
    out += Row("Cores per package", p.hybrid ? "unknown (hybrid)" : Number(p.cores));
    out += Row("Threads per package", Number(p.threads));
    for (size_t i = 0; i < p.cacheCount; ++i) out += Row(CacheLabel(p.caches[i]).c_str(), CacheText(p.caches[i]));
    out += FeatureLines(p.features, labelWidth);
    auto mhz = [](int32_t value) { return value == kUnknown ? std::string("not stated") : std::to_string(value); };
    out += Row("Base / maximum / bus clock (MHz)", mhz(p.baseMhz) + " / " + mhz(p.maxMhz) + " / " + mhz(p.busMhz));
    if (p.counterMhz > 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", p.counterMhz);
        out += Row("Time-stamp counter (MHz)", text);
    }
    out += Row("Hypervisor", p.underHypervisor ? (p.hypervisor[0] ? p.hypervisor : "unidentified") : "none");
    return out + "\n";
}

std::string ProfileJson(const ProcessorProfile& p, int indent) {
    const std::string pad(static_cast<size_t>(indent), ' ');
    const std::string inner = pad + "  ";
    std::string out = "{";
    bool first = true;
    auto add = [&](const char* key, const std::string& value) {
        out += (first ? "\n" : ",\n") + inner + "\"" + key + "\": " + value;
        first = false;
    };
    add("vendor", JsonText(p.vendor));
    add("brand", JsonText(p.brand));
    add("family", JsonNumber(p.family));
    add("model", JsonNumber(p.model));
    add("stepping", JsonNumber(p.stepping));
    add("microarchitecture", JsonText(p.microarchitecture));
    add("codename", JsonText(p.codeName));
    add("process", JsonText(p.process));
    add("packages", JsonNumber(p.packages));
    add("cores", JsonNumber(p.cores));
    add("threads", JsonNumber(p.threads));

    std::string caches = "[";
    for (size_t i = 0; i < p.cacheCount; ++i) {
        const Cache& c = p.caches[i];
        caches += (i ? ",\n" : "\n") + inner + "  {\"level\": " + std::to_string(c.level) +
                  ", \"type\": " + Escaped(profile::CacheKindName(c.kind)) +
                  ", \"size_kib\": " + std::to_string(c.sizeKib) + ", \"ways\": " + JsonNumber(c.ways) +
                  ", \"line\": " + JsonNumber(c.lineBytes) + ", \"shared_by\": " + JsonNumber(c.sharedBy) + "}";
    }
    add("caches", caches + (p.cacheCount ? "\n" + inner + "]" : "]"));

    std::string features = "[";
    bool firstFeature = true;
    for (size_t i = 0; i < profile::kFeatureCount; ++i) {
        if (!p.features.Has(i)) continue;
        features += (firstFeature ? "" : ", ") + Escaped(profile::kFeatureBits[i].name);
        firstFeature = false;
    }
    add("features", features + "]");

    add("base_mhz", JsonNumber(p.baseMhz));
    add("max_mhz", JsonNumber(p.maxMhz));
    add("bus_mhz", JsonNumber(p.busMhz));
    add("hypervisor", p.underHypervisor ? Escaped(p.hypervisor[0] ? p.hypervisor : "unidentified") : "null");
    return out + "\n" + pad + "}";
}
