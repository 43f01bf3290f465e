// Field order of every fixed-size zip record.
#include "archive/zip_records.h"

namespace pw {

void TZFZipLocalHeader::Write(ByteWriter& out) const {
  out.U32(signature);
  out.U16(extractVersion);
  out.U16(genPurposeFlag);
  out.U16(compMethod);
  out.U16(lastModTime);
  out.U16(lastModDate);
  out.U32(crc32);
  out.U32(compSize);
  out.U32(unCompSize);
  out.U16(nameLength);
  out.U16(extraLength);
}

TZFZipLocalHeader TZFZipLocalHeader::Read(ByteCursor& in) {
  TZFZipLocalHeader h;
  h.signature = in.U32();
  h.extractVersion = in.U16();
  h.genPurposeFlag = in.U16();
  h.compMethod = in.U16();
  h.lastModTime = in.U16();
  h.lastModDate = in.U16();
  h.crc32 = in.U32();
  h.compSize = in.U32();
  h.unCompSize = in.U32();
  h.nameLength = in.U16();
  h.extraLength = in.U16();
  return h;
}

void TZFZipCentralDir::Write(ByteWriter& out) const {
  out.U32(signature);
  out.U16(versionMadeBy);
  out.U16(extractVersion);
  out.U16(genPurposeFlag);
  out.U16(compMethod);
  out.U16(lastModTime);
  out.U16(lastModDate);
  out.U32(crc32);
  out.U32(compSize);
  out.U32(unCompSize);
  out.U16(nameLength);
  out.U16(extraLength);
  out.U16(commentLength);
  out.U16(diskNumberStart);
  out.U16(internalAttr);
  out.U32(externalAttr);
  out.U32(relOffsetLH);
}

TZFZipCentralDir TZFZipCentralDir::Read(ByteCursor& in) {
  TZFZipCentralDir h;
  h.signature = in.U32();
  h.versionMadeBy = in.U16();
  h.extractVersion = in.U16();
  h.genPurposeFlag = in.U16();
  h.compMethod = in.U16();
  h.lastModTime = in.U16();
  h.lastModDate = in.U16();
  h.crc32 = in.U32();
  h.compSize = in.U32();
  h.unCompSize = in.U32();
  h.nameLength = in.U16();
  h.extraLength = in.U16();
  h.commentLength = in.U16();
  h.diskNumberStart = in.U16();
  h.internalAttr = in.U16();
  h.externalAttr = in.U32();
  h.relOffsetLH = in.U32();
  return h;
}

void TZFZipCentralDirEnd::Write(ByteWriter& out) const {
  out.U32(signature);
  out.U16(diskNumber);
  out.U16(startDiskNumber);
  out.U16(entriesOnDisk);
  out.U16(entriesCentralDir);
  out.U32(centralDirSize);
  out.U32(offsetStartDir);
  out.U16(commentLength);
}

TZFZipCentralDirEnd TZFZipCentralDirEnd::Read(ByteCursor& in) {
  TZFZipCentralDirEnd e;
  e.signature = in.U32();
  e.diskNumber = in.U16();
  e.startDiskNumber = in.U16();
  e.entriesOnDisk = in.U16();
  e.entriesCentralDir = in.U16();
  e.centralDirSize = in.U32();
  e.offsetStartDir = in.U32();
  e.commentLength = in.U16();
  return e;
}

void TZFZip64CentralDirEndLocator::Write(ByteWriter& out) const {
  out.U32(signature);
  out.U32(startDiskNumber);
  out.U64(offsetStartDirEnd);
  out.U32(totalNumberOfDisks);
}

TZFZip64CentralDirEndLocator TZFZip64CentralDirEndLocator::Read(ByteCursor& in) {
  TZFZip64CentralDirEndLocator l;
  l.signature = in.U32();
  l.startDiskNumber = in.U32();
  l.offsetStartDirEnd = in.U64();
  l.totalNumberOfDisks = in.U32();
  return l;
}

void TZFZip64CentralDirEnd::Write(ByteWriter& out) const {
  out.U32(signature);
  out.U64(centralDirEndSize);
  out.U16(versionMadeBy);
  out.U16(versionNeededToExtract);
  out.U32(diskNumber);
  out.U32(startDiskNumber);
  out.U64(entriesOnDisk);
  out.U64(entriesCentralDir);
  out.U64(centralDirSize);
  out.U64(offsetStartDir);
}

TZFZip64CentralDirEnd TZFZip64CentralDirEnd::Read(ByteCursor& in) {
  TZFZip64CentralDirEnd e;
  e.signature = in.U32();
  e.centralDirEndSize = in.U64();
  e.versionMadeBy = in.U16();
  e.versionNeededToExtract = in.U16();
  e.diskNumber = in.U32();
  e.startDiskNumber = in.U32();
  e.entriesOnDisk = in.U64();
  e.entriesCentralDir = in.U64();
  e.centralDirSize = in.U64();
  e.offsetStartDir = in.U64();
  return e;
}

void TZFExtraFieldDataBlock::Write(ByteWriter& out) const {
  out.U16(headerID);
  out.U16(dataSize);
  out.Bytes(pData);
}

}  // namespace pw
