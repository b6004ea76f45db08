#include "cpuinfo/text.h"

#include <cstdio>
#include <cstring>

namespace {

// The conversions the library's own formats use, written without the C library's formatter, which
// costs more than a whole identification otherwise: %s, %d, %u, %X and %%, with an optional '0' flag
// and a width. Any other format goes to vsnprintf. The output is byte for byte what vsnprintf gives.
struct Conversion {
    bool zeroPad = false;
    size_t width = 0;
    char kind = 0;
};

// Reads the conversion after a '%'; false when it is not one of the handled ones.
bool ParseConversion(const char*& format, Conversion& conversion) {
    const char* p = format;
    if (*p == '0') {
        conversion.zeroPad = true;
        ++p;
    }
    while (*p >= '0' && *p <= '9') conversion.width = conversion.width * 10 + static_cast<size_t>(*p++ - '0');
    if (conversion.width > 64) return false;
    switch (*p) {
        case 's':
            if (conversion.zeroPad) return false;  // the '0' flag is undefined for %s
            break;
        case 'd': case 'u': case 'X': break;
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
    char digits[12];
    size_t begin = sizeof digits;
};

// Base 10 or 16 (upper case); a constant base turns the divisions into multiplications.
template <uint32_t Base>
void WriteDigits(uint32_t value, DigitBuffer& out) {
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
