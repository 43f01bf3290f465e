// Enumerations, settings and fixed numbers shared by the archive's writing and reading sides.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pw {

enum TZFCompressionLevel { clNone, clFastest, clNormal, clMax };
enum TZFStorePathMode { spNoPath, spRelativePath, spFullPath, spFullPathWithDrive };
enum TZFOverwriteMode { omPrompt, omAlways, omNever, omIfNewer, omIfOlder };
enum TZFFileShareMode {
  smShareCompat,
  smShareExclusive,
  smShareDenyWrite,
  smShareDenyRead,
  smShareDenyNone
};
enum TZip64Mode { zmDisabled, zmAuto, zmAlways };
enum TZFSpanningMode { smNone, smSpanning, smSplitting };
enum TZFCryptoAlgorithm { caPkzipClassic, caAES_128, caAES_192, caAES_256 };
enum TZFProcessOperation {
  poAdd,
  poMove,
  poDelete,
  poUpdate,
  poExtract,
  poTest,
  poRename,
  poChangeAttr,
  poChangeComment,
  poMakeSFX,
  poMerge
};
enum TZFAction { fxaRetry, fxaIgnore, fxaAbort };

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
  TZFStorePathMode StorePath = spRelativePath;
  bool Recurse = true;
  TZFOverwriteMode OverwriteMode = omAlways;
  TZFFileShareMode ShareMode = smShareDenyNone;
  uint32_t SearchAttr = zf::kDefaultSearchAttr;
  bool FlushBuffers = true;
  bool OEMFileNames = true;
  // Extraction only; these start at the values the system runs with.
  bool CreateDirs = false;
  bool ReplaceReadOnly = true;
  bool SetAttributes = true;
};

}  // namespace pw
