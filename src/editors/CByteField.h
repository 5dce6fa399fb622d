#pragma once
// The entry field of every settings window: one line (QLineEdit) or several (QPlainTextEdit,
// whose line breaks are CR LF in the text it gives), holding at most a number of code page 932
// bytes. It refuses, with Refused() and the text to show, an edit that would take it past its
// limit (of a paste or a line break only what fits goes in, never half a line break) and an
// edit that brings in a character code page 932 lacks (emoji, Hangul, "€"): the edit is undone
// whole, so nothing is silently replaced by "?". Deleting is never refused, even in a text set
// past the limit (a value read from a terminal is shown whole and its check reports it).
// Tab leaves a several-line field as it leaves a one-line field; Ctrl+A selects the text.

#include <QObject>
#include <QString>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace morvik {

class CByteField : public QObject {
    Q_OBJECT

  public:
    // lengthMessage: what Refused() says when the field is full (its length message).
    CByteField(bool multiLine, int limitBytes, QString lengthMessage, QWidget* parent);

    QWidget* Widget() const;
    // The text as code page 932 bytes (line breaks CR LF). A character without a code page 932
    // form (only in a text set from bytes that were not code page 932 in the first place)
    // becomes kNoCp932Form, which every character check refuses, never a "?" that would pass.
    std::string Text() const;
    // Sets the text as it stands, without signalling an edit.
    void SetText(const std::string& cp932);
    void SetReadOnly(bool on);

  signals:
    // The user changed the text.
    void Edited();
    // The user's edit was refused (wholly or in part): the message says why.
    void Refused(const QString& message);

  private:
    void OnChanged();
    QString Current() const;
    void Show(const QString& text, int cursor);

    int limit_;
    QString lengthMessage_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    // The text as last accepted, and where the cursor stood after it.
    QString accepted_;
    int acceptedCursor_ = 0;
    bool setting_ = false;
};

}  // namespace morvik
