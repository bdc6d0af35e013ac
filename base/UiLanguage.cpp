#include "base/UiLanguage.h"
#include "base/rules/TextLanguage.h"

static LANGID Chosen;   // 0 until the first text is asked for

static const wchar_t* const kStrings = MAKEINTRESOURCEW(6);   // RT_STRING
static const wchar_t* const kDialogs = MAKEINTRESOURCEW(5);   // RT_DIALOG

// The string table's block that holds text `id`: sixteen texts to a block.
static const wchar_t* BlockOf(UINT id) { return MAKEINTRESOURCEW(id / 16 + 1); }

// The languages that hold texts: those of any block of the string table.
struct HeldLanguages {
  uint16_t Ids[16];
  int Count;
};

static BOOL CALLBACK NoteLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
  HeldLanguages& held = *reinterpret_cast<HeldLanguages*>(param);
  for (int i = 0; i < held.Count; ++i)
    if (held.Ids[i] == language) return TRUE;
  if (held.Count < 16) held.Ids[held.Count++] = language;
  return TRUE;
}

static BOOL CALLBACK NoteBlock(HMODULE module, LPCWSTR type, LPWSTR block, LONG_PTR param) {
  EnumResourceLanguagesW(module, type, block, NoteLanguage, param);
  return TRUE;
}

void ChooseUiLanguage(LANGID uiLanguage) {
  HeldLanguages held = {};
  EnumResourceNamesW(GetModuleHandleW(nullptr), kStrings, NoteBlock, reinterpret_cast<LONG_PTR>(&held));
  Chosen = TextLanguageFor(uiLanguage, held.Ids, held.Count);
}

LANGID UiLanguageId() {
  if (Chosen == 0) ChooseUiLanguage(GetUserDefaultUILanguage());
  return Chosen;
}

// Resource `name` of `type` in `language`, its size in *size; null where
// the language lacks it.
static const void* Find(HMODULE module, const wchar_t* type, const wchar_t* name, LANGID language,
                        DWORD* size) {
  HRSRC found = FindResourceExW(module, type, name, language);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  *size = loaded ? SizeofResource(module, found) : 0;
  return loaded ? LockResource(loaded) : nullptr;
}

// Text `id` of `block` (`units` long), or null: a block holds sixteen texts,
// each its length and then its units, and the program's end in a 0.
static const wchar_t* TextIn(const wchar_t* block, DWORD units, UINT id) {
  const wchar_t* entry = block;
  const wchar_t* end = block + units;
  for (UINT skip = id % 16; skip > 0 && entry < end; --skip) entry += 1 + *entry;
  if (entry >= end || *entry == 0 || entry + 1 + *entry > end) return nullptr;
  return entry[*entry] == 0 ? entry + 1 : nullptr;
}

const wchar_t* UiText(UINT id) {
  const LANGID languages[2] = {UiLanguageId(), kEnglishTexts};
  for (LANGID language : languages) {
    DWORD size = 0;
    auto block = static_cast<const wchar_t*>(Find(GetModuleHandleW(nullptr), kStrings, BlockOf(id), language, &size));
    if (const wchar_t* text = block ? TextIn(block, size / sizeof(wchar_t), id) : nullptr)
      return text;
  }
  return L"";
}

void UiFilter(UINT id, wchar_t* out, int units) {
  if (units < 2) return;
  lstrcpynW(out, UiText(id), units - 1);
  out[units - 1] = 0;   // the list's last terminator even when the text is cut
  for (int i = 0; out[i]; ++i)
    if (out[i] == L'|') out[i] = 0;
}

const DLGTEMPLATE* UiDialog(HINSTANCE module, const wchar_t* name) {
  DWORD size = 0;
  const void* found = Find(module, kDialogs, name, UiLanguageId(), &size);
  if (!found) found = Find(module, kDialogs, name, kEnglishTexts, &size);
  return static_cast<const DLGTEMPLATE*>(found);
}

INT_PTR UiDialogBox(HINSTANCE module, const wchar_t* name, HWND owner, DLGPROC procedure,
                    LPARAM parameter) {
  const DLGTEMPLATE* dialog = UiDialog(module, name);
  return dialog ? DialogBoxIndirectParamW(module, dialog, owner, procedure, parameter) : -1;
}

BYTE UiCharset() {
  // The Japanese face is asked for in its own character set, as its
  // dialogs are; any other language's face in the set the system gives it.
  return PRIMARYLANGID(UiLanguageId()) == LANG_JAPANESE ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
}
