#include "app/single_instance.h"

#include "app/document_path.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <unistd.h>

namespace korva {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "KORVA-OPEN\n";
constexpr std::size_t kMostFiles = 16;
constexpr std::size_t kLongestName = 4096;

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// A decimal number ended by a newline; nullopt when the bytes end first,
// `bad` when it is not one.
std::optional<std::size_t> number(std::string_view bytes, std::size_t& pos, bool& bad, std::size_t most) {
    std::size_t value = 0;
    std::size_t digits = 0;
    for (; pos < bytes.size(); ++pos) {
        const char c = bytes[pos];
        if (c == '\n' && digits > 0) {
            ++pos;
            return value;
        }
        if (c < '0' || c > '9' || ++digits > 6) break;
        value = value * 10 + static_cast<std::size_t>(c - '0');
        if (value > most) break;
    }
    bad = pos < bytes.size();
    return std::nullopt;
}

} // namespace

std::string instanceKey(const fs::path& dataRoot) {
    std::error_code ec;
    fs::path p = fs::absolute(dataRoot, ec);
    if (ec) p = dataRoot;
    const fs::path real = fs::weakly_canonical(p, ec);
    std::string text = (ec ? p : real).lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    char key[64];
    std::snprintf(key, sizeof key, "korva-%u-%016llx", static_cast<unsigned>(::getuid()),
                  static_cast<unsigned long long>(fnv1a(text)));
    return key;
}

std::vector<std::string> handoffNames(const std::optional<DocumentRequest>& document, const fs::path& workingDir) {
    if (!document) return {};
    return {resolveDocumentName(document->path, workingDir, {}).string()};
}

std::string encodeHandoff(const std::vector<std::string>& files) {
    std::string out(kMagic);
    out += std::to_string(files.size()) + "\n";
    for (const std::string& f : files) out += std::to_string(f.size()) + "\n" + f;
    return out;
}

Handoff decodeHandoff(std::string_view bytes) {
    Handoff h;
    const std::size_t have = std::min(bytes.size(), kMagic.size());
    if (bytes.substr(0, have) != kMagic.substr(0, have)) {
        h.state = Handoff::State::malformed;
        return h;
    }
    if (have < kMagic.size()) return h;
    std::size_t pos = kMagic.size();
    bool bad = false;
    const auto count = number(bytes, pos, bad, kMostFiles);
    if (!count) {
        if (bad) h.state = Handoff::State::malformed;
        return h;
    }
    for (std::size_t i = 0; i < *count; ++i) {
        const auto length = number(bytes, pos, bad, kLongestName);
        if (!length || bytes.size() - pos < *length) {
            h.state = bad ? Handoff::State::malformed : Handoff::State::incomplete;
            h.files.clear();
            return h;
        }
        h.files.emplace_back(bytes.substr(pos, *length));
        pos += *length;
    }
    h.state = pos == bytes.size() ? Handoff::State::complete : Handoff::State::malformed;
    if (h.state != Handoff::State::complete) h.files.clear();
    return h;
}

ClaimOutcome claimDataRoot(InstanceChannel& channel, const std::string& request, int attempts) {
    for (int i = 0; i < attempts; ++i) {
        if (channel.tryLock()) return ClaimOutcome::holder;
        switch (channel.handOver(request)) {
        case InstanceChannel::Delivery::accepted: return ClaimOutcome::handedOver;
        case InstanceChannel::Delivery::silent: return ClaimOutcome::noAnswer;
        case InstanceChannel::Delivery::unreachable: break;
        }
        channel.pause();
    }
    return ClaimOutcome::noAnswer;
}

} // namespace korva
