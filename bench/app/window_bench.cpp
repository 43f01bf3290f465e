// Add item, selecting an item and a move with 10,000 items in the list, driven like a user
// and including the repaint that follows, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/form1.h"
#include "app/list_box.h"

namespace {

constexpr int kItems = 10000;
constexpr int kMiddle = kItems / 2;

// A shown window whose list holds kItems items, the middle one selected.
std::unique_ptr<pw::TForm1> FilledWindow() {
  auto form = std::make_unique<pw::TForm1>();
  for (int k = 0; k < kItems; ++k) {
    pw::TRepo item;
    item.iName = u"Tweak item " + QString::number(k).toStdU16String();
    item.iDescription = u"Tweak item description\r\n";
    item.iUid = u"0x12345678";
    item.iKey = QString::number(k).toStdU16String();
    item.iType = u"255";
    item.iViewType = u"1";
    item.iMinValue = u"0";
    item.iMaxValue = u"100";
    form->AppendItem(item);
  }
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get()))
    qFatal("the window was not exposed");
  auto* list = form->findChild<QListWidget*>(QStringLiteral("RepoList"));
  list->setFocus();
  pw::SelectRow(list, kMiddle);
  QApplication::processEvents();
  return form;
}

template <class Widget>
Widget* Field(pw::TForm1& form, const char* name) {
  return form.findChild<Widget*>(QString::fromLatin1(name));
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  QApplication::processEvents();
}

void BM_AddItem(benchmark::State& state) {
  auto form = FilledWindow();
  auto* add = Field<QPushButton>(*form, "Button4");
  for (auto _ : state)
    Click(add);
}
BENCHMARK(BM_AddItem)->Unit(benchmark::kMicrosecond);

void BM_SelectItem(benchmark::State& state) {
  auto form = FilledWindow();
  auto* list = Field<QListWidget>(*form, "RepoList");
  bool down = true;
  for (auto _ : state) {
    QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
    QApplication::processEvents();
    down = !down;
  }
  if (pw::SelectedRow(list) < kMiddle - 1 || pw::SelectedRow(list) > kMiddle + 1)
    state.SkipWithError("the selection did not follow the keys");
}
BENCHMARK(BM_SelectItem)->Unit(benchmark::kMicrosecond);

void BM_MoveItem(benchmark::State& state) {
  auto form = FilledWindow();
  auto* up = Field<QToolButton>(*form, "SpinButton1Up");
  auto* down = Field<QToolButton>(*form, "SpinButton1Down");
  bool upwards = true;
  for (auto _ : state) {
    Click(upwards ? up : down);
    upwards = !upwards;
  }
  if (form->Items().At(kMiddle).iKey != QString::number(kMiddle).toStdU16String() &&
      form->Items().At(kMiddle - 1).iKey != QString::number(kMiddle).toStdU16String())
    state.SkipWithError("the item did not move");
}
BENCHMARK(BM_MoveItem)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
