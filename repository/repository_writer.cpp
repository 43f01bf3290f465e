// The repository writer: header first, then the index and the records once counted.
#include "repository/repository_writer.h"

#include "model/number_text.h"
#include "model/selector_codes.h"
#include "platform/byte_cursor.h"
#include "platform/file_stream.h"
#include "repository/key_scheme.h"
#include "repository/repository_layout.h"
#include "repository/repository_name.h"
#include "repository/save_limits.h"
#include "repository/settings_image.h"

namespace pw {
namespace {

using keys::ItemField;

void Write(FileStream& file, const ByteWriter& bytes) {
  file.WriteExact(bytes.Data().data(), bytes.Size());
}

ByteWriter FixedHeader() {
  ByteWriter out;
  out.U32(layout::kFirstUid);
  out.U32(layout::kSecondUid);
  out.U32(layout::kThirdUid);
  out.U32(layout::kUidChecksum);
  out.U32(layout::kRootStreamPosition);
  out.U8(layout::kFormatVersion);
  return out;
}

ByteWriter RepositoryIdentity(std::u16string_view setUid) {
  ByteWriter out;
  out.U32(RepositoryUid(setUid));
  out.U32(layout::kOwnerUid);
  return out;
}

void AddEntries(SettingsImage& image, size_t position, const TRepo& item, int32_t type) {
  for (size_t j = 1; j <= item.iComboElements.size(); ++j) {
    const TComboElement& entry = item.iComboElements[j - 1];
    image.AddString(keys::EntryTextKey(position, j), entry.iDescription);
    // Real values have no integer form; as strings they keep the item readable.
    if (type == kTypeInteger)
      image.AddInteger(keys::EntryValueKey(position, j), HexOrDecToInt(entry.iValue));
    else
      image.AddString(keys::EntryValueKey(position, j), entry.iValue);
  }
}

void AddItem(SettingsImage& image, size_t position, const TRepo& item) {
  const auto number = [&](ItemField field, const std::u16string& text) {
    image.AddInteger(keys::FieldKey(position, field), HexOrDecToInt(text));
  };
  image.AddString(keys::FieldKey(position, ItemField::Name), item.iName);
  image.AddString(keys::FieldKey(position, ItemField::Description), item.iDescription);
  number(ItemField::Uid, item.iUid);
  number(ItemField::Key, item.iKey);
  number(ItemField::Type, item.iType);
  number(ItemField::ViewType, item.iViewType);
  number(ItemField::MinValue, item.iMinValue);
  number(ItemField::MaxValue, item.iMaxValue);
  number(ItemField::NumOfCombo, item.iNumOfCombo);
  AddEntries(image, position, item, HexOrDecToInt(item.iType));
}

// Sizes the buffers once: a list of many items would otherwise be copied as they grow.
void ReserveFor(SettingsImage& image, const RepoItems& items) {
  size_t records = 1;
  size_t textUnits = 0;
  for (const TRepo& item : items.All()) {
    records += keys::kItemFieldCount + 2 * item.iComboElements.size();
    textUnits += item.iName.size() + item.iDescription.size();
    for (const TComboElement& entry : item.iComboElements)
      textUnits += entry.iDescription.size() + entry.iValue.size();
  }
  image.Reserve(records, textUnits);
}

}  // namespace

void WriteRepository(const std::filesystem::path& path, std::u16string_view setUid,
                     const RepoItems& items) {
  CheckSavable(items);
  FileStream file(path, file_mode::kCreate);
  Write(file, FixedHeader());
  Write(file, RepositoryIdentity(setUid));
  SettingsImage image;
  ReserveFor(image, items);
  image.AddInteger(keys::kItemCountKey, static_cast<int32_t>(items.Count()));
  for (size_t i = 0; i < items.Count(); ++i)
    AddItem(image, i + 1, items.At(i));
  image.WriteTo(file);
}

}  // namespace pw
