#pragma once
// The frame shared by the sound windows "音声" (Mini/MiniS and MiniSx): the explanatory text, the
// entries of the sound slots (CSoundRow, placed by each window in its own boxes), and below them
// "標準音声を設定する", "音声を登録する", OK and キャンセル. OK goes through ConfirmSoundOk; a
// refusal or a question answered Cancel keeps the window open with every entry as it was.

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QPushButton;
class QVBoxLayout;

namespace morvik {

class IWindowHost;
class CSoundRow;

class CSoundRowsDlg : public QDialog {
    Q_OBJECT

  public:
    bool RegisterSounds() const;
    // The entry of a slot.
    CSoundRow* Row(int slot) const { return rows_.at(static_cast<std::size_t>(slot)); }
    QCheckBox* RegisterCheck() const { return register_; }
    QPushButton* StandardButton() const { return standard_; }

    // Fills the slots with the standard sounds of the program's wav folder.
    void SetStandardSounds();
    void accept() override;

  protected:
    // slotCount: how many entries the window has; explanationId: the text above them.
    CSoundRowsDlg(QWidget* parent, IWindowHost& host, std::size_t slotCount, int explanationId,
                  bool registerSounds);

    // The entries as they stand (code page 932), by slot.
    std::vector<std::string> PathList() const;
    // The window's layout: the explanation is in it; boxes go below.
    QVBoxLayout* Body() const { return body_; }
    void SetRow(std::size_t slot, CSoundRow* row) { rows_.at(slot) = row; }
    // Adds the bottom line (standard sounds, registration, OK, キャンセル) under the boxes.
    void FinishLayout();
    // The standard sound paths of this window's slots (code page 932), in slot order.
    virtual std::vector<std::string> StandardPaths() const = 0;

  private:
    IWindowHost& host_;
    std::vector<CSoundRow*> rows_;
    QVBoxLayout* body_;
    QCheckBox* register_;
    QPushButton* standard_;
};

}  // namespace morvik
