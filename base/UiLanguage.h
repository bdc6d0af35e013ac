#pragma once
#include <windows.h>

// The language the program speaks: chosen once, at the first text asked
// for, from the user's UI language, among the languages whose texts the
// program's resources hold. Every text a window of the program shows, and
// every dialog template, comes from here.

// Chooses the language for a user whose UI language is `uiLanguage`; the
// program itself never calls it, and takes GetUserDefaultUILanguage.
void ChooseUiLanguage(LANGID uiLanguage);

// The language chosen.
LANGID UiLanguageId();

// Text `id` of the string table, in the chosen language (in English where
// that language lacks it); "" where there is none. It lies in the
// resources, which hold its terminator, for as long as the program runs.
const wchar_t* UiText(UINT id);

// A file dialog's filter from text `id`, whose parts stand between '|'s:
// the parts each with its terminator and one more at the end, as the
// dialog reads them, in `units` units at most.
void UiFilter(UINT id, wchar_t* out, int units);

// Dialog template `name` of `module` in the chosen language (in English
// where that language lacks it); null where there is none.
const DLGTEMPLATE* UiDialog(HINSTANCE module, const wchar_t* name);

// DialogBoxIndirectParamW on that template: what the dialog ended with, or
// -1 when it could not be shown, a missing template included.
INT_PTR UiDialogBox(HINSTANCE module, const wchar_t* name, HWND owner, DLGPROC procedure,
                    LPARAM parameter);

// The character set of the chosen language's texts, for a font that is to
// show them.
BYTE UiCharset();
