// The machine-file loader. Each line is recognised by its shape: native CPUID/MSR/SET lines, the
// `name[i]=eax ebx ecx edx` lines and the `0xLLLLLLLL 0xSS: eax=...` lines; everything else is text of
// the dump and ignored. A malformed line of a recognised kind is an error; nothing is guessed.
#include "platform/machine_file.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace platform {
namespace {

// Real dumps are a few kilobytes; anything far larger is not a machine description.
constexpr std::streamoff kMaxFileSize = 16 * 1024 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

class Cursor {
public:
    explicit Cursor(const std::string& text) : text_(text) {}
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    bool TakeWord(const char* word) {
        size_t length = std::strlen(word);
        if (text_.compare(pos_, length, word) != 0) return false;
        pos_ += length;
        return true;
    }
    // minDigits to maxDigits hexadecimal digits.
    bool Hex(uint64_t& value, size_t maxDigits, size_t minDigits = 1) {
        size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_])) &&
               pos_ - start < maxDigits) {
            char c = text_[pos_++];
            value = value * 16 + static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(c))
                                                           ? c - '0'
                                                           : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
        }
        if (pos_ - start < minDigits) return false;
        // More digits than a register holds is malformed, not cut.
        return pos_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[pos_]));
    }
    bool Decimal(uint64_t& value) {
        size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])) && pos_ - start < 12)
            value = value * 10 + static_cast<uint64_t>(text_[pos_++] - '0');
        return pos_ != start && !std::isdigit(static_cast<unsigned char>(Peek()));
    }
    size_t Position() const { return pos_; }
    std::string Rest() const { return AtEnd() ? std::string() : text_.substr(pos_); }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

struct Loader {
    Loader(const std::string& fileName, SimulatedMachine& target, std::string& message)
        : name(fileName), machine(target), error(message) {}

    const std::string& name;
    SimulatedMachine& machine;
    std::string& error;
    int lineNumber = 0;
    bool recognised = false;
    bool otherProcessor = false;  // leaf lines after a second processor's header are ignored
    std::map<uint32_t, uint32_t> nextSubleaf;

    bool Fail(const std::string& message) {
        error = name + ":" + std::to_string(lineNumber) + ": " + message;
        return false;
    }

    void AddLeaf(uint32_t leaf, uint32_t subleaf, const CpuidRegs& regs) {
        recognised = true;
        if (!otherProcessor) machine.SetLeaf(leaf, subleaf, regs);
    }

    // A value ends at a blank or at the end of the line; anything run on into it makes it malformed.
    static bool EndOfValue(const Cursor& cursor) { return cursor.AtEnd() || IsBlank(cursor.Peek()); }

    // Four 32-bit registers separated by '-' or blanks.
    bool Registers(Cursor& cursor, CpuidRegs& regs) {
        uint32_t* words[4] = {&regs.eax, &regs.ebx, &regs.ecx, &regs.edx};
        for (int i = 0; i < 4; ++i) {
            if (i > 0) {
                cursor.SkipBlanks();
                cursor.Take('-');
                cursor.SkipBlanks();
            }
            // Registers are written with all eight digits; fewer means a cut line (an interrupted save).
            uint64_t value = 0;
            if (!cursor.Hex(value, 8, 8)) return false;
            *words[i] = static_cast<uint32_t>(value);
        }
        return true;
    }

    bool NativeCpuid(Cursor& cursor) {
        uint64_t leaf = 0;
        cursor.SkipBlanks();
        if (!cursor.Hex(leaf, 8)) return Fail("bad leaf number in CPUID line");
        cursor.Take(':');
        cursor.SkipBlanks();
        CpuidRegs regs;
        if (!Registers(cursor, regs) || !EndOfValue(cursor))
            return Fail("CPUID line needs four registers of eight hexadecimal digits");
        cursor.SkipBlanks();
        uint32_t subleaf;
        if (cursor.TakeWord("[SL")) {
            uint64_t value = 0;
            cursor.SkipBlanks();
            if (!cursor.Hex(value, 8)) return Fail("bad sub-leaf in CPUID line");
            cursor.SkipBlanks();
            if (!cursor.Take(']')) return Fail("unterminated sub-leaf in CPUID line");
            subleaf = static_cast<uint32_t>(value);
        } else {
            subleaf = nextSubleaf[static_cast<uint32_t>(leaf)]++;
        }
        // Whatever follows the registers and the sub-leaf is a note of the dump.
        AddLeaf(static_cast<uint32_t>(leaf), subleaf, regs);
        return true;
    }

