#pragma once
// What OK of the sound dialog goes through before it stores the twelve paths, as a list of boxes
// to show in order:
//  1. every path that is set must name a usable wave file (116, caption エラー);
//  2. the distinct files must fit the terminal: a file whose size cannot be taken is reported
//     (ファイルオープンに失敗しました / ファイルサイズの取得に失敗しました), a total above 258048
//     bytes is 339 with the limit in kilobytes;
//  3. with 音声を登録する ticked: the question 118 when some slot is empty, then the notice 286;
//  4. without it, the question 121 when some slot holds a path.
// An error ends the list (the dialog stays open). A question answered Cancel keeps the dialog open;
// when every question is answered OK the dialog stores and closes.

#include <span>
#include <string>
#include <vector>

namespace morvik {

struct SoundDialogStep {
    enum class Kind { Error, Question, Information };
    Kind kind = Kind::Error;
    int captionId = 0;
    int textId = 0;    // the string table entry of the message
    std::string text;  // the message as shown (code page 932)
    bool operator==(const SoundDialogStep&) const = default;
};

std::vector<SoundDialogStep> SoundDialogOkSteps(std::span<const std::string> paths,
                                                bool registerSounds);

// True when the steps end in an error, so that OK cannot store whatever the answers.
bool SoundDialogRefused(std::span<const SoundDialogStep> steps);

}  // namespace morvik
