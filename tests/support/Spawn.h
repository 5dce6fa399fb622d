#pragma once
// Starts a program apart from the test, with its output in files, so that a test can act on it
// while it runs (interrupt it, watch a simulator) and then wait for its end.

#include <sys/types.h>

#include <string>
#include <vector>

namespace morvik::test {

// Starts argv[0] with the environment of the test plus extraEnv ("NAME=value", which wins),
// stdin from /dev/null and stdout/stderr into outPath/errPath. The process id, -1 on failure.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
            const std::string& outPath, const std::string& errPath);

// The exit code; minus the signal number when a signal ended the program.
int WaitExit(pid_t pid);

}  // namespace morvik::test
