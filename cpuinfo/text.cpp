#include "cpuinfo/text.h"

#include <cstdio>
#include <cstring>

namespace {

// The conversions the library's own formats use, written without the C library's formatter, which
// costs more than a whole identification otherwise: %s, %d, %u, %X, %%, and %f with 0 to 3 decimals,
// with an optional '0' flag and a width. Any other format (and a figure too large or not finite) goes
// to vsnprintf. The output is byte for byte what vsnprintf gives.
struct Conversion {
    bool zeroPad = false;
    size_t width = 0;
    int precision = -1;  // none given
    char kind = 0;
};

constexpr int kMaxFixedPrecision = 3;

// Reads the conversion after a '%'; false when it is not one of the handled ones.
bool ParseConversion(const char*& format, Conversion& conversion) {
    const char* p = format;
    if (*p == '0') {
        conversion.zeroPad = true;
        ++p;
    }
    while (*p >= '0' && *p <= '9') conversion.width = conversion.width * 10 + static_cast<size_t>(*p++ - '0');
    if (conversion.width > 64) return false;
    if (*p == '.') {
        ++p;
        if (*p < '0' || *p > '9') return false;
        conversion.precision = *p++ - '0';
        if (*p >= '0' && *p <= '9') return false;
    }
    if (conversion.precision >= 0 && *p != 'f') return false;
    switch (*p) {
        case 's':
            if (conversion.zeroPad) return false;  // the '0' flag is undefined for %s
            break;
        case 'd': case 'u': case 'X': break;
        case 'f':
            if (conversion.precision < 0 || conversion.precision > kMaxFixedPrecision) return false;
            break;
        case '%':
            if (conversion.zeroPad || conversion.width) return false;
            break;
        default: return false;
    }
    conversion.kind = *p;
    format = p + 1;
    return true;
}

// The formats are a few characters long: a plain loop beats a call to strchr.
const char* NextPercent(const char* format) {
    while (*format && *format != '%') ++format;
    return format;
}

// Appends to the target, keeping one place for the terminator; what does not fit is dropped.
class BoundedWriter {
public:
    BoundedWriter(char* target, size_t size) : target_(target), last_(size - 1) {}
    void Put(char c) {
        if (length_ < last_) target_[length_++] = c;
    }
    void Put(const char* text, size_t count) {
        size_t room = last_ - length_;
        if (count > room) count = room;
        std::memcpy(target_ + length_, text, count);
        length_ += count;
    }
    void Pad(char c, size_t count) {
        while (count-- > 0) Put(c);
    }
    void Finish() { target_[length_] = '\0'; }

private:
    char* target_;
    size_t last_;
    size_t length_ = 0;
};

// The digits of a number, written backwards from the end of the buffer; they begin at `begin`.
struct DigitBuffer {
    char digits[24];
    size_t begin = sizeof digits;
};

// Base 10 or 16 (upper case); a constant base turns the divisions into multiplications.
template <uint32_t Base, typename Unsigned>
void WriteDigits(Unsigned value, DigitBuffer& out) {
    do {
        out.digits[--out.begin] = "0123456789ABCDEF"[value % Base];
        value /= Base;
    } while (value != 0);
}

void PutNumber(BoundedWriter& out, const Conversion& conversion, bool negative, uint32_t magnitude, uint32_t base) {
    DigitBuffer digits;
    if (base == 16)
        WriteDigits<16>(magnitude, digits);
    else
        WriteDigits<10>(magnitude, digits);
    const size_t count = sizeof digits.digits - digits.begin;
    const size_t length = count + (negative ? 1 : 0);
    const size_t padding = conversion.width > length ? conversion.width - length : 0;
    if (!conversion.zeroPad) out.Pad(' ', padding);
    if (negative) out.Put('-');
    if (conversion.zeroPad) out.Pad('0', padding);
    out.Put(digits.digits + digits.begin, count);
}

// A finite double with 0 to 3 decimals, rounded as the C library rounds in its default mode: to the
// nearest, ties to even, on the exact binary value. The value is mantissa x 2^exponent; scaled by
// 10^precision it stays within 64 bits for every magnitude below 2^54. False for a value beyond that,
// an infinity or NaN: the caller then leaves the whole text to vsnprintf.
bool PutFixed(BoundedWriter& out, const Conversion& conversion, double value) {
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value, "a double is 64 bits");
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const uint32_t biasedExponent = static_cast<uint32_t>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (biasedExponent == 0x7FF) return false;
    int exponent = -1074;  // subnormal
    if (biasedExponent != 0) {
        mantissa |= uint64_t{1} << 52;
        exponent = static_cast<int>(biasedExponent) - 1075;
    }
    const uint64_t kScales[kMaxFixedPrecision + 1] = {1, 10, 100, 1000};
    const uint64_t scale = kScales[conversion.precision];

