// List box events and the line operations the handlers use.
#include "app/list_box.h"

#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "platform/errors.h"

namespace pw {
namespace {

QListWidgetItem* CheckedItem(const QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  if (item == nullptr)
    throw ListIndexError(row);
  return item;
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::lineChosen);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  emit keyDown();
  QListWidget::keyPressEvent(event);
}

void ListBox::keyReleaseEvent(QKeyEvent* event) {
  QListWidget::keyReleaseEvent(event);
  emit keyUp();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  const int before = SelectedRow(this);
  QListWidget::mousePressEvent(event);
  emit mouseDown();
  const QModelIndex pressed = indexAt(event->position().toPoint());
  if (pressed.isValid() && pressed.row() == before && SelectedRow(this) == before)
    emit lineChosen();
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  emit mouseUp();
}

// A press on the blank area, a control-click or control-space on the selected line would
// leave no line selected, and "Save item" or "Save value" would then drop the user's edit
// without a word.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (!index.isValid())
    return QItemSelectionModel::NoUpdate;
  if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
    return QItemSelectionModel::ClearAndSelect;
  return command;
}

int SelectedRow(const QListWidget* list) {
  const QModelIndexList rows = list->selectionModel()->selectedIndexes();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void SelectRow(QListWidget* list, int row) {
  const QSignalBlocker blocker(list);
  list->setCurrentRow(row < list->count() ? row : -1);
}

QString LineAt(const QListWidget* list, int row) {
  return CheckedItem(list, row)->text();
}

void ReplaceLine(QListWidget* list, int row, const QString& text) {
  const QSignalBlocker blocker(list);
  CheckedItem(list, row)->setText(text);
}

void AppendLine(QListWidget* list, const QString& text) {
  const QSignalBlocker blocker(list);
  list->addItem(text);
}

void DeleteSelectedLine(QListWidget* list) {
  const int row = SelectedRow(list);
  if (row < 0)
    return;
  const QSignalBlocker blocker(list);
  delete list->takeItem(row);
  list->setCurrentRow(-1);
}

void ClearLines(QListWidget* list) {
  const QSignalBlocker blocker(list);
  list->clear();
}

}  // namespace pw
