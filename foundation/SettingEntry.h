#pragma once
// The shape of one entry of the settings table (foundation/SettingsTable.h): where a value lives in
// the settings file, what a missing key gives, and for a number the range that the code using it
// can take. The makers check at compile time that a default lies inside its range.

// A number (a flag, a choice, a size, a colour): read back clamped to [min, max].
struct IntSetting {
  const char* section;
  const char* key;
  int def;
  int min;
  int max;
};

// A number whose default the caller works out at run time (a window's own size, another key).
struct IntKey {
  const char* section;
  const char* key;
  int min;
  int max;
};

// The key of an entry without its default, where a list holds entries of both kinds.
constexpr IntKey AsKey(const IntSetting& entry) { return {entry.section, entry.key, entry.min, entry.max}; }

// A string; a missing key gives def exactly as it stands, trailing blanks included.
struct TextSetting {
  const char* section;
  const char* key;
  const char* def;
};

// A string whose default the caller works out at run time.
struct TextKey {
  const char* section;
  const char* key;
};

// A family of keys told apart by a number: entry.key is a printf format of that one number
// ("Custom%d", "name%02d").
template <typename Entry>
struct NumberedSetting {
  Entry entry;
};

consteval IntSetting MakeInt(const char* section, const char* key, int def, int min, int max) {
  if (min > max || def < min || def > max) throw "the default lies outside the range";
  return {section, key, def, min, max};
}

// On (1) or off (0).
consteval IntSetting MakeFlag(const char* section, const char* key, int def) {
  return MakeInt(section, key, def, 0, 1);
}

// An index into a list of count choices.
consteval IntSetting MakeChoice(const char* section, const char* key, int def, int count) {
  return MakeInt(section, key, def, 0, count - 1);
}

// A colour as the settings file keeps it: 0x00BBGGRR.
consteval IntSetting MakeColour(const char* section, const char* key, int def) {
  return MakeInt(section, key, def, 0, 0xFFFFFF);
}

consteval IntKey MakeIntByCaller(const char* section, const char* key, int min, int max) {
  if (min > max) throw "an empty range";
  return {section, key, min, max};
}

consteval TextSetting MakeText(const char* section, const char* key, const char* def) { return {section, key, def}; }

consteval TextKey MakeTextByCaller(const char* section, const char* key) { return {section, key}; }

template <typename Entry>
consteval NumberedSetting<Entry> MakeNumbered(Entry entry) {
  return {entry};
}
