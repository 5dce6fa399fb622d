#pragma once
// The edge between the core's code page 932 texts and Qt's Unicode strings, and the string
// table as QString.

#include <QString>
#include <string>

namespace morvik {

QString FromCp932(const std::string& bytes);
// A character the code page lacks becomes "?" (the editors refuse such text before it gets here).
std::string ToCp932(const QString& text);
// Entry id of the string table.
QString Tr(int id);
// A file dialog filter of the string table ("機器設定ファイル (*.dat)|*.dat||") in Qt's form
// ("機器設定ファイル (*.dat)"; several filters separated by ";;").
QString QtFileFilter(int id);
// A path from a file dialog (or the command line) as the file system names it, in the system's
// file-name encoding: a name that is not UTF-8 reaches the same file.
std::string LocalPath(const QString& path);

}  // namespace morvik
