#pragma once
// The parameters of a Mini or MiniS terminal: every key that the Mini/MiniS editor, its
// sessions and its settings file use, with the editor that owns it, the form of its value and
// the write error code that names it when the terminal answers its "pset" with a checksum
// error (message 964 followed by the code, e.g. "(463)" for lnv1).
//
// Keys and codes live in the string table (so that one text serves the command and the file);
// an entry refers to them by number. The catalogue has no order of its own: sessions and the
// settings file walk the keys in their own orders.

#include <span>
#include <string>
#include <string_view>

namespace morvik {

enum class MiniEditor {
    FunctionPages,     // function records and query flags of a set page
    SoundPage,         // sounds
    LampPage,          // lamps of a set and the periodic guidance lamps
    GuidancePage,      // periodic guidance settings and times
    TerminalPage,      // 本体設定
    SettingsFileOnly,  // kept in settings files, never sent to a terminal
};

enum class MiniValueKind {
    FunctionRecord,  // psA1, psB1, psA2, psB2
    QueryFlags,      // que1, que2: decimal flags
    TorucaExtra,     // psA1-kanaID ... psA2-colorID: plain text
    Sound,           // sound number in the uploaded image
    SoundPath,       // wave file path on the PC
    SoundRegister,   // sound_regist: "0" or "1"
    Lamp,            // 22-character lamp code
    Guidance,        // pnt
    GuidanceTimes,   // pntT
    ListIndex,       // rslt, fchg: the value is the list index
    OperationMode,   // pow: 2, 3 or 0 for list index 0, 1, 2
    CheckBox,        // tlog, rtcc: 0 or 1
    AuthCode,        // isc: 4 characters written, packed when read or stored
};

struct MiniParameter {
    int keyId;   // string table entry of the key ("psA1")
    int codeId;  // string table entry of the write error code ("(413)"); 0 when not sent
    MiniEditor editor;
    MiniValueKind kind;
    int set;          // 1 or 2 for keys of a settings set, 0 otherwise
    int readMessage;  // message of a failing read check (terminal page keys); 0 when none
};

// Every parameter of the Mini/MiniS editor.
std::span<const MiniParameter> MiniCatalogue();

// The entry of a key, by its text (as it follows "pget"/"pset" or starts a file line) or by
// its string table number; nullptr when the key is not a Mini/MiniS parameter.
const MiniParameter* FindMiniParameter(std::string_view key);
const MiniParameter* FindMiniParameterById(int keyId);

// The key text (code page 932).
std::string MiniKeyText(const MiniParameter& parameter);

// The write error code, such as "(463)"; empty for keys that are never sent.
std::string MiniWriteErrorCode(const MiniParameter& parameter);

}  // namespace morvik
