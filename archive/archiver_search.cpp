// FindFirst and FindNext: stepping through the directory by file mask, attributes and exclusion.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "archive/archiver.h"
#include "archive/mask_match.h"

namespace pw {
namespace {

// The attribute bits a search filters on: hidden, system, volume label, folder.
constexpr uint32_t kFilteredAttributes =
    zf::kAttrHidden | zf::kAttrSystem | zf::kAttrVolumeLabel | zf::kAttrDirectory;

std::u16string Replaced(std::u16string text, char16_t from, char16_t to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

std::u16string WithoutClosing(std::u16string text, std::u16string_view closing) {
  if (!text.empty() && closing.find(text.back()) != std::u16string_view::npos)
    text.pop_back();
  return text;
}

// Up to and including the last "\", or empty.
std::u16string FolderPart(const std::u16string& name) {
  const size_t last = name.rfind(u'\\');
  return last == std::u16string::npos ? std::u16string() : name.substr(0, last + 1);
}

std::u16string FileNamePart(const std::u16string& name) {
  const size_t last = name.rfind(u'\\');
  return last == std::u16string::npos ? name : name.substr(last + 1);
}

bool PassesFolderTest(const std::u16string& entryName, const std::u16string& mask) {
  const std::u16string entry = Replaced(WithoutClosing(entryName, u"/"), u'/', u'\\');
  return NameKey(FolderPart(entry)) == NameKey(FolderPart(Replaced(mask, u'/', u'\\')));
}

bool PassesNameTest(const std::u16string& entryName, const TInternalSearchRec& search) {
  const std::u16string name = WithoutClosing(entryName, u"\\/");
  const bool matches = MaskMatches(search.CFindMask, name) ||
                       MaskMatches(search.CFindMask, FileNamePart(Replaced(name, u'/', u'\\')));
  return matches && !MaskMatches(search.ExclusionMask, name);
}

bool PassesAttributeTest(uint32_t externalAttr, int32_t findAttr) {
  const uint32_t filtered = externalAttr & kFilteredAttributes;
  return (filtered & static_cast<uint32_t>(findAttr)) == filtered;
}

std::optional<size_t> SearchWithWildcards(const TZFDirArray& dir, const TZFOptions& options,
                                          const TInternalSearchRec& search) {
  for (size_t i = static_cast<size_t>(std::max(search.ItemNo, 0)); i < dir.Count(); ++i) {
    const TDirItem& item = dir[i];
    if (!options.Recurse && !PassesFolderTest(item.Name, search.CFindMask))
      continue;
    if (PassesNameTest(item.Name, search) &&
        PassesAttributeTest(item.CentralDir.externalAttr, search.FFindAttr))
      return i;
  }
  return std::nullopt;
}

std::optional<size_t> SearchByName(const TZFDirArray& dir, const TInternalSearchRec& search) {
  const std::optional<size_t> found = dir.Find(search.CFindMask);
  if (found && static_cast<int64_t>(*found) >= search.ItemNo)
    return found;
  return std::nullopt;
}

// An entry without data counts as fully compressed; one that grew counts as not at all.
double CompressionRate(int64_t compressed, int64_t uncompressed) {
  if (uncompressed <= 0)
    return 100;
  const double rate =
      (1 - static_cast<double>(compressed) / static_cast<double>(uncompressed)) * 100;
  return std::max(rate, 0.0);
}

void Describe(const TDirItem& item, TZFArchiveItem& F) {
  const TZFZipCentralDir& central = item.CentralDir;
  const std::u16string name = WithoutClosing(Replaced(item.Name, u'/', u'\\'), u"\\");
  F.FileName = FileNamePart(name);
  F.StoredPath = FolderPart(name);
  F.CompressedSize = static_cast<int64_t>(item.CompressedSize());
  F.UncompressedSize = static_cast<int64_t>(item.UncompressedSize());
  F.CompressionRate = CompressionRate(F.CompressedSize, F.UncompressedSize);
  F.Encrypted = (central.genPurposeFlag & 0x0001) != 0;
  F.LastModFileDate = central.lastModDate;
  F.LastModFileTime = central.lastModTime;
  F.CRC = static_cast<int32_t>(central.crc32);
  F.ExternalFileAttributes = central.externalAttr;
  F.Comment = item.Comment;
}

// "C:" and the like at the start of a mask.
bool StartsWithDrive(const std::u16string& mask) {
  return mask.size() >= 2 && mask[1] == u':' &&
         ((mask[0] >= u'A' && mask[0] <= u'Z') || (mask[0] >= u'a' && mask[0] <= u'z'));
}

}  // namespace

bool TZFBaseArchiver::FindFirst(const std::u16string& FileMask, TZFArchiveItem& F,
                                int32_t SearchAttr, const std::u16string& ExclusionMask) {
  std::u16string mask = FileMask;
  if (StartsWithDrive(mask) && Options.StorePath != TZFStorePathMode::FullPathWithDrive)
    mask.erase(0, 2);
  mask = Replaced(std::move(mask), u'\\', u'/');
  TInternalSearchRec& search = F.Handle;
  search.CFindMask = std::move(mask);
  search.ExclusionMask = ExclusionMask;
  search.FWildCards = search.CFindMask.find_first_of(u"*?") != std::u16string::npos;
  search.FFindAttr = SearchAttr;
  search.ItemNo = 0;
  return SearchFrom(F);
}

bool TZFBaseArchiver::FindNext(TZFArchiveItem& F) {
  if (F.Handle.ItemNo < INT32_MAX)
    ++F.Handle.ItemNo;
  return SearchFrom(F);
}

bool TZFBaseArchiver::SearchFrom(TZFArchiveItem& F) {
  if (!FActive || !FDMHandle)
    Raise(zf_native::kArchiveNotOpen);
  const TZFDirArray& dir = FDMHandle->CDir;
  const std::optional<size_t> found = F.Handle.FWildCards
                                          ? SearchWithWildcards(dir, Options, F.Handle)
                                          : SearchByName(dir, F.Handle);
  if (!found)
    return false;
  F.Handle.ItemNo = static_cast<int32_t>(*found);
  Describe(dir[*found], F);
  return true;
}

}  // namespace pw
