// The editor window's object names, named after the captions a user sees: kAddItem finds the
// "Add item" button, which the window's code knows as Button4. A field without a caption of
// its own is named after its label or, failing that, the name a screen reader reads.
#pragma once

namespace pw::test::widgets {

// Item editor.
constexpr char kTweakItemName[] = "TweakName";
constexpr char kTweakItemDescription[] = "TweakDescr";
constexpr char kUidLabel[] = "RepUIDLabel";
constexpr char kUid[] = "RepUID";
constexpr char kKeyLabel[] = "RepKeyLabel";
constexpr char kKey[] = "RepKey";
constexpr char kItemTypeLabel[] = "KeyTypeLabel";
constexpr char kItemType[] = "KeyType";
constexpr char kItemViewTypeLabel[] = "KeyViewLabel";
constexpr char kItemViewType[] = "KeyView";
constexpr char kUseSelectionList[] = "isCombo";
constexpr char kMinimalValueSizeLabel[] = "Label7";
constexpr char kMinimalValueSize[] = "MinValue";
constexpr char kMaximalValueSizeLabel[] = "Label8";
constexpr char kMaximalValueSize[] = "MaxValue";
constexpr char kSeparatorLabel[] = "LabeledEdit1Label";
constexpr char kSeparator[] = "LabeledEdit1";
constexpr char kSelectLabel[] = "Label15";
constexpr char kSelect[] = "ComboBox1";

// Item list.
constexpr char kAddItem[] = "Button4";
constexpr char kSaveItem[] = "Button6";
constexpr char kRemoveItem[] = "Button3";
constexpr char kIncreaseKeyNumber[] = "IncKey";
constexpr char kTweakItems[] = "RepoList";
constexpr char kMoveUp[] = "SpinButton1Up";
constexpr char kMoveDown[] = "SpinButton1Down";

// Selection-list panel.
constexpr char kSelectionListPanel[] = "GroupBox1";
constexpr char kCountLabel[] = "ComboNumLabel";
constexpr char kCount[] = "ComboNum";
constexpr char kListTextLabel[] = "NewComboNameLabel";
constexpr char kListText[] = "NewComboName";
constexpr char kListValueLabel[] = "NewComboValueLabel";
constexpr char kListValue[] = "NewComboValue";
constexpr char kAddValue[] = "Button1";
constexpr char kSaveValue[] = "Button7";
constexpr char kSelectionListTexts[] = "ComboListNames";
constexpr char kSelectionListValues[] = "ComboListValues";
constexpr char kIncreaseValue[] = "CheckBox2";
constexpr char kRemoveValue[] = "Button2";

// Plugin fields and commands.
constexpr char kPluginNameLabel[] = "SetNameLabel";
constexpr char kPluginName[] = "SetName";
constexpr char kDescriptionLabel[] = "SetDescrLabel";
constexpr char kDescription[] = "SetDescr";
constexpr char kPluginFileLabel[] = "PluginNameLabel";
constexpr char kPluginFile[] = "PluginName";
constexpr char kPluginUidLabel[] = "SetUIDLabel";
constexpr char kPluginUid[] = "SetUID";
constexpr char kOpenPlugin[] = "Button12";
constexpr char kSavePlugin[] = "Button11";
constexpr char kJoin[] = "CheckBox1";
constexpr char kAssociate[] = "Button13";

// Notes under the commands.
constexpr char kInviteLabel[] = "InviteLabel";
constexpr char kUpdateLabel[] = "UpdateLabel";

}  // namespace pw::test::widgets
