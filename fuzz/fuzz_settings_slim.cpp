// Slim settings files through the read session that loads them into the editor: any file is
// refused (907, or the empty text shown as 914) or loaded; a loaded state saved by the tool and
// read again comes back the same. The file's bytes are given to the session as its reader
// would give them, so nothing touches the disk.

#include "FuzzSupport.h"
#include "files/SlimSettingsFile.h"
#include "model/SlimRecords.h"
#include "sessions/SlimReadSession.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSlimReadSession read(SlimSettingsFileFromBytes(std::string(fuzz::AsText(data, size))));
    read.RunHere();
    fuzz::Require(read.Finished(), "a file read always ends");
    if (!read.Loaded()) {
        fuzz::Require(read.Failed(), "a file that was not loaded is a failure");
        return 0;
    }
    fuzz::Require(read.Completed(), "a loaded file has no warnings (a file is taken whole)");
    if (!fuzz::IsValidCp932(fuzz::AsText(data, size))) {
        return 0;  // damaged bytes need only be read without harm (see FuzzSupport.h)
    }

    const SlimEditorState& state = read.State();
    CSlimReadSession again(
        SlimSettingsFileFromBytes(SlimSettingsFileText(BuildSlimSettings(state), state.function)));
    again.RunHere();
    fuzz::Require(again.Completed(), "a file the tool saved loads again");
    // The category icon is a hexadecimal number, written in upper case and without a "0x" in
    // front whatever form it was read in.
    SlimEditorState expected = state;
    expected.toruca.categoryIcon = SlimIconForRecord(expected.toruca.categoryIcon);
    fuzz::Require(again.State() == expected, "saving and loading keeps the editor state");
    return 0;
}