    uint64_t units = 0;  // value x scale, rounded
    if (exponent >= 0) {
        if (exponent > 1) return false;
        units = (mantissa << exponent) * scale;
    } else {
        const uint64_t scaled = mantissa * scale;  // below 2^63
        const unsigned shift = static_cast<unsigned>(-exponent);
        if (shift < 64) {
            units = scaled >> shift;
            const uint64_t remainder = scaled & ((uint64_t{1} << shift) - 1);
            const uint64_t half = uint64_t{1} << (shift - 1);
            if (remainder > half || (remainder == half && (units & 1) != 0)) ++units;
        }  // else below 2^-11: rounds to zero
    }

    DigitBuffer digits;
    WriteDigits<10>(units / scale, digits);
    const size_t integerDigits = sizeof digits.digits - digits.begin;
    char fraction[kMaxFixedPrecision + 1];
    uint64_t rest = units % scale;
    for (int i = conversion.precision; i > 0; --i) {
        fraction[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    fraction[0] = '.';
    const size_t fractionLength = conversion.precision > 0 ? static_cast<size_t>(conversion.precision) + 1 : 0;

    const size_t length = (negative ? 1 : 0) + integerDigits + fractionLength;
    const size_t padding = conversion.width > length ? conversion.width - length : 0;
    if (!conversion.zeroPad) out.Pad(' ', padding);
    if (negative) out.Put('-');
    if (conversion.zeroPad) out.Pad('0', padding);
    out.Put(digits.digits + digits.begin, integerDigits);
    out.Put(fraction, fractionLength);
    return true;
}

// Writes the format if every conversion in it is a handled one; false (target unspecified) when it
// meets another, which vsnprintf then writes.
bool FormatHandled(char* target, size_t size, const char* format, va_list args) {
    BoundedWriter out(target, size);
    while (*format) {
        const char* percent = NextPercent(format);
        out.Put(format, static_cast<size_t>(percent - format));
        if (!*percent) break;
        format = percent + 1;
        Conversion conversion;
        if (!ParseConversion(format, conversion)) return false;
        switch (conversion.kind) {
            case '%': out.Put('%'); break;
            case 's': {
                const char* text = va_arg(args, const char*);
                if (!text) text = "(null)";
                const size_t length = std::strlen(text);
                if (conversion.width > length) out.Pad(' ', conversion.width - length);
                out.Put(text, length);
                break;
            }
            case 'd': {
                const int value = va_arg(args, int);
                const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
                PutNumber(out, conversion, value < 0, magnitude, 10);
                break;
            }
            case 'u': PutNumber(out, conversion, false, va_arg(args, unsigned), 10); break;
            case 'X': PutNumber(out, conversion, false, va_arg(args, unsigned), 16); break;
            case 'f':
                if (!PutFixed(out, conversion, va_arg(args, double))) return false;
                break;
        }
    }
    out.Finish();
    return true;
}

}  // namespace

void FormatTextInto(char* target, size_t size, const char* format, ...) {
    if (size == 0) return;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    if (!FormatHandled(target, size, format, args)) {
        int written = std::vsnprintf(target, size, format, again);
        if (written < 0) target[0] = '\0';
    }
    va_end(again);
    va_end(args);
}

void DecimalTextInto(char* target, size_t size, int32_t value) {
    if (size == 0) return;
    const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    DigitBuffer digits;
    WriteDigits<10>(magnitude, digits);
    if (value < 0) digits.digits[--digits.begin] = '-';
    BoundedWriter out(target, size);
    out.Put(digits.digits + digits.begin, sizeof digits.digits - digits.begin);
    out.Finish();
}
