#pragma once
// Environment variables changed for one test, such as the XDG folders, and put back after.

#include <optional>
#include <string>

namespace hm3300::testing {

// Sets `name` to `value` for the life of the object; the former value, or its absence,
// comes back when it goes. Programs started meanwhile inherit the value.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::string& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace hm3300::testing
