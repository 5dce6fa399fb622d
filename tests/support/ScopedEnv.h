#pragma once
// Sets an environment variable for the life of the object and puts back what was there before
// (the old value, or no variable at all), so that no test leaves its setting to the next one.

#include <stdlib.h>

#include <optional>
#include <string>
#include <utility>

namespace morvik::test {

class ScopedEnv {
  public:
    // value nullptr: the variable is removed for the life of the object.
    ScopedEnv(std::string name, const char* value) : name_(std::move(name)) {
        if (const char* old = ::getenv(name_.c_str())) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name_.c_str(), value, 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedEnv(std::string name, const std::string& value)
        : ScopedEnv(std::move(name), value.c_str()) {}
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace morvik::test
