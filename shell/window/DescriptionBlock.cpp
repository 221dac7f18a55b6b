#include "shell/window/DescriptionBlock.h"

#include <algorithm>
#include <set>

#include "shell/window/ByteStream.h"

namespace batch {
namespace {

constexpr std::uint8_t kMagic[4] = {'B', 'S', 'W', 'D'};
constexpr std::uint32_t kComponentTypes = 4;

// ---- writing

void WriteColour(ByteWriter& out, const Colour& colour) {
  out.U32(static_cast<std::uint32_t>(colour.kind));
  out.U32(colour.value);
}

void WriteFont(ByteWriter& out, const FontSpec& font) {
  out.I32(font.height);
  out.I32(font.weight);
  out.Switches({font.italic, font.underline, font.strikeOut});
  out.String(font.face);
  out.U32(font.charset);
  out.U32(font.quality);
}

void WriteSettings(ByteWriter& out, const WindowSettings& s) {
  out.String(s.caption);
  out.U32(static_cast<std::uint32_t>(s.frame));
  out.Switches({s.systemMenu, s.minimiseButton, s.maximiseButton, s.movable, s.taskBarButton,
                s.alwaysOnTop, s.escCloses});
  WriteColour(out, s.background);
  out.U32(static_cast<std::uint32_t>(s.placement));
  out.U32(static_cast<std::uint32_t>(s.showState));
  out.String(s.icon);
}

void WriteSettings(ByteWriter& out, const LabelSettings& s) {
  out.String(s.caption);
  WriteFont(out, s.font);
  WriteColour(out, s.text);
  WriteColour(out, s.background);
  out.U32(static_cast<std::uint32_t>(s.align));
  out.U32(static_cast<std::uint32_t>(s.lines));
  out.U32(s.border ? 1 : 0);
}

void WriteSettings(ByteWriter& out, const EditBoxSettings& s) {
  out.String(s.text);
  out.Switches({s.clientEdge, s.hasFont, s.multiLine, s.scrollsHorizontally, s.scrollBars,
                s.readOnly, s.password, s.upperCase, s.lowerCase, s.upDown, s.hideSelection});
  WriteColour(out, s.textColour);
  WriteColour(out, s.background);
  WriteFont(out, s.font);
  out.U32(static_cast<std::uint32_t>(s.align));
  out.I32(s.maxBytes);
}

void WriteSettings(ByteWriter& out, const RawSettings& s) {
  out.Out().insert(out.Out().end(), s.bytes.begin(), s.bytes.end());
}

void WriteEntry(ByteWriter& out, const ComponentEntry& e) {
  out.I32(e.id);
  out.U32(static_cast<std::uint32_t>(e.Type()));
  out.String(e.name);
  out.String(e.comment);
  out.String(e.tag);
  for (std::int32_t v : {e.place.left, e.place.top, e.place.width, e.place.height}) out.I32(v);
  out.Switches({e.visible, e.disabled, e.takesFocus});
  out.I32(e.tabOrder);
  out.I32(e.mousePointer);
  out.U32(static_cast<std::uint32_t>(e.events.size()));
  for (const EventBinding& binding : e.events) {
    out.I32(binding.event);
    out.String(binding.handler);
  }
  ByteWriter record;
  std::visit([&](const auto& settings) { WriteSettings(record, settings); }, e.settings);
  out.Bytes(record.Out());
}

// ---- reading

Colour ReadColour(ByteReader& in) {
  Colour colour;
  colour.kind = static_cast<Colour::Kind>(in.Below(2));
  colour.value = in.U32();
  if (colour.kind == Colour::Kind::Rgb && colour.value > 0xFFFFFF) in.Fail();
  return colour;
}

FontSpec ReadFont(ByteReader& in) {
  FontSpec font;
  font.height = in.I32();
  font.weight = in.I32();
  in.Switches({&font.italic, &font.underline, &font.strikeOut});
  font.face = in.String();
  font.charset = in.Below(256);
  font.quality = in.Below(7);
  return font;
}

template <class Enum>
Enum ReadEnum(ByteReader& in, Enum last) {
  return static_cast<Enum>(in.Below(static_cast<std::uint32_t>(last) + 1));
}

TypeSettings ReadWindowSettings(ByteReader& in) {
  WindowSettings s;
  s.caption = in.String();
  s.frame = ReadEnum(in, FrameStyle::Sizable);
  in.Switches({&s.systemMenu, &s.minimiseButton, &s.maximiseButton, &s.movable, &s.taskBarButton,
               &s.alwaysOnTop, &s.escCloses});
  s.background = ReadColour(in);
  s.placement = ReadEnum(in, StartPlacement::ScreenCentre);
  s.showState = ReadEnum(in, ShowState::Maximised);
  s.icon = in.String();
  return s;
}

TypeSettings ReadLabelSettings(ByteReader& in) {
  LabelSettings s;
  s.caption = in.String();
  s.font = ReadFont(in);
  s.text = ReadColour(in);
  s.background = ReadColour(in);
  s.align = ReadEnum(in, HorizontalAlign::Right);
  s.lines = ReadEnum(in, LineBreaking::WordWrapFromTop);
  s.border = in.Below(2) == 1;
  return s;
}

TypeSettings ReadEditBoxSettings(ByteReader& in) {
  EditBoxSettings s;
  s.text = in.String();
  in.Switches({&s.clientEdge, &s.hasFont, &s.multiLine, &s.scrollsHorizontally, &s.scrollBars,
               &s.readOnly, &s.password, &s.upperCase, &s.lowerCase, &s.upDown, &s.hideSelection});
  s.textColour = ReadColour(in);
  s.background = ReadColour(in);
  s.font = ReadFont(in);
  s.align = ReadEnum(in, HorizontalAlign::Right);
  s.maxBytes = in.I32();
  if (s.maxBytes < 0) in.Fail();
  return s;
}

TypeSettings ReadSettings(ComponentType type, std::span<const std::uint8_t> record, bool& ok) {
  ByteReader in(record);
  TypeSettings settings;
  switch (type) {
    case ComponentType::Window: settings = ReadWindowSettings(in); break;
    case ComponentType::Label: settings = ReadLabelSettings(in); break;
    case ComponentType::EditBox: settings = ReadEditBoxSettings(in); break;
    case ComponentType::DropTarget:
      return RawSettings{{record.begin(), record.end()}};
  }
  ok = ok && in.AtEnd();
  return settings;
}

ComponentEntry ReadEntry(ByteReader& in) {
  ComponentEntry e;
  e.id = in.I32();
  const auto type = static_cast<ComponentType>(in.Below(kComponentTypes));
  e.name = in.String();
  e.comment = in.String();
  e.tag = in.String();
  e.place = {in.I32(), in.I32(), in.I32(), in.I32()};
  in.Switches({&e.visible, &e.disabled, &e.takesFocus});
  e.tabOrder = in.I32();
  e.mousePointer = in.I32();

  const std::uint32_t bindings = in.U32();
  std::set<std::int32_t> events;
  for (std::uint32_t i = 0; i < bindings && in.Ok(); ++i) {
    EventBinding binding{in.I32(), in.String()};
    if (binding.event < 0 || binding.handler.empty() || !events.insert(binding.event).second) in.Fail();
    e.events.push_back(std::move(binding));
  }

  const std::uint32_t size = in.U32();
  const auto record = in.Bytes(size);
  bool ok = in.Ok();
  if (ok) e.settings = ReadSettings(type, record, ok);
  if (!ok || e.id == 0 || e.place.width < 0 || e.place.height < 0) in.Fail();
  return e;
}

}  // namespace

std::vector<std::uint8_t> EncodeDescriptions(std::span<const WindowDescription> windows) {
  ByteWriter out;
  out.Out().assign(std::begin(kMagic), std::end(kMagic));
  out.U32(kDescriptionLayoutVersion);
  out.U32(0);  // the size, filled in below
  out.U32(static_cast<std::uint32_t>(windows.size()));
  for (const WindowDescription& window : windows) {
    out.U32(static_cast<std::uint32_t>(window.entries.size()));
    for (const ComponentEntry& entry : window.entries) WriteEntry(out, entry);
  }
  std::vector<std::uint8_t> block = std::move(out.Out());
  ByteWriter size;
  size.U32(static_cast<std::uint32_t>(block.size()));
  std::copy(size.Out().begin(), size.Out().end(), block.begin() + 8);
  return block;
}

std::optional<std::vector<WindowDescription>> ReadDescriptions(std::span<const std::uint8_t> block) {
  ByteReader in(block);
  const auto magic = in.Bytes(4);
  if (!in.Ok() || !std::equal(magic.begin(), magic.end(), std::begin(kMagic))) return std::nullopt;
  if (in.U32() != kDescriptionLayoutVersion || in.U32() != block.size()) return std::nullopt;

  const std::uint32_t windowCount = in.U32();
  if (windowCount == 0) in.Fail();
  std::vector<WindowDescription> windows;
  std::set<ComponentId> ids;
  for (std::uint32_t w = 0; w < windowCount && in.Ok(); ++w) {
    const std::uint32_t entryCount = in.U32();
    if (entryCount == 0) in.Fail();
    WindowDescription& window = windows.emplace_back();
    for (std::uint32_t i = 0; i < entryCount && in.Ok(); ++i) {
      ComponentEntry entry = ReadEntry(in);
      const bool isWindow = entry.Type() == ComponentType::Window;
      if (isWindow != (i == 0) || !ids.insert(entry.id).second) in.Fail();
      window.entries.push_back(std::move(entry));
    }
  }
  if (!in.AtEnd()) return std::nullopt;
  return windows;
}

}  // namespace batch
