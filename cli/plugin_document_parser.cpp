// Reads a plugin document straight into the item model as the JSON parser walks it, so a
// large plugin is never held twice (as a JSON tree and as items).
#include <nlohmann/json.hpp>

#include <array>
#include <span>
#include <string_view>

#include "cli/plugin_document.h"
#include "model/number_text.h"
#include "platform/text.h"

namespace pw {
namespace {

using Json = nlohmann::json;

// The members of each kind of object, in the order a missing one is reported.
constexpr std::array<std::string_view, 5> kPluginMembers = {"file", "name", "description", "uid",
                                                            "items"};
constexpr std::array<std::string_view, 9> kItemMembers = {
    "name", "description", "uid", "key", "type", "view", "min", "max", "entries"};
constexpr std::array<std::string_view, 2> kEntryMembers = {"text", "value"};
constexpr size_t kItemsMember = 4;
constexpr size_t kEntriesMember = 8;

// Where the parser is: inside which object or array of the document.
enum class Place { Start, Plugin, Items, Item, Entries, Entry, End };

class DocumentBuilder : public nlohmann::json_sax<Json> {
 public:
  explicit DocumentBuilder(PluginDocument& document) : document_(document) {}
  const std::string& Error() const { return error_; }

  bool null() override { return Scalar(); }
  bool boolean(bool) override { return Scalar(); }
  bool number_integer(number_integer_t) override { return Scalar(); }
  bool number_unsigned(number_unsigned_t) override { return Scalar(); }
  bool number_float(number_float_t, const string_t&) override { return Scalar(); }
  bool binary(binary_t&) override { return Scalar(); }
  bool string(string_t& value) override;
  bool start_object(std::size_t) override;
  bool end_object() override;
  bool start_array(std::size_t) override;
  bool end_array() override;
  bool key(string_t& name) override;
  bool parse_error(std::size_t position, const std::string&,
                   const nlohmann::detail::exception&) override {
    return Fail("document", "not valid JSON (byte " + std::to_string(position) + ")");
  }

 private:
  std::span<const std::string_view> Members() const;
  std::string Where() const;
  std::string MemberPath(size_t member) const;
  bool Fail(const std::string& where, const std::string& problem);
  bool Scalar();
  bool NotAString() { return Fail(MemberPath(member_), "not a string"); }
  bool ExpectsContainer() const;
  bool CheckNoneMissing();
  std::u16string& Field(size_t member);

