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
// A path from a file dialog (or the command line) as the core takes every file name: UTF-8, on
// Windows too (the program runs with UTF-8 as its code page; model/Utf8Path.h makes the
// std::filesystem::path).
std::string LocalPath(const QString& path);

}  // namespace morvik
