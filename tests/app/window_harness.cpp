// User actions go through real input events; only what a user could do is done.
#include "window_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

#include "app/list_box.h"
#include "widget_names.h"

namespace pw::test {

using namespace widgets;

Window::Window(FormStartup startup) {
  startup.prompts = &prompts;
  form_ = std::make_unique<TForm1>(startup);
  form_->show();
  if (!QTest::qWaitForWindowExposed(form_.get()))
    qFatal("the window was not exposed");
}

void Window::Click(const char* buttonName) {
  auto* button = Find<QAbstractButton>(buttonName);
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void Window::RunCommand(const char* buttonName) {
  QMetaObject::invokeMethod(Find<QAbstractButton>(buttonName), "clicked");
}

// Opens the drop-down with the keyboard, walks to the entry and takes it with Enter.
void Window::Choose(const char* dropDownName, int index) {
  QComboBox* box = DropDown(dropDownName);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_F4);
  QAbstractItemView* popup = box->view();
  if (!QTest::qWaitForWindowExposed(popup->window()))
    qFatal("the drop-down did not open");
  QTest::keyClick(popup, Qt::Key_Home);
  for (int k = 0; k < index; ++k)
    QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Return);
}

void Window::ClickRow(const char* listName, int row) {
  QListWidget* list = List(listName);
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

void Window::TryToDeselect(const char* listName, Deselecting gesture) {
  QListWidget* list = List(listName);
  const QRect selected = list->visualItemRect(list->item(pw::SelectedRow(list)));
  switch (gesture) {
    case Deselecting::BlankClick: {
      const QPoint blank(selected.center().x(), list->viewport()->height() - 2);
      if (list->indexAt(blank).isValid())
        qFatal("%s has no blank area below its lines", listName);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, blank);
      break;
    }
    case Deselecting::ControlClick:
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, selected.center());
      break;
    case Deselecting::ControlSpace:
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
      break;
  }
}

void Window::PressKey(const char* widgetName, Qt::Key key) {
  auto* widget = Find<QWidget>(widgetName);
  widget->setFocus();
  QTest::keyClick(widget, key);
}

void Window::Type(const char* widgetName, const QString& text) {
  auto* widget = Find<QWidget>(widgetName);
  widget->setFocus();
  QTest::keyClicks(widget, text);
}

void Window::Paste(const char* widgetName, const QString& text) {
  QApplication::clipboard()->setText(text);
  auto* widget = Find<QWidget>(widgetName);
  widget->setFocus();
  const bool oneLine = qobject_cast<QLineEdit*>(widget) != nullptr;
  QTest::keyClick(widget, Qt::Key_End, oneLine ? Qt::NoModifier : Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// A drop reaches a multi-line field through its viewport, below the last line.
void Window::Drop(const char* widgetName, const QString& text) {
  auto* widget = Find<QWidget>(widgetName);
  if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(widget))
    widget = scrolled->viewport();
  const QPoint end(widget->width() - 2, widget->height() - 2);
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
  QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &drop);
}

// Replaces a one-line field's text as a user does: select all, then type.
void Window::SetText(const char* lineEditName, const QString& text) {
  QLineEdit* edit = Edit(lineEditName);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Delete);
  else
    QTest::keyClicks(edit, text);
}

void Window::Toggle(const char* checkBoxName) {
  PressKey(checkBoxName, Qt::Key_Space);
}

void Window::AddValues(const QStringList& values) {
  for (const QString& value : values) {
    SetText(kListText, QStringLiteral("text ") + value);
    SetText(kListValue, value);
    Click(kAddValue);
  }
}

QStringList Window::Lines(const char* listName) const {
  QStringList lines;
  const QListWidget* list = List(listName);
  for (int k = 0; k < list->count(); ++k)
    lines << list->item(k)->text();
  return lines;
}

int Window::SelectedRow(const char* listName) const {
  return pw::SelectedRow(List(listName));
}

Mark Window::MarkOf(const char* buttonName) const {
  const auto* button = Find<QPushButton>(buttonName);
  const QColor colour = button->palette().color(QPalette::Active, QPalette::ButtonText);
  if (!button->font().bold())
    return colour == QApplication::palette(button).color(QPalette::Active, QPalette::ButtonText)
               ? Mark::None
               : Mark::Other;
  if (colour == QColor(255, 0, 0))
    return Mark::Add;
  if (colour == QColor(0, 128, 0))
    return Mark::Save;
  return Mark::Other;
}

}  // namespace pw::test