  PluginDocument& document_;
  Place place_ = Place::Start;
  size_t member_ = 0;      // the member whose value comes next
  unsigned seen_[3] = {};  // members given so far in the plugin, the item and the entry
  TRepo item_;
  TComboElement entry_;
  std::string error_;
};

size_t Depth(Place place) {
  return place == Place::Plugin ? 0 : place == Place::Item ? 1 : 2;
}

std::span<const std::string_view> DocumentBuilder::Members() const {
  if (place_ == Place::Plugin)
    return kPluginMembers;
  if (place_ == Place::Item)
    return kItemMembers;
  return kEntryMembers;
}

// The path of the object or array being read, as a member path names it.
std::string DocumentBuilder::Where() const {
  const std::string item = "items[" + std::to_string(document_.items.Count()) + "]";
  const std::string entry = item + ".entries[" + std::to_string(item_.iComboElements.size()) + "]";
  switch (place_) {
    case Place::Items:
    case Place::Item:
      return item;
    case Place::Entries:
    case Place::Entry:
      return entry;
    default:
      return "";
  }
}

std::string DocumentBuilder::MemberPath(size_t member) const {
  const std::string where = Where();
  const std::string name(Members()[member]);
  return where.empty() ? name : where + "." + name;
}

bool DocumentBuilder::Fail(const std::string& where, const std::string& problem) {
  if (error_.empty())
    error_ = where + ": " + problem;
  return false;
}

bool DocumentBuilder::Scalar() {
  switch (place_) {
    case Place::Start:
      return Fail("document", "not an object");
    case Place::Items:
    case Place::Entries:
      return Fail(Where(), "not an object");
    default:
      return ExpectsContainer() ? Fail(MemberPath(member_), "not an array") : NotAString();
  }
}

bool DocumentBuilder::ExpectsContainer() const {
  return (place_ == Place::Plugin && member_ == kItemsMember) ||
         (place_ == Place::Item && member_ == kEntriesMember);
}

std::u16string& DocumentBuilder::Field(size_t member) {
  if (place_ == Place::Entry)
    return member == 0 ? entry_.iDescription : entry_.iValue;
  if (place_ == Place::Item) {
    std::u16string* fields[] = {&item_.iName,     &item_.iDescription, &item_.iUid,
                                &item_.iKey,      &item_.iType,        &item_.iViewType,
                                &item_.iMinValue, &item_.iMaxValue};
    return *fields[member];
  }
  std::u16string* fields[] = {&document_.file, &document_.name, &document_.description,
                              &document_.uid};
  return *fields[member];
}

bool DocumentBuilder::string(string_t& value) {
  if (place_ == Place::Start || place_ == Place::Items || place_ == Place::Entries ||
      ExpectsContainer())
    return Scalar();
  Field(member_) = Utf8ToUtf16(value);
  return true;
}

bool DocumentBuilder::key(string_t& name) {
  const auto members = Members();
  for (size_t i = 0; i < members.size(); ++i) {
    if (members[i] != name)
      continue;
    unsigned& seen = seen_[Depth(place_)];
    if (seen & 1u << i)
      return Fail(MemberPath(i), "given twice");
    seen |= 1u << i;
    member_ = i;
    return true;
  }
  const std::string where = Where();
  return Fail(where.empty() ? name : where + "." + name, "unknown member");
}

bool DocumentBuilder::start_object(std::size_t) {
  switch (place_) {
    case Place::Start:
      place_ = Place::Plugin;
      return true;
    case Place::Items:
      item_ = TRepo{};
      seen_[1] = 0;
      place_ = Place::Item;
      return true;
    case Place::Entries:
      entry_ = TComboElement{};
      seen_[2] = 0;
      place_ = Place::Entry;
      return true;
    default:
      return ExpectsContainer() ? Fail(MemberPath(member_), "not an array") : NotAString();
  }
}

bool DocumentBuilder::CheckNoneMissing() {
  const unsigned seen = seen_[Depth(place_)];
  for (size_t i = 0; i < Members().size(); ++i)
    if (!(seen & 1u << i))
      return Fail(MemberPath(i), "missing");
  return true;
}

bool DocumentBuilder::end_object() {
  if (!CheckNoneMissing())
    return false;
  if (place_ == Place::Entry) {
    item_.iComboElements.push_back(std::move(entry_));
    place_ = Place::Entries;
  } else if (place_ == Place::Item) {
    item_.iNumOfCombo = DecimalText(static_cast<int64_t>(item_.iComboElements.size()));
    document_.items.Append(std::move(item_));
    place_ = Place::Items;
  } else {
    place_ = Place::End;
  }
  return true;
}

bool DocumentBuilder::start_array(std::size_t) {
  if (place_ == Place::Start)
    return Fail("document", "not an object");
  if (place_ == Place::Items || place_ == Place::Entries)
    return Fail(Where(), "not an object");
  if (!ExpectsContainer())
    return NotAString();
  place_ = place_ == Place::Plugin ? Place::Items : Place::Entries;
  return true;
}

bool DocumentBuilder::end_array() {
  place_ = place_ == Place::Items ? Place::Plugin : Place::Item;
  return true;
}

}  // namespace

PluginDocument ParsePluginDocument(const std::string& json) {
  PluginDocument document;
  DocumentBuilder builder(document);
  if (!Json::sax_parse(json, &builder))
    throw DocumentError(builder.Error());
  return document;
}

}  // namespace pw
