#include "platform/win32/OleDraggedData.h"

#include <cstring>

namespace batch {
namespace {

FORMATETC WholeBlockOf(CLIPFORMAT format) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The bytes of a global block up to its first zero byte or its end.
Text TextOfBlock(HGLOBAL block) {
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  if (bytes == nullptr) return {};
  const std::size_t size = GlobalSize(block);
  const void* zero = std::memchr(bytes, 0, size);
  const std::size_t length = zero != nullptr ? static_cast<const char*>(zero) - bytes : size;
  Text text = Text::FromBytes(std::string_view(bytes, length));
  GlobalUnlock(block);
  return text;
}

}  // namespace

CLIPFORMAT DropFormats::Of(DropKind kind) const {
  switch (kind) {
    case DropKind::Text: return text;
    case DropKind::Html: return html;
    case DropKind::Url: return url;
    case DropKind::Files: return files;
  }
  return 0;
}

DropFormats RegisterDropFormats() {
  return DropFormats{CF_TEXT, static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format")),
                     static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator")),
                     CF_HDROP};
}

bool OleDraggedData::Offers(DropKind kind) {
  FORMATETC format = WholeBlockOf(formats_.Of(kind));
  return data_->QueryGetData(&format) == S_OK;
}

// Delivered only as asked: a source that answers with another kind of medium
// is not read, as its handle would not be a memory block.
bool OleDraggedData::GetWholeBlock(CLIPFORMAT clipFormat, STGMEDIUM& medium) {
  FORMATETC format = WholeBlockOf(clipFormat);
  if (FAILED(data_->GetData(&format, &medium))) return false;
  if (medium.tymed == TYMED_HGLOBAL) return true;
  ReleaseStgMedium(&medium);
  return false;
}

std::optional<Text> OleDraggedData::ReadText(DropKind kind) {
  STGMEDIUM medium{};
  if (!GetWholeBlock(formats_.Of(kind), medium)) return std::nullopt;
  Text text = TextOfBlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return text;
}

std::optional<std::vector<Text>> OleDraggedData::ReadFileList() {
  STGMEDIUM medium{};
  if (!GetWholeBlock(formats_.files, medium)) return std::nullopt;
  std::vector<Text> paths = ReadDroppedPaths(static_cast<HDROP>(medium.hGlobal));
  ReleaseStgMedium(&medium);
  return paths;
}

std::vector<Text> ReadDroppedPaths(HDROP list) {
  const UINT count = DragQueryFileA(list, 0xFFFFFFFF, nullptr, 0);
  std::vector<Text> paths;
  paths.reserve(count);
  for (UINT index = 0; index < count; ++index) {
    const UINT length = DragQueryFileA(list, index, nullptr, 0);
    paths.push_back(Text::Build(ClaimTextLength(length), [&](char* buffer) {
      DragQueryFileA(list, index, buffer, length + 1);
    }));
  }
  return paths;
}

}  // namespace batch
