// Puts the paths of the built programs and of the source and build folders into the environment
// of every test program (MORVIK_SIM, MORVIK_CLI, MORVIK_SOURCE_DIR, MORVIK_BINARY_DIR), and runs
// Qt offscreen, unless the caller has set them already.
#include <cstdlib>

namespace {

struct TestEnvironment {
    TestEnvironment() {
        setenv("MORVIK_SIM", MORVIK_SIM_PATH, 0);
        setenv("MORVIK_CLI", MORVIK_CLI_PATH, 0);
        setenv("MORVIK_SOURCE_DIR", MORVIK_SOURCE_PATH, 0);
        setenv("MORVIK_BINARY_DIR", MORVIK_BINARY_PATH, 0);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
};

const TestEnvironment environment;

}  // namespace
