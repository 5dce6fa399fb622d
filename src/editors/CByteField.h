#pragma once
// An entry field that holds at most a number of code page 932 bytes: one line (QLineEdit) or
// several (QPlainTextEdit, whose line breaks are CR LF in the text it gives). Input past the
// limit is cut back at once and reported with Full(), so the page can say why.
// Tab leaves a several-line field as it leaves a one-line field; Ctrl+A selects its text.

#include <QObject>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace morvik {

class CByteField : public QObject {
    Q_OBJECT

  public:
    CByteField(bool multiLine, int limitBytes, QWidget* parent);

    QWidget* Widget() const;
    // The text as code page 932 bytes (line breaks CR LF).
    std::string Text() const;
    // Sets the text without signalling an edit.
    void SetText(const std::string& cp932);
    void SetReadOnly(bool on);

  signals:
    // The user changed the text (after any cut to the limit).
    void Edited();
    // The user's input reached past the limit and was cut back.
    void Full();

  private:
    void OnChanged();

    int limit_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    bool setting_ = false;
};

}  // namespace morvik
