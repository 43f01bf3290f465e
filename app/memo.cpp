// Memo texts in and out of the text document, marked line separators included.
#include "app/memo.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "app/field_text.h"

namespace pw {
namespace {

// The character a marked line separator stands for.
constexpr int kStandsFor = QTextFormat::UserProperty + 1;

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

enum class LineBreaks {
  kCrLf,  // a text the memo was given: only CR LF is a line break
  kAny,   // a text the user pasted: CR LF, CR and LF alike
};

// The characters that the document turns into block breaks wherever they arrive.
bool BreaksBlock(char16_t c) {
  return c == kCr || c == kLf || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1;
}

// Inserts text at the cursor in place of its selection, as one step of the undo history.
void InsertText(QTextCursor& cursor, std::u16string_view text, LineBreaks breaks) {
  QTextCharFormat plain = cursor.charFormat();
  plain.clearProperty(kStandsFor);
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  QString run;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool crLf = c == kCr && i + 1 < text.size() && text[i + 1] == kLf;
    if (crLf || (breaks == LineBreaks::kAny && (c == kCr || c == kLf))) {
      run += QChar(kLf);
      i += crLf ? 1 : 0;
    } else if (BreaksBlock(c)) {
      cursor.insertText(run, plain);
      run.clear();
      QTextCharFormat marked = plain;
      marked.setProperty(kStandsFor, static_cast<int>(c));
      cursor.insertText(QString(QChar::LineSeparator), marked);
    } else {
      run += QChar(c);
    }
  }
  cursor.insertText(run, plain);
  cursor.endEditBlock();
}

// The characters from position `from` up to `to`, marked line separators as what they stand
// for and block breaks as lineBreak.
std::u16string TextBetween(const QTextDocument& document, int from, int to,
                           std::u16string_view lineBreak) {
  std::u16string text;
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    if (block.position() > from)
      text += lineBreak;
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFragment fragment = piece.fragment();
      const QVariant standsFor = fragment.charFormat().property(kStandsFor);
      const QString characters = fragment.text();
      const int start = std::max(from, fragment.position());
      const int end = std::min(to, fragment.position() + fragment.length());
      for (int position = start; position < end; ++position) {
        const char16_t c = characters[position - fragment.position()].unicode();
        text += c == QChar::LineSeparator && standsFor.isValid()
                    ? static_cast<char16_t>(standsFor.toInt())
                    : c;
      }
    }
  }
  return text;
}

}  // namespace

std::u16string Memo::ExactText() const {
  // The last block's end is the document's own, not a break.
  return TextBetween(*document(), 0, document()->characterCount() - 1, u"\r\n");
}

void Memo::SetExactText(std::u16string_view text) {
  if (ExactText() == text)
    return;
  QTextDocument* content = document();
  content->setUndoRedoEnabled(false);
  QTextCursor cursor(content);
  cursor.select(QTextCursor::Document);
  InsertText(cursor, text, LineBreaks::kCrLf);
  content->setUndoRedoEnabled(true);
  content->setModified(false);
  moveCursor(QTextCursor::Start);
}

void Memo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText())
    return;
  QTextCursor cursor = textCursor();
  InsertText(cursor, ToU16(source->text()), LineBreaks::kAny);
  setTextCursor(cursor);
  ensureCursorVisible();
}

QMimeData* Memo::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* copied = new QMimeData;
  copied->setText(
      ToQString(TextBetween(*document(), cursor.selectionStart(), cursor.selectionEnd(), u"\n")));
  return copied;
}

}  // namespace pw
