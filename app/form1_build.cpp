// Builds the editor window's fields with their captions, starting texts, hints and fonts.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "app/form1.h"
#include "app/list_box.h"
#include "app/memo.h"
#include "app/single_line_delegate.h"
#include "app/uid_digits_validator.h"
#include "app/window_fonts.h"
#include "archive/archiver.h"
#include "package/package_archiver.h"

namespace pw {
namespace {

constexpr int kMargin = 8;
constexpr int kRowSpacing = 6;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;
constexpr int kPanelWidth = TForm1::kWideWidth - TForm1::kNarrowWidth - kMargin;
const QColor kInfoColour(128, 0, 0);

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A hint is shown as a tool tip unless the field keeps it to itself; screen readers get it
// either way as the description.
void SetHint(QWidget* widget, const QString& hint, bool shown = true) {
  if (shown)
    widget->setToolTip(hint);
  widget->setAccessibleDescription(hint);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& text) {
  auto* edit = Named(new QLineEdit(parent), name);
  // The toolkit would cut every text at 32,767 characters, also one read from a file; what
  // a field may hold is for the save to decide.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setText(text);
  return edit;
}

Memo* NewMemo(QWidget* parent, const char* name, const QString& text, const QFont& font,
              int lines) {
  auto* memo = Named(new Memo(parent), name);
  memo->setFont(font);
  memo->setPlainText(text);
  memo->setTabChangesFocus(true);
  const int frame =
      2 * memo->frameWidth() + 2 * static_cast<int>(memo->document()->documentMargin());
  memo->setFixedHeight(lines * memo->fontMetrics().lineSpacing() + frame);
  return memo;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
  auto* label = Named(new QLabel(text, parent), name);
  label->setTextFormat(Qt::PlainText);
  label->setBuddy(buddy);
  return label;
}

QComboBox* NewDropDown(QWidget* parent, const char* name, const QStringList& entries, int index) {
  auto* box = Named(new QComboBox(parent), name);
  box->addItems(entries);
  box->setCurrentIndex(index);
  return box;
}

template <class Button>
Button* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Named(new Button(parent), name);
  button->setText(caption);
  return button;
}

// A button that carries a change mark: wide enough for its bold caption, so that marking
// it does not shift its neighbours.
QPushButton* NewMarkedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = NewButton<QPushButton>(parent, name, caption);
  QFont bold = button->font();
  bold.setBold(true);
  const int extra = QFontMetrics(bold).horizontalAdvance(caption) -
                    button->fontMetrics().horizontalAdvance(caption);
  button->setMinimumWidth(button->sizeHint().width() + extra);
  return button;
}

QToolButton* NewArrow(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* button = Named(new QToolButton(parent), name);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(kFirstRepeatMs);
  button->setAutoRepeatInterval(kRepeatMs);
  return button;
}

QHBoxLayout* Row(QVBoxLayout* column) {
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  return row;
}

}  // namespace

TForm1::TForm1(const FormStartup& startup, QWidget* parent)
    : QWidget(parent),
      runOpenDialog_(startup.runOpenDialog),
      workingFolder_(startup.workingFolder),
      registerExtension_(startup.registerExtension),
      archiver_(MakePackageArchiver()),
      prompts_(startup.prompts != nullptr ? startup.prompts : this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Qorvix Plugwright"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  // Set before the fields exist so that their sizes follow the font they show.
  setFont(WindowFont());

  auto* editorPane = Named(new QWidget(this), "EditorPane");
  editorPane->setGeometry(0, 0, kNarrowWidth, kClientHeight);
  auto* column = new QVBoxLayout(editorPane);
  column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  column->setSpacing(kRowSpacing);
  BuildItemEditor(column);
  BuildItemList(column);
  BuildPluginFields(column);
  BuildInfoLabels(column);
  BuildSelectionPanel();
  SetAccessibleNames();
  Wire();
  WireShortcuts();
  FormCreate(startup);
}

TForm1::~TForm1() = default;

