#include "tests/support/report_json.h"

#include <cstdlib>
#include <cstring>

namespace testsupport {
namespace {

// Nesting deeper than this is not a report.
constexpr int kMaxDepth = 64;

class Reader {
public:
    Reader(const std::string& text, std::string& error) : text_(text), error_(error) {}

    bool Report(ReportJson& report) {
        SkipBlanks();
        if (!Take('{')) return Fail("a report is an object");
        SkipBlanks();
        if (Take('}')) return End();
        do {
            SkipBlanks();
            std::string key;
            if (!String(key) || !Colon()) return false;
            std::map<std::string, JsonScalar>* target =
                key == "items" ? &report.items : key == "fields" ? &report.fields : nullptr;
            if (target ? !FlatObject(*target) : !Skip(0)) return false;
            SkipBlanks();
        } while (Take(','));
        if (!Take('}')) return Fail("expected ',' or '}'");
        return End();
    }

private:
    bool Fail(const char* why) {
        error_ = "offset " + std::to_string(pos_) + ": " + why;
        return false;
    }
    bool End() {
        SkipBlanks();
        return pos_ == text_.size() || Fail("text after the report");
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && std::strchr(" \t\r\n", text_[pos_]) != nullptr) ++pos_;
    }
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool Take(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool Colon() {
        SkipBlanks();
        if (!Take(':')) return Fail("expected ':'");
        SkipBlanks();
        return true;
    }

    // An object whose values are all texts, numbers, booleans or null.
    bool FlatObject(std::map<std::string, JsonScalar>& out) {
        if (!Take('{')) return Fail("expected an object");
        SkipBlanks();
        if (Take('}')) return true;
        do {
            SkipBlanks();
            std::string key;
            JsonScalar value;
            if (!String(key) || !Colon() || !Scalar(value)) return false;
            if (!out.emplace(key, value).second) return Fail("key given twice");
            SkipBlanks();
        } while (Take(','));
        return Take('}') || Fail("expected ',' or '}'");
    }

    bool Scalar(JsonScalar& value) {
        if (Peek() == '"') {
            value.kind = JsonScalar::Kind::Text;
            return String(value.text);
        }
        if (Word("null")) {
            value.kind = JsonScalar::Kind::Null;
            return true;
        }
        if (Word("true")) {
            value.kind = JsonScalar::Kind::Boolean;
            value.number = 1.0;
            return true;
        }
        if (Word("false")) {
            value.kind = JsonScalar::Kind::Boolean;
            value.number = 0.0;
            return true;
        }
        value.kind = JsonScalar::Kind::Number;
        return Number(value.number);
    }

    // Any value, discarded.
    bool Skip(int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        const char open = Peek();
        if (open != '{' && open != '[') {
            JsonScalar ignored;
            return Scalar(ignored);
        }
        const char close = open == '{' ? '}' : ']';
        ++pos_;
        SkipBlanks();
        if (Take(close)) return true;
        do {
            SkipBlanks();
            if (open == '{') {
                std::string key;
                if (!String(key) || !Colon()) return false;
            }
            if (!Skip(depth + 1)) return false;
            SkipBlanks();
        } while (Take(','));
        return Take(close) || Fail("unterminated object or array");
    }

    bool Word(const char* word) {
        const size_t length = std::strlen(word);
        if (text_.compare(pos_, length, word) != 0) return false;
        pos_ += length;
        return true;
    }

    bool Number(double& value) {
        const char* start = text_.c_str() + pos_;
        char* end = nullptr;
        value = std::strtod(start, &end);
        const char first = *start == '-' ? start[1] : *start;
        if (end == start || first < '0' || first > '9') return Fail("expected a value");
        pos_ += static_cast<size_t>(end - start);
        return true;
    }

    bool Hex4(unsigned& code) {
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            unsigned digit;
            if (c >= '0' && c <= '9')
                digit = static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = static_cast<unsigned>(c - 'A' + 10);
            else
                return Fail("bad \\u escape");
            code = code * 16 + digit;
            ++pos_;
        }
        return true;
    }

    // A JSON string. cpureport escapes single bytes as \u00XX, so code points up to 0xFF are bytes;
    // larger ones are written as UTF-8.
    bool String(std::string& out) {
        if (!Take('"')) return Fail("expected a string");
        out.clear();
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            const char escaped = Peek();
            ++pos_;
            switch (escaped) {
                case '"': case '\\': case '/': out += escaped; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    unsigned code = 0;
                    if (!Hex4(code)) return false;
                    if (code <= 0xFF) {
                        out += static_cast<char>(code);
                    } else if (code <= 0x7FF) {
                        out += static_cast<char>(0xC0 | (code >> 6));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    } else {
                        out += static_cast<char>(0xE0 | (code >> 12));
                        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    }
                    break;
                }
                default: return Fail("bad escape");
            }
        }
        return Fail("unterminated string");
    }

    const std::string& text_;
    std::string& error_;
    size_t pos_ = 0;
};

}  // namespace

bool ParseReportJson(const std::string& text, ReportJson& report, std::string& error) {
    report = ReportJson();
    Reader reader(text, error);
    return reader.Report(report);
}

}  // namespace testsupport