    bool Msr(Cursor& cursor) {
        uint64_t index = 0;
        cursor.SkipBlanks();
        if (!cursor.Hex(index, 8)) return Fail("bad register number in MSR line");
        cursor.Take(':');
        cursor.SkipBlanks();
        if (cursor.Take('<')) {
            // "< FAILED >": the dump could not read this register, so the machine does not deliver it.
            cursor.SkipBlanks();
            if (!cursor.TakeWord("FAILED")) return Fail("MSR line needs a value or '< FAILED >'");
            cursor.SkipBlanks();
            if (!cursor.Take('>')) return Fail("MSR line needs a value or '< FAILED >'");
            recognised = true;
            return true;
        }
        uint64_t value = 0;
        for (int i = 0; i < 4; ++i) {
            cursor.SkipBlanks();
            if (i > 0) {
                cursor.Take('-');
                cursor.SkipBlanks();
            }
            uint64_t group = 0;
            if (!cursor.Hex(group, 4)) return Fail("MSR line needs four groups of up to four hexadecimal digits");
            value = (value << 16) | group;
        }
        // A note may follow the value ("[PlatID = 7]"), but not digits run on into it.
        if (!EndOfValue(cursor)) return Fail("MSR line needs four groups of up to four hexadecimal digits");
        recognised = true;
        machine.SetMsr(static_cast<uint32_t>(index), value);
        return true;
    }

    bool Set(Cursor& cursor) {
        cursor.SkipBlanks();
        std::string rest = cursor.Rest();
        size_t equals = rest.find('=');
        if (equals == std::string::npos) return Fail("SET line needs 'key = value'");
        std::string key = rest.substr(0, equals);
        while (!key.empty() && IsBlank(key.back())) key.pop_back();
        std::string value = rest.substr(equals + 1);
        HostFacts& facts = machine.Facts();
        recognised = true;
        if (key == "CqDualWaitTime") {
            // The ini text as written: everything after "= ".
            if (!value.empty() && value[0] == ' ') value.erase(0, 1);
            while (!value.empty() && value.back() == '\r') value.pop_back();
            facts.dualWaitTime = value;
            return true;
        }
        while (!value.empty() && IsBlank(value.front())) value.erase(0, 1);
        while (!value.empty() && IsBlank(value.back())) value.pop_back();
        if (key == "tsc-mhz") {
            char* end = nullptr;
            errno = 0;
            double mhz = std::strtod(value.c_str(), &end);
            if (value.empty() || *end != '\0' || errno != 0 || !std::isfinite(mhz) || mhz < 0 || mhz > 1e6 ||
                !std::isdigit(static_cast<unsigned char>(value[0])))
                return Fail("tsc-mhz must be a decimal number of MHz");
            facts.tscMhz = mhz;
            facts.tscMhzGiven = true;
            return true;
        }
        std::string digits = value;
        Cursor number(digits);
        uint64_t parsed = 0;
        if (!number.Decimal(parsed) || !number.AtEnd()) return Fail("SET " + key + " needs a decimal number");
        if (key == "processors") {
            if (parsed < 1 || parsed > 65535) return Fail("processors must be 1 to 65535");
            facts.processors = static_cast<uint32_t>(parsed);
        } else if (key == "architecture") {
            if (parsed > 0xFFFF) return Fail("architecture out of range");
            facts.architecture = static_cast<uint16_t>(parsed);
        } else if (key == "processor-type") {
            if (parsed > 0xFFFFFFFFu) return Fail("processor-type out of range");
            facts.processorType = static_cast<uint32_t>(parsed);
        } else if (key == "processor-level") {
            if (parsed > 0xFFFF) return Fail("processor-level out of range");
            facts.processorLevel = static_cast<uint16_t>(parsed);
        } else if (key == "nt" || key == "wow64" || key == "cpuid") {
            if (parsed > 1) return Fail(key + " must be 0 or 1");
            (key == "nt" ? facts.nt : key == "wow64" ? facts.wow64 : facts.cpuid) = parsed == 1;
        } else if (key == "tick-start") {
            if (parsed > 0xFFFFFFFFu) return Fail("tick-start out of range");
            facts.tickStart = static_cast<uint32_t>(parsed);
        } else {
            return Fail("unknown SET key '" + key + "'");
        }
        return true;
    }

