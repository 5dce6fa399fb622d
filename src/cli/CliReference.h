#pragma once
// The parts of the manual page and of the bash completion that describe the options and the
// commands, made from their declarations (CliCommand.h) as the help texts are. The build runs
// "morvik --reference man" and "morvik --reference completion" and puts the output into
// packaging/man/morvik.1.in and packaging/morvik.bash-completion.in (cmake/CliReference.cmake),
// so the help, the manual page and the completion cannot tell different stories.

#include <string>

namespace morvik::cli {

// roff: the sections オプション, コマンド and 終了ステータス.
std::string ManualSections();

// bash: the tables the completion function reads (commands, options, what completes a value).
std::string CompletionTables();

}  // namespace morvik::cli
