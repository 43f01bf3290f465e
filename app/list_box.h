// A list box that reports the user's key and mouse events around its own handling.
#pragma once

#include <QListWidget>

namespace pw {

// keyDown comes before the list moves its selection; keyUp, mouseDown and mouseUp after.
// lineChosen: the user selected a line, or pressed on the line that is already selected.
// The user can move the selection but never take it away: only the commands leave a list
// with no line selected.
class ListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBox(QWidget* parent = nullptr);

 signals:
  void keyDown();
  void keyUp();
  void mouseDown();
  void mouseUp();
  void lineChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

// The selected line's index, or -1.
int SelectedRow(const QListWidget* list);
// Selects a line (none for -1) without running the list's selection handler.
void SelectRow(QListWidget* list, int row);
// The text of a line; raises ListIndexError outside the list.
QString LineAt(const QListWidget* list, int row);
// Replaces a line's text, keeping the selection; raises ListIndexError outside the list.
void ReplaceLine(QListWidget* list, int row, const QString& text);
void AppendLine(QListWidget* list, const QString& text);
// Deletes the selected line, if any; afterwards no line is selected.
void DeleteSelectedLine(QListWidget* list);
void ClearLines(QListWidget* list);

}  // namespace pw
