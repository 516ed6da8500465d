#pragma once
// A digest of everything a lesson produced: each value is appended to the current section
// as text (doubles by their bits), so two builds agree exactly when every value does.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace kemora::lesson {

class Digest {
  public:
    // With `trace`, every value is also written to standard output, one a line, so that two
    // builds' traces can be compared where their digests differ.
    explicit Digest(bool trace = false) : m_trace(trace) {}

    // Starts a new section; what follows is hashed into it and into the whole.
    void section(std::string name) { m_sections.push_back({std::move(name), kOffset, 0}); }

    Digest& operator<<(std::string_view text) {
        add(text);
        add("\x1F");  // a separator, so that "ab"+"c" and "a"+"bc" differ
        return *this;
    }
    Digest& operator<<(int64_t value) { return *this << std::string_view(std::to_string(value)); }
    Digest& operator<<(double value) {
        uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return *this << std::string_view("d" + std::to_string(bits));
    }
    Digest& operator<<(bool value) { return *this << int64_t{value ? 1 : 0}; }

    // One line per section, "name values hash", then "whole hash".
    [[nodiscard]] std::string report() const;

  private:
    static constexpr uint64_t kOffset = 14695981039346656037u;  // FNV-1a, 64 bits
    static constexpr uint64_t kPrime = 1099511628211u;
    struct Section {
        std::string name;
        uint64_t hash;
        uint64_t values;
    };

    void add(std::string_view bytes);

    std::vector<Section> m_sections;
    uint64_t m_whole = kOffset;
    bool m_trace;
};

}  // namespace kemora::lesson
