#pragma once
// The windows in which sessions run (the progress windows, the maintenance, detection log and
// firmware windows, the port search) each keep a mark for their life. The end of the program
// finds those that are shown, stops each as its cancel button does (its reject()), and quits once
// none is left.

#include <QDialog>
#include <vector>

namespace morvik {

class CSessionWindowMark {
  public:
    explicit CSessionWindowMark(QDialog& window);
    ~CSessionWindowMark();
    CSessionWindowMark(const CSessionWindowMark&) = delete;
    CSessionWindowMark& operator=(const CSessionWindowMark&) = delete;

    // The marked windows that are shown now (user-interface thread only).
    static std::vector<QDialog*> Shown();

  private:
    QDialog& window_;
};

}  // namespace morvik
