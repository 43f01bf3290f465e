// The hidden secondary window with its memo.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace pw {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

 private:
  QPlainTextEdit* Memo1;  // fills the "Form2" window
};

}  // namespace pw
