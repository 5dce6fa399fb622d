#pragma once
// One function page of a set page (ブラウザ起動, トルカ配布, アプリケーション起動, メーラ起動):
// a single form drawn from the page table of model/FunctionPageFields.h. The browser page is
// CBrowserDlg, the Toruca page CTorucaDlg, the application page CAppliDlg and the mailer page
// CMailerDlg (the object names); the Mini/MiniS and MiniSx set pages use the same form.
//
// The page edits a group of a settings set in place: every keystroke goes into the group's
// record fields and the counter is recounted from them.

#include <QWidget>
#include <vector>

#include "model/FunctionPageFields.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace morvik {

class CByteField;

class CFunctionPageDlg : public QWidget {
    Q_OBJECT

  public:
    CFunctionPageDlg(RecordKind kind, PhoneGroup group, QWidget* parent = nullptr);

    // The group the page edits (owned by the window's settings value).
    void Bind(GroupFunctions* group);
    // Shows what the bound group holds.
    void Refresh();

    RecordKind Kind() const { return kind_; }
    QComboBox* Selector() const { return selector_; }
    QComboBox* QuerySelector() const { return query_; }
    CByteField* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }
    QLabel* Counter() const { return counter_; }
    bool Over() const { return over_; }
    // The widgets in the order Tab visits them.
    QList<QWidget*> TabOrder() const;

  signals:
    // The function selector asks for the group's page at this list position.
    void SelectorChanged(int index);
    // A field or the query selector changed (the counter is already new).
    void Changed();
    // A field refused an edit (full, or a character a terminal cannot take): the message.
    void InputRefused(const QString& text);

  private:
    void Recount();
    void OpenTorucaFile();

    RecordKind kind_;
    PhoneGroup group_;
    const PageSpec& spec_;
    GroupFunctions* bound_ = nullptr;
    QComboBox* selector_;
    QComboBox* query_ = nullptr;
    QPushButton* openToruca_ = nullptr;
    std::vector<CByteField*> fields_;
    QLabel* counter_;
    bool over_ = false;
};

}  // namespace morvik
