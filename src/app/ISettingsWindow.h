#pragma once
// What the main window needs of a settings window (the editors of the three edition families):
// the close-after-write flag follows the options dialog. A settings window derives from its Qt
// window class and from this.

namespace morvik {

class ISettingsWindow {
  public:
    virtual ~ISettingsWindow() = default;
    virtual void SetCloseAfterWrite(bool on) = 0;
};

}  // namespace morvik
