#pragma once
// The NFC smartphone page of the MiniSx detailed window: the three detection modes and, in the
// browser mode only, the group "ブラウザ起動設定" with the URL (at most 184 bytes), the query
// list "クエリ付加" (付加する(暗号化する) / 付加する(暗号化しない) / 付加しない) and the
// "合計サイズ" counter. It edits the NFC value in place.

#include <QWidget>

#include "model/MiniSxAdditions.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace morvik {

class CByteField;

class CMiniSXNFCDlg : public QWidget {
    Q_OBJECT

  public:
    explicit CMiniSXNFCDlg(QWidget* parent = nullptr);

    void Bind(MiniSxNfcSettings* nfc);
    // Shows what the bound value holds.
    void Refresh();

    QRadioButton* ModeButton(int mode) const { return modes_[mode]; }
    QGroupBox* BrowserGroup() const { return browser_; }
    CByteField* UrlField() const { return url_; }
    QComboBox* QueryList() const { return query_; }
    QLineEdit* Counter() const { return counter_; }
    bool Over() const { return over_; }

  signals:
    // The mode, the URL or the query changed (the counter is already new).
    void Changed();
    // The URL field refused an edit: the message, ready to show.
    void InputRefused(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowMode();
    void Recount();

    MiniSxNfcSettings* nfc_ = nullptr;
    QRadioButton* modes_[3];
    QGroupBox* browser_;
    CByteField* url_;
    QComboBox* query_;
    QLineEdit* counter_;
    bool over_ = false;
};

}  // namespace morvik
