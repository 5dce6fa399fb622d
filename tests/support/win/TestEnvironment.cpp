// The Windows test programs' environment: the source and build folders (as the Linux test
// programs have them), unless the caller has set them.
#include <cstdlib>

namespace {

void SetDefault(const char* name, const char* value) {
    if (std::getenv(name) == nullptr) {
        _putenv_s(name, value);
    }
}

struct TestEnvironment {
    TestEnvironment() {
        SetDefault("MORVIK_SOURCE_DIR", MORVIK_SOURCE_PATH);
        SetDefault("MORVIK_BINARY_DIR", MORVIK_BINARY_PATH);
    }
};

const TestEnvironment environment;

}  // namespace
