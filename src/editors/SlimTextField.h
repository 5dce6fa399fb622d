#pragma once
// One text field of the Slim settings window: a one-line edit or, for the fields that may hold
// line breaks, a small multi-line edit. It holds the field to its byte limit while the operator
// types: an edit that would go past the limit is undone and reported (the window shows the
// field's length message and gives the focus back). Characters that code page 932 lacks are
// refused the same way, silently, since the terminal could not take them.

#include <QObject>
#include <QString>
#include <string>

#include "model/SlimEditorFields.h"

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace morvik {

class SlimTextField : public QObject {
    Q_OBJECT

  public:
    SlimTextField(const SlimFieldSpec& entry, QWidget* parent);

    const SlimFieldSpec& Entry() const { return spec_; }
    QWidget* Widget() const;
    // Code page 932 with CR LF line breaks, as the model holds it.
    std::string Text() const;
    // Shows text as it stands, even past the limit (a value read from a terminal is shown whole
    // and its check reports it).
    void SetText(const std::string& cp932);

  signals:
    void Changed();
    void LimitReached(morvik::SlimField field);

  private:
    void OnEdited();
    QString Current() const;
    void Restore();

    SlimFieldSpec spec_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    QString accepted_;
    int acceptedCursor_ = 0;
    bool setting_ = false;
};

}  // namespace morvik
