// Field order of every fixed-size zip record, given once for writing and reading.
#include "archive/zip_records.h"

#include <type_traits>

namespace pw {
namespace {

struct WriteFields {
  ByteWriter& out;
  template <typename... Field>
  void operator()(const Field&... fields) const {
    (out.Le(fields), ...);
  }
};

struct ReadFields {
  ByteCursor& in;
  template <typename... Field>
  void operator()(Field&... fields) const {
    ((fields = in.Le<std::remove_cvref_t<Field>>()), ...);
  }
};

template <typename Header, typename Fields>
void LocalHeaderFields(Header& h, Fields fields) {
  fields(h.signature, h.extractVersion, h.genPurposeFlag, h.compMethod, h.lastModTime,
         h.lastModDate, h.crc32, h.compSize, h.unCompSize, h.nameLength, h.extraLength);
}

template <typename Header, typename Fields>
void CentralDirFields(Header& h, Fields fields) {
  fields(h.signature, h.versionMadeBy, h.extractVersion, h.genPurposeFlag, h.compMethod,
         h.lastModTime, h.lastModDate, h.crc32, h.compSize, h.unCompSize, h.nameLength,
         h.extraLength, h.commentLength, h.diskNumberStart, h.internalAttr, h.externalAttr,
         h.relOffsetLH);
}

template <typename Record, typename Fields>
void CentralDirEndFields(Record& e, Fields fields) {
  fields(e.signature, e.diskNumber, e.startDiskNumber, e.entriesOnDisk, e.entriesCentralDir,
         e.centralDirSize, e.offsetStartDir, e.commentLength);
}

template <typename Record, typename Fields>
void Zip64LocatorFields(Record& l, Fields fields) {
  fields(l.signature, l.startDiskNumber, l.offsetStartDirEnd, l.totalNumberOfDisks);
}

template <typename Record, typename Fields>
void Zip64CentralDirEndFields(Record& e, Fields fields) {
  fields(e.signature, e.centralDirEndSize, e.versionMadeBy, e.versionNeededToExtract, e.diskNumber,
         e.startDiskNumber, e.entriesOnDisk, e.entriesCentralDir, e.centralDirSize,
         e.offsetStartDir);
}

}  // namespace

void TZFZipLocalHeader::Write(ByteWriter& out) const {
  LocalHeaderFields(*this, WriteFields{out});
}

TZFZipLocalHeader TZFZipLocalHeader::Read(ByteCursor& in) {
  TZFZipLocalHeader h;
  LocalHeaderFields(h, ReadFields{in});
  return h;
}

void TZFZipCentralDir::Write(ByteWriter& out) const {
  CentralDirFields(*this, WriteFields{out});
}

TZFZipCentralDir TZFZipCentralDir::Read(ByteCursor& in) {
  TZFZipCentralDir h;
  CentralDirFields(h, ReadFields{in});
  return h;
}

void TZFZipCentralDirEnd::Write(ByteWriter& out) const {
  CentralDirEndFields(*this, WriteFields{out});
}

TZFZipCentralDirEnd TZFZipCentralDirEnd::Read(ByteCursor& in) {
  TZFZipCentralDirEnd e;
  CentralDirEndFields(e, ReadFields{in});
  return e;
}

void TZFZip64CentralDirEndLocator::Write(ByteWriter& out) const {
  Zip64LocatorFields(*this, WriteFields{out});
}

TZFZip64CentralDirEndLocator TZFZip64CentralDirEndLocator::Read(ByteCursor& in) {
  TZFZip64CentralDirEndLocator l;
  Zip64LocatorFields(l, ReadFields{in});
  return l;
}

void TZFZip64CentralDirEnd::Write(ByteWriter& out) const {
  Zip64CentralDirEndFields(*this, WriteFields{out});
}

TZFZip64CentralDirEnd TZFZip64CentralDirEnd::Read(ByteCursor& in) {
  TZFZip64CentralDirEnd e;
  Zip64CentralDirEndFields(e, ReadFields{in});
  return e;
}

void TZFExtraFieldDataBlock::Write(ByteWriter& out) const {
  out.U16(headerID);
  out.U16(dataSize);
  out.Bytes(pData);
}

}  // namespace pw
