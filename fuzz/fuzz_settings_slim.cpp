// Slim settings files through the read session that loads them into the editor: any file is
// refused (907, or the empty text shown as 914) or loaded; a loaded state saved by the tool and
// read again comes back the same.

#include "FuzzSupport.h"
#include "files/SlimSettingsFile.h"
#include "model/SlimRecords.h"
#include "sessions/SlimReadSession.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile input("slim-in.dat");
    static const fuzz::ScratchFile saved("slim-saved.dat");
    input.Write(fuzz::AsText(data, size));

    CSlimReadSession read(input.Path());
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

    fuzz::Require(SaveSlimSettingsFile(saved.Path(), read.State()), "the state can be saved");
    CSlimReadSession again(saved.Path());
    again.RunHere();
    fuzz::Require(again.Completed(), "a file the tool saved loads again");
    // The category icon is a hexadecimal number, written in upper case and without a "0x" in
    // front whatever form it was read in.
    SlimEditorState expected = read.State();
    expected.toruca.categoryIcon = SlimIconForRecord(expected.toruca.categoryIcon);
    fuzz::Require(again.State() == expected, "saving and loading keeps the editor state");
    return 0;
}