    // basic_cpuid[i], ext_cpuid[i], intel_fn4[i], intel_fn11[i]; other arrays are ignored.
    bool NamedArray(const std::string& arrayName, Cursor& cursor) {
        uint64_t index = 0;
        if (!cursor.Decimal(index) || !cursor.Take(']') || !cursor.Take('='))
            return Fail("bad index in " + arrayName + " line");
        uint32_t leaf;
        uint32_t subleaf = 0;
        if (arrayName == "basic_cpuid") {
            leaf = static_cast<uint32_t>(index);
        } else if (arrayName == "ext_cpuid") {
            leaf = 0x80000000u + static_cast<uint32_t>(index);
        } else if (arrayName == "intel_fn4") {
            leaf = 4;
            subleaf = static_cast<uint32_t>(index);
        } else if (arrayName == "intel_fn11") {
            leaf = 0xB;
            subleaf = static_cast<uint32_t>(index);
        } else {
            return true;
        }
        if (index > 0xFFFF) return Fail("index out of range in " + arrayName + " line");
        CpuidRegs regs;
        cursor.SkipBlanks();
        if (!Registers(cursor, regs)) return Fail(arrayName + " line needs four registers of eight hexadecimal digits");
        cursor.SkipBlanks();
        if (!cursor.AtEnd()) return Fail("unexpected text after the registers");
        AddLeaf(leaf, subleaf, regs);
        return true;
    }

    // 0xLLLLLLLL 0xSS: eax=0x... ebx=0x... ecx=0x... edx=0x...
    bool HexLeafLine(Cursor& cursor) {
        uint64_t leaf = 0;
        uint64_t subleaf = 0;
        if (!cursor.Hex(leaf, 8)) return Fail("bad leaf number");
        cursor.SkipBlanks();
        if (!cursor.TakeWord("0x") || !cursor.Hex(subleaf, 8) || !cursor.Take(':'))
            return Fail("bad sub-leaf number");
        CpuidRegs regs;
        const char* names[4] = {"eax=0x", "ebx=0x", "ecx=0x", "edx=0x"};
        uint32_t* words[4] = {&regs.eax, &regs.ebx, &regs.ecx, &regs.edx};
        for (int i = 0; i < 4; ++i) {
            cursor.SkipBlanks();
            uint64_t value = 0;
            if (!cursor.TakeWord(names[i]) || !cursor.Hex(value, 8))
                return Fail(std::string("missing or bad ") + std::string(names[i], 3));
            *words[i] = static_cast<uint32_t>(value);
        }
        AddLeaf(static_cast<uint32_t>(leaf), static_cast<uint32_t>(subleaf), regs);
        return true;
    }

    // Headers of a second (or later) logical processor.
    static bool IsOtherProcessorHeader(const std::string& line) {
        size_t at = line.find("Logical CPU #");
        if (at != std::string::npos) return std::atoi(line.c_str() + at + 13) > 0;
        if (line.compare(0, 4, "CPU#") == 0 && line.find("AffMask") != std::string::npos)
            return std::atoi(line.c_str() + 4) > 0;
        if (line.compare(0, 4, "CPU ") == 0) {
            const char* p = line.c_str() + 4;
            char* end = nullptr;
            long n = std::strtol(p, &end, 10);
            return end != p && *end == ':' && n > 0;
        }
        return false;
    }

