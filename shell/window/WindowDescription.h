#pragma once
// The fixed design data of a program window: one entry for the window itself
// followed by one entry per control, in stored order (topmost first). Each
// entry carries its place, flags, event bindings and the settings of its type.
// Nothing here changes while the program runs.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace batch {

using ComponentId = std::int32_t;  // 0 names nothing

enum class ComponentType : std::uint32_t { Window = 0, Label = 1, EditBox = 2, DropTarget = 3 };

// Event numbers by which a description binds handlers. A window raises
// Created in the middle of its build, then two later build notifications.
inline constexpr std::int32_t kCreatedEvent = 0;
inline constexpr std::int32_t kLaterBuildEvents[] = {1, 2};
inline constexpr std::int32_t kGotFileEvent = 3;  // of a drop target

// A colour as stored: either a system colour slot or a fixed RGB value.
struct Colour {
  enum class Kind : std::uint32_t { Rgb = 0, System = 1 };
  Kind kind = Kind::Rgb;
  std::uint32_t value = 0;  // 0x00BBGGRR for Rgb, the slot number for System

  static constexpr Colour FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {Kind::Rgb, std::uint32_t{r} | std::uint32_t{g} << 8 | std::uint32_t{b} << 16};
  }
  friend bool operator==(const Colour&, const Colour&) = default;
};

// System colour slots, numbered as the Windows system colours are.
inline constexpr Colour kButtonFaceColour{Colour::Kind::System, 15};
inline constexpr Colour kBlack = Colour::FromRgb(0, 0, 0);
inline constexpr Colour kWhite = Colour::FromRgb(255, 255, 255);

struct Rect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct FontSpec {
  std::int32_t height = 0;  // negative: character height without internal leading
  std::int32_t weight = 400;
  bool italic = false, underline = false, strikeOut = false;
  std::string face;         // empty: the platform's default face
  std::uint32_t charset = 1;  // 1: the system's default character set
  std::uint32_t quality = 2;  // 2: proof quality
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class FrameStyle : std::uint32_t { None = 0, Fixed = 1, Sizable = 2 };
enum class StartPlacement : std::uint32_t { AsStored = 0, ScreenCentre = 1 };
enum class ShowState : std::uint32_t { Normal = 0, Minimised = 1, Maximised = 2 };
enum class HorizontalAlign : std::uint32_t { Left = 0, Centre = 1, Right = 2 };
enum class LineBreaking : std::uint32_t { SingleLineCentred = 0, WordWrapFromTop = 1 };

struct WindowSettings {
  std::string caption;
  FrameStyle frame = FrameStyle::Fixed;
  bool systemMenu = true, minimiseButton = false, maximiseButton = false;
  bool movable = true, taskBarButton = true, alwaysOnTop = false, escCloses = true;
  Colour background = kButtonFaceColour;
  StartPlacement placement = StartPlacement::ScreenCentre;
  ShowState showState = ShowState::Normal;
  std::string icon;  // the name of the program's icon image set
  friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

struct LabelSettings {
  std::string caption;
  FontSpec font;
  Colour text = kBlack, background = kButtonFaceColour;
  HorizontalAlign align = HorizontalAlign::Left;
  LineBreaking lines = LineBreaking::SingleLineCentred;
  bool border = false;
  friend bool operator==(const LabelSettings&, const LabelSettings&) = default;
};

struct EditBoxSettings {
  std::string text;
  bool clientEdge = true;
  Colour textColour = kBlack, background = kWhite;
  bool hasFont = false;  // false: the system's default user-interface font
  FontSpec font;
  bool multiLine = false, scrollsHorizontally = true, scrollBars = false;
  HorizontalAlign align = HorizontalAlign::Left;
  bool readOnly = false, password = false, upperCase = false, lowerCase = false, upDown = false;
  std::int32_t maxBytes = 0;  // 0: no limit
  bool hideSelection = true;
  friend bool operator==(const EditBoxSettings&, const EditBoxSettings&) = default;
};

// A type whose settings this shell does not interpret: the raw record, read
// by whoever creates that type of component.
struct RawSettings {
  std::vector<std::uint8_t> bytes;
  friend bool operator==(const RawSettings&, const RawSettings&) = default;
};

// Indexed like ComponentType.
using TypeSettings = std::variant<WindowSettings, LabelSettings, EditBoxSettings, RawSettings>;

struct EventBinding {
  std::int32_t event = 0;
  std::string handler;  // the name under which the program registers the handler
  friend bool operator==(const EventBinding&, const EventBinding&) = default;
};

struct ComponentEntry {
  ComponentId id = 0;
  std::string name, comment, tag;
  Rect place;
  bool visible = false, disabled = false, takesFocus = false;
  std::int32_t tabOrder = 0;
  std::int32_t mousePointer = 0;  // 0: the default pointer of its kind
  std::vector<EventBinding> events;
  TypeSettings settings;

  ComponentType Type() const { return static_cast<ComponentType>(settings.index()); }
  // The handler bound to `event`, or nullptr.
  const std::string* HandlerFor(std::int32_t event) const;
  friend bool operator==(const ComponentEntry&, const ComponentEntry&) = default;
};

// entries[0] is the window itself; the controls follow in stored order.
struct WindowDescription {
  std::vector<ComponentEntry> entries;

  const ComponentEntry& Window() const { return entries.front(); }
  ComponentId Id() const { return Window().id; }
  const WindowSettings& Settings() const { return std::get<WindowSettings>(Window().settings); }
  // The entry with that identifier, or nullptr.
  const ComponentEntry* Find(ComponentId id) const;
  friend bool operator==(const WindowDescription&, const WindowDescription&) = default;
};

}  // namespace batch
