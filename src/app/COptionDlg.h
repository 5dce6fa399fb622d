#pragma once
// The options dialog: the COM port (an editable list COM1..COM256 with a port search) and the
// close-after-write flag. It works on its own copies; the main window takes them on OK.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace morvik {

class IWindowHost;

class COptionDlg : public QDialog {
    Q_OBJECT

  public:
    // The list's text is never longer than the longest item, "COM256".
    static constexpr int kMaxPortTextLength = 6;

    // A port outside 1..256 is taken as 1.
    COptionDlg(IWindowHost& host, int port, bool closeAfterWrite);

    int Port() const { return port_; }
    bool CloseAfterWrite() const;

    QComboBox* PortList() const { return portList_; }
    QPushButton* SearchButton() const { return searchButton_; }
    QCheckBox* CloseCheck() const { return closeCheck_; }

  public slots:
    // "ポート検索": the cable's adapter first, else the search dialog. A find becomes the main
    // window's port at once; the preferences file is written only when the dialog ends with OK.
    void SearchPorts();
    // OK: the edited text must name an item exactly (without regard to case).
    void accept() override;

  private:
    void CutPortText(const QString& text);
    void SelectAll();
    void FoundPort(int port);

    IWindowHost& host_;
    int port_;
    QComboBox* portList_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QCheckBox* closeCheck_ = nullptr;
};

}  // namespace morvik