    // After the CPUID or MSR word: a register line when the next word is hexadecimal digits, or starts
    // with a decimal digit (then a malformed number is an error, not text). "CPU", "Manufacturer" are text.
    static bool LeafNumberFollows(const std::string& line, const Cursor& cursor) {
        const size_t start = cursor.Position();
        if (start >= line.size()) return false;
        if (std::isdigit(static_cast<unsigned char>(line[start]))) return true;
        size_t end = start;
        while (end < line.size() && !IsBlank(line[end]) && line[end] != ':') {
            if (!std::isxdigit(static_cast<unsigned char>(line[end]))) return false;
            ++end;
        }
        return true;
    }

    static bool IsDashLine(const std::string& line) {
        size_t dashes = 0;
        for (char c : line) {
            if (c == '-')
                ++dashes;
            else if (!IsBlank(c))
                return false;
        }
        return dashes >= 10;
    }

    bool Line(std::string line) {
        size_t start = 0;
        while (start < line.size() && IsBlank(line[start])) ++start;
        line.erase(0, start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') return true;
        if (IsOtherProcessorHeader(line)) {
            otherProcessor = true;
            return true;
        }
        Cursor cursor(line);
        if (cursor.TakeWord("CPUID") && IsBlank(cursor.Peek())) {
            cursor.SkipBlanks();
            if (LeafNumberFollows(line, cursor)) return NativeCpuid(cursor);
            return true;  // a title or header: "CPUID Registers ...", "CPUID CPU Name : ..."
        }
        Cursor msr(line);
        if (msr.TakeWord("MSR") && !msr.AtEnd() && IsBlank(msr.Peek())) {
            msr.SkipBlanks();
            if (LeafNumberFollows(line, msr)) return Msr(msr);
            return true;  // a title: "MSR Registers ..."
        }
        Cursor set(line);
        if (set.TakeWord("SET") && !set.AtEnd() && IsBlank(set.Peek())) return Set(set);
        size_t bracket = line.find("[");
        if (bracket != std::string::npos && bracket > 0 && line.find("]=") != std::string::npos) {
            std::string arrayName = line.substr(0, bracket);
            bool identifier = true;
            for (char c : arrayName) identifier = identifier && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
            if (identifier) {
                Cursor array(line);
                array.TakeWord(arrayName.c_str());
                array.Take('[');
                return NamedArray(arrayName, array);
            }
        }
        Cursor hex(line);
        if (hex.TakeWord("0x") && line.find(": eax=") != std::string::npos) return HexLeafLine(hex);
        return true;  // text of the dump
    }
};

}  // namespace

bool ParseMachineText(const std::string& text, const std::string& name, SimulatedMachine& machine,
                      std::string& error) {
    Loader loader(name, machine, error);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ++loader.lineNumber;
        // A UTF-8 byte-order mark before the first line is not part of it.
        if (loader.lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (line.find('\0') != std::string::npos) {
            error = name + ":" + std::to_string(loader.lineNumber) + ": binary data, not a machine description";
            return false;
        }
        if (Loader::IsDashLine(line)) break;
        if (!loader.Line(line)) return false;
    }
    if (!loader.recognised) {
        error = name + ": no CPUID, MSR or SET lines: not a machine description";
        return false;
    }
    return true;
}

bool LoadMachineFile(const std::string& path, SimulatedMachine& machine, std::string& error) {
    // Only a regular file is read: a FIFO or a device could block or never end.
    std::error_code failure;
    const std::filesystem::file_status status = std::filesystem::status(path, failure);
    if (failure) {
        error = path + ": " + failure.message();
        return false;
    }
    if (status.type() == std::filesystem::file_type::directory) {
        error = path + ": is a directory, not a machine file";
        return false;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        error = path + ": not a regular file (a device, FIFO or socket), not a machine file";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(file.gcount()));
        if (static_cast<std::streamoff>(text.size()) > kMaxFileSize) {
            error = path + ": larger than 16 MiB, not a machine file";
            return false;
        }
    }
    if (text.empty()) {
        error = path + ": empty file";
        return false;
    }
    return ParseMachineText(text, path, machine, error);
}

}  // namespace platform
