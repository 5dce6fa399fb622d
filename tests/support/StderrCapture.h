#pragma once
// Catches what the process writes to standard error (fd 2) for as long as it lives, into a
// temporary file, and puts the real standard error back afterwards.

#include <string>

namespace morvik::test {

class StderrCapture {
  public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Everything written so far.
    std::string Text() const;

  private:
    int saved_ = -1;
    int file_ = -1;
};

}  // namespace morvik::test
