// What the desktop tool and the simulator print for --help and --version: when it cannot be
// written (standard output on a full disk) the program says so and fails, as the command-line
// tool does, instead of ending as if it had been read.

#include <gtest/gtest.h>

#include "support/SimProcess.h"

namespace morvik {
namespace {

TEST(ProgramOutput, HelpAndVersionThatCannotBeWrittenFail) {
    const std::string tool = MORVIK_TOOL_PATH;
    const std::string sim = test::RequiredEnv("MORVIK_SIM");
    for (const std::string& command :
         {tool + " --help", tool + " --version", sim + " --help", sim + " --version"}) {
        SCOPED_TRACE(command);
        const test::RunResult written = test::RunProgram({"/bin/sh", "-c", command});
        EXPECT_EQ(written.exitCode, 0) << written.err;
        EXPECT_FALSE(written.out.empty());
        const test::RunResult full = test::RunProgram({"/bin/sh", "-c", command + " > /dev/full"});
        EXPECT_EQ(full.exitCode, 1);
        EXPECT_NE(full.err.find("標準出力に書き込めませんでした。"), std::string::npos) << full.err;
    }
}

}  // namespace
}  // namespace morvik
