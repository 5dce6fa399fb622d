#pragma once
// Runs a progress window modally and notes what it showed: the highest bar value, the bar's
// maximum, the title, and how often the bar moved while an upload was under way.

#include <QDialog>
#include <QString>
#include <functional>

namespace morvik::test {

struct ProgressShown {
    int result = -1;  // what exec() returned
    int highest = 0;
    int maximum = 0;
    int movesDuringUpload = 0;  // changes of the bar seen while uploading() was true
    QString title;
};

// uploading, when given, tells whether an upload is under way at the moment.
ProgressShown RunProgressDialog(QDialog& dialog, const std::function<bool()>& uploading = {});

}  // namespace morvik::test
