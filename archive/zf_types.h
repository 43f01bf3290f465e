// Enumerations, settings and fixed numbers shared by the archive's writing and reading sides.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pw {

// The component's named settings and answers. The legacy spellings (clNone, spNoPath,
// smShareDenyNone, poAdd, fxaAbort, ...) are listed in docs/GLOSSARY.md.
enum class TZFCompressionLevel { None, Fastest, Normal, Max };
enum class TZFStorePathMode { NoPath, RelativePath, FullPath, FullPathWithDrive };
// In this order: shifted left by four, the sharing bits of a file open mode.
enum class TZFFileShareMode { Compat, Exclusive, DenyWrite, DenyRead, DenyNone };
enum class TZFProcessOperation {
  Add,
  Move,
  Delete,
  Update,
  Extract,
  Test,
  Rename,
  ChangeAttr,
  ChangeComment,
  MakeSFX,
  Merge
};
enum class TZFAction { Retry, Ignore, Abort };

namespace zf {

// Attribute bits as the host reports them and as externalAttr carries them.
inline constexpr uint32_t kAttrReadOnly = 0x01;
inline constexpr uint32_t kAttrHidden = 0x02;
inline constexpr uint32_t kAttrSystem = 0x04;
inline constexpr uint32_t kAttrVolumeLabel = 0x08;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

// read-only, hidden, system, volume label, directory, archive, normal, compressed,
// not content indexed: every file the host can report passes.
inline constexpr uint32_t kDefaultSearchAttr = 10431;

inline constexpr uint16_t kMethodStored = 0;
inline constexpr uint16_t kMethodDeflate = 8;
inline constexpr uint16_t kMethodDeflate64 = 9;

// Version 2.0 on host system 0 (MS-DOS names in the OEM code page)...
inline constexpr uint16_t kVersionOem = 20;
// ...or version 2.0 on host system 11 when names are kept in the ANSI code page.
inline constexpr uint16_t kVersionAnsi = 0x0B14;

inline constexpr uint16_t kFlagEncrypted = 0x0001;
inline constexpr uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr uint16_t kFlagUtf8Name = 0x0800;

// Data pass through memory in pieces of this size; no entry is held whole.
inline constexpr size_t kChunkSize = 1048576;

// Sizes and offsets from this value on need Zip64 records.
inline constexpr uint64_t kZip64Threshold = 0xFFFFFFFF;
// A 32-bit size or offset that stands for the value in the Zip64 extra field.
inline constexpr uint32_t kZip64Marker = 0xFFFFFFFF;

}  // namespace zf

// The option group of the component; defaults are the component's own.
struct TZFOptions {
  TZFStorePathMode StorePath = TZFStorePathMode::RelativePath;
  bool Recurse = true;
  TZFFileShareMode ShareMode = TZFFileShareMode::DenyNone;
  bool FlushBuffers = true;
  bool OEMFileNames = true;
  // Extraction only; it starts at the value the system runs with.
  bool SetAttributes = true;
};

}  // namespace pw
