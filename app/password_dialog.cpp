// Dialog units: a horizontal unit is a quarter of the average letter width of the window
// font, a vertical unit an eighth of its height, so the dialog scales with the font.
#include "app/password_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace pw {
namespace {

constexpr int kMaxPasswordLength = 255;

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    averageWidth_ = metrics.horizontalAdvance(letters) / 52.0;
    height_ = metrics.height();
  }
  int X(int units) const { return qRound(units * averageWidth_ / 4); }
  int Y(int units) const { return qRound(units * height_ / 8.0); }
  QRect Rect(int left, int top, int width, int height) const {
    return QRect(X(left), Y(top), X(width), Y(height));
  }

 private:
  double averageWidth_;
  int height_;
};

}  // namespace

PasswordDialog::PasswordDialog(const QString& entryName, const QString& currentPassword,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("PasswordDialog"));
  setWindowTitle(QStringLiteral("Password for \"%1\"").arg(entryName));
  setModal(true);
  if (parent != nullptr)
    setFont(parent->font());
  const DialogUnits units(font());
  setFixedSize(units.X(180), units.Y(63));

  auto* label = new QLabel(QStringLiteral("Enter password: "), this);
  label->setObjectName(QStringLiteral("PasswordLabel"));
  label->move(units.X(8), units.Y(8));
  label->adjustSize();

  edit_ = new QLineEdit(currentPassword, this);
  edit_->setObjectName(QStringLiteral("PasswordEdit"));
  edit_->setMaxLength(kMaxPasswordLength);
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  edit_->setAccessibleName(QStringLiteral("Enter password"));
  edit_->setGeometry(units.X(8), units.Y(19), units.X(164), edit_->sizeHint().height());
  edit_->selectAll();
  label->setBuddy(edit_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("PasswordOk"));
  ok->setGeometry(units.Rect(38, 41, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("PasswordCancel"));
  cancel->setGeometry(units.Rect(92, 41, 50, 14));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString PasswordDialog::Password() const {
  return edit_->text();
}

void PasswordDialog::showEvent(QShowEvent* event) {
  if (const QScreen* desktop = screen())
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), desktop->availableGeometry())
             .topLeft());
  QDialog::showEvent(event);
}

}  // namespace pw
