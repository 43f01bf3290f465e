// Add item, selecting an item, a move and opening a plugin with 10,000 items in the list,
// driven like a user and including the repaint that follows, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/form1.h"
#include "app/list_box.h"
#include "tests/app/widget_names.h"

using namespace pw::test::widgets;

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
  auto* list = form->findChild<QListWidget*>(QString::fromLatin1(kTweakItems));
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
  auto* add = Field<QPushButton>(*form, kAddItem);
  for (auto _ : state)
    Click(add);
}
BENCHMARK(BM_AddItem)->Unit(benchmark::kMicrosecond);

void BM_SelectItem(benchmark::State& state) {
  auto form = FilledWindow();
  auto* list = Field<QListWidget>(*form, kTweakItems);
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
  auto* up = Field<QToolButton>(*form, kMoveUp);
  auto* down = Field<QToolButton>(*form, kMoveDown);
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

// Answers for the window without showing anything, so no dialog waits for a click.
class SilentPrompts : public pw::UserPrompts {
 public:
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string& message) override { qFatal("%s", message.c_str()); }
  pw::PromptButton Confirm(const std::string&, const std::vector<pw::PromptButton>&) override {
    return pw::PromptButton::Abort;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// "Open plugin" of a saved 10,000-item plugin with five entries per item, until the window
// has painted the list.
void BM_OpenLargePlugin(benchmark::State& state) {
  QTemporaryDir folder;
  SilentPrompts prompts;
  pw::FormStartup startup;
  startup.prompts = &prompts;
  startup.workingFolder = folder.path().toStdString();
  QString package;
  {
    pw::TForm1 saver(startup);
    for (int k = 0; k < kItems; ++k) {
      pw::TRepo item{u"Tweak item " + QString::number(k).toStdU16String(),
                     u"Description",
                     u"0x12345678",
                     QString::number(k + 1).toStdU16String(),
                     u"255",
                     u"1",
                     u"0",
                     u"4",
                     u"5",
                     {}};
      for (int j = 0; j < 5; ++j)
        item.iComboElements.push_back({u"Choice", QString::number(j).toStdU16String()});
      saver.AppendItem(item);
    }
    Click(Field<QPushButton>(saver, kSavePlugin));
    package = folder.filePath(QStringLiteral("my_tweak/my_tweak.qvx"));
  }
  auto form = std::make_unique<pw::TForm1>(startup);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get()))
    qFatal("the window was not exposed");
  for (auto _ : state) {
    form->OpenPluginFile(package);
    QApplication::processEvents();
  }
  if (form->Items().Count() != kItems)
    state.SkipWithError("the plugin did not open");
}
BENCHMARK(BM_OpenLargePlugin)->Unit(benchmark::kMillisecond);

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
