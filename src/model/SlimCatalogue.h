#pragma once
// The keys of the Slim's five settings, the code that names each in a checksum-failure message,
// and the orders in which sessions and settings files carry them.

#include <string>
#include <utility>
#include <vector>

#include "model/SlimSettings.h"

namespace morvik {

enum class SlimKey { Func, Que, Psh1, Psh2, Disp };

// The key text that travels ("func", "que", "psh1", "psh2", "disp"), code page 932.
const std::string& SlimKeyText(SlimKey key);

// The write error code that follows the checksum-error message, such as "(213)" for psh1.
const std::string& SlimWriteErrorCode(SlimKey key);

// The value of key in values.
const std::string& SlimValueOf(const SlimSettings& values, SlimKey key);
std::string& SlimValueOf(SlimSettings& values, SlimKey key);

// The order a read asks for the values: func, psh1, psh2, que, disp.
const std::vector<SlimKey>& SlimReadOrder();

// The settings a write sends, in order: disp, func, psh1, psh2 (not for 機能1), que.
std::vector<std::pair<SlimKey, std::string>> SlimWriteSequence(const SlimSettings& values,
                                                               SlimFunction function);

// The value lines of a settings file after the "ver" line: func, que, psh1, psh2 (not for
// 機能1), disp.
std::vector<std::pair<SlimKey, std::string>> SlimFileSequence(const SlimSettings& values,
                                                              SlimFunction function);

}  // namespace morvik
