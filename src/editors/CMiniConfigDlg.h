#pragma once
// A set page (設定1 or 設定2) of a detailed settings window: the docomo group and the
// au/SoftBank/WILLCOM group, each with its three function pages stacked so that only the
// selected one shows, and the set's buttons ランプ, 音声 and the copy to the other set. The page
// edits a FunctionSet in place; the MiniSx windows use it for their groups without the buttons.

#include <QWidget>
#include <array>

#include "model/FunctionRecordSet.h"

class QGroupBox;
class QPushButton;
class QStackedWidget;

namespace morvik {

class CFunctionPageDlg;

class CMiniConfigDlg : public QWidget {
    Q_OBJECT

  public:
    // setIndex: 0 or 1. withSetButtons: the ランプ, 音声 and copy buttons of a Mini/MiniS set.
    CMiniConfigDlg(int setIndex, bool withSetButtons, QWidget* parent = nullptr);

    void Bind(FunctionSet* set);
    // Shows what the bound set holds (after a read, a load or a copy).
    void Refresh();

    int SetIndex() const { return setIndex_; }
    // The page of a kind in a group, and the one the group's selector shows.
    CFunctionPageDlg* Page(PhoneGroup group, RecordKind kind) const;
    CFunctionPageDlg* SelectedPage(PhoneGroup group) const;
    QGroupBox* GroupBox(PhoneGroup group) const;
    QPushButton* LampButton() const { return lamp_; }
    QPushButton* SoundButton() const { return sound_; }
    QPushButton* CopyButton() const { return copy_; }
    // The widgets in the order Tab visits them.
    QList<QWidget*> TabOrder() const;

  signals:
    void Changed();
    void InputRefused(const QString& text);
    void LampClicked();
    void SoundClicked();
    void CopyClicked();

  private:
    struct Group {
        QGroupBox* box = nullptr;
        QStackedWidget* stack = nullptr;
        std::array<CFunctionPageDlg*, 3> pages{};
    };
    Group& GroupOf(PhoneGroup group) { return group == PhoneGroup::Docomo ? docomo_ : other_; }
    const Group& GroupOf(PhoneGroup group) const {
        return group == PhoneGroup::Docomo ? docomo_ : other_;
    }
    void BuildGroup(PhoneGroup group, int titleId);
    void Select(PhoneGroup group, int index);

    int setIndex_;
    FunctionSet* set_ = nullptr;
    Group docomo_;
    Group other_;
    QPushButton* lamp_ = nullptr;
    QPushButton* sound_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace morvik
