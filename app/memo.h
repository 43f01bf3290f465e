// A multi-line field that gives back exactly the text it was given.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace pw {

// The text document takes CR, LF, the paragraph separator and its frame marks as block
// breaks, and its plain text turns no-break spaces into spaces and line separators into LF.
// A memo reads the document as it is: a block break stands for CR LF, and every other
// character that the document would take as a break is held as a line separator marked with
// the character it stands for, so that it shows as a line break and reads back as itself.
class Memo : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

  // The whole text, each line break the user typed as CR LF.
  std::u16string ExactText() const;
  // Replaces the text when it differs, so that a change handler runs only for a real change;
  // the undo history starts afresh, as with a new text.
  void SetExactText(std::u16string_view text);

 protected:
  // Pasted or dropped text: its CR LF, CR and LF are the user's line breaks; every other
  // character stays as it is.
  void insertFromMimeData(const QMimeData* source) override;
  // Copied text as the memo holds it, line breaks as LF.
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace pw
