#pragma once
// Test doubles of the registry and the program launcher of the version dialog.

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/system_info.h"

namespace kemora::dialogs::fakes {

// A registry held in memory that records how it is used: the arguments of every open, and
// misuse such as reading or closing a key that is not open.
class FakeRegistry : public Registry {
  public:
    struct Value {
        uint32_t type = 0;
        std::string bytes;
    };
    struct OpenCall {
        uint32_t keyRoot = 0;
        std::string keyName;
        uint32_t options = 0;
        uint32_t accessMask = 0;
    };

    void setValue(uint32_t keyRoot, const std::string& keyName, const std::string& valueName,
                  uint32_t type, std::string bytes) {
        m_keys[{keyRoot, keyName}][valueName] = Value{type, std::move(bytes)};
    }
    void addKey(uint32_t keyRoot, const std::string& keyName) { m_keys[{keyRoot, keyName}]; }
    // Makes every query report this many bytes more than it wrote, like a faulty binding.
    void overstateSizesBy(std::size_t extra) { m_overstatement = extra; }

    [[nodiscard]] std::optional<KeyHandle> openKey(uint32_t keyRoot, std::string_view keyName,
                                                   uint32_t options, uint32_t accessMask) override {
        openCalls.push_back({keyRoot, std::string(keyName), options, accessMask});
        const auto key = m_keys.find({keyRoot, std::string(keyName)});
        if (key == m_keys.end())
            return std::nullopt;
        const KeyHandle handle = m_nextHandle++;
        m_open.emplace(handle, &key->second);
        return handle;
    }

    [[nodiscard]] bool queryValue(KeyHandle key, std::string_view valueName, uint32_t& type,
                                  std::span<char> buffer, std::size_t& size) override {
        const auto open = m_open.find(key);
        if (open == m_open.end()) {
            misused = true;
            return false;
        }
        const auto value = open->second->find(std::string(valueName));
        if (value == open->second->end() || value->second.bytes.size() > buffer.size()) {
            return false;
        }
        std::copy(value->second.bytes.begin(), value->second.bytes.end(), buffer.begin());
        type = value->second.type;
        size = value->second.bytes.size() + m_overstatement;
        return true;
    }

    void closeKey(KeyHandle key) override {
        if (m_open.erase(key) == 0)
            misused = true;
    }

    [[nodiscard]] bool allKeysClosed() const { return m_open.empty(); }

    std::vector<OpenCall> openCalls;
    bool misused = false;

  private:
    using Values = std::map<std::string, Value>;
    std::map<std::pair<uint32_t, std::string>, Values> m_keys;
    std::map<KeyHandle, const Values*> m_open;
    KeyHandle m_nextHandle = 100;
    std::size_t m_overstatement = 0;
};

// Records the programs it is asked to start; succeeds or fails as told.
class FakeLauncher : public Launcher {
  public:
    [[nodiscard]] bool start(const std::string& program) override {
        started.push_back(program);
        return succeeds;
    }

    std::vector<std::string> started;
    bool succeeds = true;
};

}  // namespace kemora::dialogs::fakes