void TForm1::BuildItemEditor(QVBoxLayout* column) {
  QWidget* pane = column->parentWidget();
  const QFont nameFont = NameFont();

  TweakName = NewEdit(pane, "TweakName", QStringLiteral("Tweak item name"));
  TweakName->setFont(nameFont);
  SetHint(TweakName, QStringLiteral("Tweak item name"));
  column->addWidget(TweakName);

  TweakDescr = NewMemo(pane, "TweakDescr", QStringLiteral("Tweak item description\n"), nameFont, 3);
  SetHint(TweakDescr, QStringLiteral("Tweak item description"));
  column->addWidget(TweakDescr);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kRowSpacing);
  grid->setVerticalSpacing(kRowSpacing);
  column->addLayout(grid);
  RepUID = NewEdit(pane, "RepUID", QStringLiteral("0x12345678"));
  SetHint(RepUID, QStringLiteral("Cenrep setting UID"));
  grid->addWidget(NewLabel(pane, "RepUIDLabel", QStringLiteral("UID: "), RepUID), 0, 0);
  grid->addWidget(RepUID, 0, 1);
  RepKey = NewEdit(pane, "RepKey", QStringLiteral("1"));
  SetHint(RepKey, QStringLiteral("Cenrep setting key"));
  grid->addWidget(NewLabel(pane, "RepKeyLabel", QStringLiteral("Key:"), RepKey), 0, 2);
  grid->addWidget(RepKey, 0, 3);
  KeyType =
      NewDropDown(pane, "KeyType",
                  {QStringLiteral("Real"), QStringLiteral("String"), QStringLiteral("Integer")}, 1);
  grid->addWidget(NewLabel(pane, "KeyTypeLabel", QStringLiteral("Item type:"), KeyType), 1, 0);
  grid->addWidget(KeyType, 1, 1);
  KeyView = NewDropDown(
      pane, "KeyView",
      {QStringLiteral("Common"), QStringLiteral("Uid set"), QStringLiteral("Path"),
       QStringLiteral("Bitmask"), QStringLiteral("Application"), QStringLiteral("Track bar")},
      0);
  grid->addWidget(NewLabel(pane, "KeyViewLabel", QStringLiteral("Item view type:"), KeyView), 1, 2);
  grid->addWidget(KeyView, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  isCombo = NewButton<QCheckBox>(pane, "isCombo", QStringLiteral("Use selection list"));
  column->addWidget(isCombo);

  // The bounds area: the views swap the two bound fields for the separator or the path kind.
  auto* bounds = Row(column);
  MinValue = NewEdit(pane, "MinValue", QStringLiteral("0"));
  SetHint(MinValue, QStringLiteral("Minimal integer"), false);
  Label7 = NewLabel(pane, "Label7", QStringLiteral("Minimal value size"), MinValue);
  MaxValue = NewEdit(pane, "MaxValue", QStringLiteral("0x7fffffff"));
  SetHint(MaxValue, QStringLiteral("Maximal integer or maximal strring length"));
  Label8 = NewLabel(pane, "Label8", QStringLiteral("Maximal value size"), MaxValue);
  LabeledEdit1 = NewEdit(pane, "LabeledEdit1", QString());
  SetHint(LabeledEdit1, QStringLiteral("Char separator for uids list"));
  LabeledEdit1->setFixedWidth(LabeledEdit1->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 4);
  LabeledEdit1Label =
      NewLabel(pane, "LabeledEdit1Label", QStringLiteral("Separator"), LabeledEdit1);
  ComboBox1 = NewDropDown(pane, "ComboBox1", {QStringLiteral("File"), QStringLiteral("Folder")}, 0);
  Label15 = NewLabel(pane, "Label15", QStringLiteral("Select"), ComboBox1);
  bounds->addWidget(Label7);
  bounds->addWidget(MinValue, 1);
  bounds->addWidget(Label8);
  bounds->addWidget(MaxValue, 1);
  bounds->addWidget(LabeledEdit1Label);
  bounds->addWidget(LabeledEdit1);
  bounds->addWidget(Label15);
  bounds->addWidget(ComboBox1);
  bounds->addStretch(0);
  ShowSeparatorField(false);
  Label15->hide();
  ComboBox1->hide();
}

