#include "tools/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace tools {
namespace {

// A name beside the target that does not exist yet.
std::string TemporaryName(const std::string& path) {
    std::random_device entropy;
    std::mt19937 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
        std::string candidate = path + suffix;
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored))) return candidate;
    }
    return path + ".tmp";
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string& error) {
    std::error_code failure;
    const std::filesystem::file_status target = std::filesystem::status(path, failure);
    if (std::filesystem::exists(target) && target.type() != std::filesystem::file_type::regular) {
        error = "cannot write " + path + ": not a regular file";
        return false;
    }
    const std::string temporary = TemporaryName(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                         std::fflush(file) == 0 && !std::ferror(file);
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "cannot write " + path + ": " + std::strerror(written ? errno : writeErrno);
        std::remove(temporary.c_str());
        return false;
    }
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        error = "cannot write " + path + ": " + failure.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tools
