#include "support/environment.h"

#include <stdlib.h>

namespace hm3300::testing {

ScopedVariable::ScopedVariable(std::string name, const std::string& value)
    : name_(std::move(name)) {
    if (const char* previous = ::getenv(name_.c_str())) {
        previous_ = previous;
    }
    ::setenv(name_.c_str(), value.c_str(), 1);
}

ScopedVariable::~ScopedVariable() {
    if (previous_) {
        ::setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        ::unsetenv(name_.c_str());
    }
}

}  // namespace hm3300::testing