void TForm1::BuildItemList(QVBoxLayout* column) {
  QWidget* pane = column->parentWidget();
  auto* buttons = Row(column);
  Button4 = NewMarkedButton(pane, "Button4", QStringLiteral("Add item"));
  Button6 = NewMarkedButton(pane, "Button6", QStringLiteral("Save item"));
  Button3 = NewButton<QPushButton>(pane, "Button3", QStringLiteral("Remove item"));
  IncKey = NewButton<QCheckBox>(pane, "IncKey", QStringLiteral("increase key number"));
  SetHint(IncKey, QStringLiteral("После добавления твика увеличится номер ключа для добавления "
                                 "следующего"));
  buttons->addWidget(Button4);
  buttons->addWidget(Button6);
  buttons->addWidget(Button3);
  buttons->addStretch(1);
  buttons->addWidget(IncKey);

  auto* listRow = Row(column);
  RepoList = Named(new ListBox(pane), "RepoList");
  RepoList->setFont(NameFont());
  RepoList->setItemDelegate(new SingleLineDelegate(RepoList));
  listRow->addWidget(RepoList, 1);
  SpinButton1 = Named(new QWidget(pane), "SpinButton1");
  auto* arrows = new QVBoxLayout(SpinButton1);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  SpinButton1Up = NewArrow(SpinButton1, "SpinButton1Up", Qt::UpArrow);
  SpinButton1Down = NewArrow(SpinButton1, "SpinButton1Down", Qt::DownArrow);
  arrows->addWidget(SpinButton1Up);
  arrows->addWidget(SpinButton1Down);
  listRow->addWidget(SpinButton1, 0, Qt::AlignVCenter);
}

void TForm1::BuildPluginFields(QVBoxLayout* column) {
  QWidget* pane = column->parentWidget();
  auto* rule = new QFrame(pane);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  column->addWidget(rule);

  const QFont nameFont = NameFont();
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kRowSpacing);
  grid->setVerticalSpacing(kRowSpacing);
  column->addLayout(grid);
  SetName = NewEdit(pane, "SetName", QStringLiteral("Plugin name"));
  SetName->setFont(nameFont);
  grid->addWidget(NewLabel(pane, "SetNameLabel", QStringLiteral("Plugin name:"), SetName), 0, 0);
  grid->addWidget(SetName, 0, 1, 1, 3);
  SetDescr = NewMemo(pane, "SetDescr", QStringLiteral("Descriprion\n"), nameFont, 3);
  grid->addWidget(NewLabel(pane, "SetDescrLabel", QStringLiteral("Description:"), SetDescr), 1, 0,
                  Qt::AlignTop);
  grid->addWidget(SetDescr, 1, 1, 1, 3);
  PluginName = NewEdit(pane, "PluginName", QStringLiteral("my_tweak"));
  SetHint(PluginName, QStringLiteral("Plugin filename"));
  grid->addWidget(NewLabel(pane, "PluginNameLabel", QStringLiteral("Plugin file"), PluginName), 2,
                  0);
  grid->addWidget(PluginName, 2, 1);
  SetUID = NewEdit(pane, "SetUID", QStringLiteral("00000"));
  SetUID->setValidator(new UidDigitsValidator(SetUID));
  SetHint(SetUID, QStringLiteral("Internal plugin uid"));
  SetUID->setFixedWidth(SetUID->fontMetrics().horizontalAdvance(QStringLiteral("FFFFFFF")));
  grid->addWidget(NewLabel(pane, "SetUIDLabel", QStringLiteral("Plugin uid: 0\u0445fac"), SetUID),
                  2, 2);
  grid->addWidget(SetUID, 2, 3);
  grid->setColumnStretch(1, 1);

  auto* commands = Row(column);
  Button12 = NewButton<QPushButton>(pane, "Button12", QStringLiteral("Open plugin"));
  Button11 = NewButton<QPushButton>(pane, "Button11", QStringLiteral("Save plugin"));
  CheckBox1 = NewButton<QCheckBox>(pane, "CheckBox1", QStringLiteral("join"));
  SetHint(CheckBox1, QStringLiteral("При открытии плагина вся информация добавится в конец уже "
                                    "открытого плагина"));
  Button13 = NewButton<QPushButton>(pane, "Button13", QStringLiteral("Associate *.qvx"));
  SetHint(Button13, QStringLiteral("Associate *.qvx files in Windows with Qorvix Plugwright. "
                                   "Double-click will open program with loaded plugin."));
  commands->addWidget(Button12);
  commands->addWidget(Button11);
  commands->addWidget(CheckBox1);
  commands->addStretch(1);
  commands->addWidget(Button13);
}

void TForm1::BuildInfoLabels(QVBoxLayout* column) {
  QWidget* pane = column->parentWidget();
  const std::pair<const char*, QString> texts[] = {
      {"InviteLabel", QStringLiteral("Send your good plugins to plugins@qorvix.example")},
      {"UpdateLabel",
       QStringLiteral("After testing your plugins will be added to website and program  update.")},
  };
  for (const auto& [name, text] : texts) {
    auto* label = NewLabel(pane, name, text, nullptr);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kInfoColour);
    label->setPalette(palette);
    label->setWordWrap(true);
    column->addWidget(label);
  }
}

