#include "lesson/digest.h"

#include <cstdio>

namespace kemora::lesson {
namespace {

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

void Digest::add(std::string_view bytes) {
    if (m_sections.empty())
        section("start");
    Section& current = m_sections.back();
    for (const char byte : bytes) {
        current.hash = (current.hash ^ static_cast<unsigned char>(byte)) * kPrime;
        m_whole = (m_whole ^ static_cast<unsigned char>(byte)) * kPrime;
    }
    if (bytes == "\x1F")
        return;
    ++current.values;
    if (m_trace) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        std::fputc('\n', stdout);
    }
}

std::string Digest::report() const {
    std::string text;
    for (const Section& section : m_sections) {
        text +=
            section.name + ' ' + std::to_string(section.values) + ' ' + Hex(section.hash) + '\n';
    }
    text += "whole " + Hex(m_whole) + '\n';
    return text;
}

}  // namespace kemora::lesson
