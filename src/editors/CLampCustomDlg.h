#pragma once
// The user pattern editor "ユーザ設定ランプ": the three user lamp patterns with the format help.
// OK checks all three; a pattern that is not well formed gets 182 and the editor stays open.
// Accepted patterns are written to the preferences (userlamp1-3) and handed back.

#include <QDialog>
#include <array>

#include "model/LampChoices.h"

class QLineEdit;

namespace morvik {

class IWindowHost;

class CLampCustomDlg : public QDialog {
    Q_OBJECT

  public:
    CLampCustomDlg(QWidget* parent, IWindowHost& host, const UserLampPatterns& patterns);

    // The patterns the editor accepted (the ones it opened with until then).
    const UserLampPatterns& Patterns() const { return patterns_; }
    QLineEdit* Field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }

    void accept() override;

  private:
    IWindowHost& host_;
    UserLampPatterns patterns_;
    std::array<QLineEdit*, 3> fields_{};
};

// The user patterns as the preferences hold them now (one that is not well formed reads empty).
UserLampPatterns LoadUserLampPatterns(IWindowHost& host);

}  // namespace morvik