void TForm1::BuildSelectionPanel() {
  GroupBox1 = Named(new QGroupBox(QStringLiteral("Selection list values"), this), "GroupBox1");
  GroupBox1->setGeometry(kNarrowWidth, kMargin / 2, kPanelWidth, kClientHeight - kMargin);
  GroupBox1->setEnabled(false);
  auto* column = new QVBoxLayout(GroupBox1);
  column->setSpacing(kRowSpacing);

  auto* count = Row(column);
  ComboNum = Named(new QLabel(QStringLiteral("0"), GroupBox1), "ComboNum");
  count->addWidget(NewLabel(GroupBox1, "ComboNumLabel", QStringLiteral("Count:"), ComboNum));
  count->addWidget(ComboNum);
  count->addStretch(1);

  const QFont nameFont = NameFont();
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kRowSpacing);
  grid->setVerticalSpacing(kRowSpacing);
  column->addLayout(grid);
  NewComboName = NewEdit(GroupBox1, "NewComboName", QString());
  NewComboName->setFont(nameFont);
  grid->addWidget(NewLabel(GroupBox1, "NewComboNameLabel", QStringLiteral("Text"), NewComboName), 0,
                  0);
  grid->addWidget(NewComboName, 0, 1);
  NewComboValue = NewEdit(GroupBox1, "NewComboValue", QStringLiteral("0"));
  NewComboValue->setFont(nameFont);
  grid->addWidget(NewLabel(GroupBox1, "NewComboValueLabel", QStringLiteral("Value"), NewComboValue),
                  1, 0);
  grid->addWidget(NewComboValue, 1, 1);

  auto* buttons = Row(column);
  Button1 = NewMarkedButton(GroupBox1, "Button1", QStringLiteral("Add value"));
  Button7 = NewMarkedButton(GroupBox1, "Button7", QStringLiteral("Save value"));
  buttons->addWidget(Button1);
  buttons->addWidget(Button7);
  buttons->addStretch(1);

  auto* lists = Row(column);
  ComboListNames = Named(new ListBox(GroupBox1), "ComboListNames");
  ComboListValues = Named(new ListBox(GroupBox1), "ComboListValues");
  lists->addWidget(ComboListNames, 3);
  lists->addWidget(ComboListValues, 1);

  auto* last = Row(column);
  CheckBox2 = NewButton<QCheckBox>(GroupBox1, "CheckBox2", QStringLiteral("Increase value"));
  SetHint(CheckBox2, QStringLiteral("После добавления цифрового значения, цифра в поле для "
                                    "добавления следующего увеличится"));
  Button2 = NewButton<QPushButton>(GroupBox1, "Button2", QStringLiteral("Remove"));
  last->addWidget(CheckBox2);
  last->addStretch(1);
  last->addWidget(Button2);
}

void TForm1::SetAccessibleNames() {
  const std::pair<QWidget*, const char*> names[] = {
      {TweakName, "Tweak item name"},
      {TweakDescr, "Tweak item description"},
      {RepUID, "UID"},
      {RepKey, "Key"},
      {KeyType, "Item type"},
      {KeyView, "Item view type"},
      {isCombo, "Use selection list"},
      {MinValue, "Minimal value size"},
      {MaxValue, "Maximal value size"},
      {LabeledEdit1, "Separator"},
      {ComboBox1, "Select"},
      {IncKey, "increase key number"},
      {Button4, "Add item"},
      {Button6, "Save item"},
      {Button3, "Remove item"},
      {RepoList, "Tweak items"},
      {SpinButton1Up, "Move up"},
      {SpinButton1Down, "Move down"},
      {GroupBox1, "Selection list values"},
      {ComboNum, "Count"},
      {NewComboName, "Text"},
      {NewComboValue, "Value"},
      {Button1, "Add value"},
      {Button7, "Save value"},
      {ComboListNames, "Selection list texts"},
      {ComboListValues, "Selection list values"},
      {CheckBox2, "Increase value"},
      {Button2, "Remove"},
      {SetName, "Plugin name"},
      {SetDescr, "Description"},
      {PluginName, "Plugin file"},
      {SetUID, "Plugin uid: 0\u0445fac"},
      {Button12, "Open plugin"},
      {Button11, "Save plugin"},
      {CheckBox1, "join"},
      {Button13, "Associate *.qvx"},
  };
  for (const auto& [widget, name] : names)
    widget->setAccessibleName(QString::fromUtf8(name));
}

}  // namespace pw
