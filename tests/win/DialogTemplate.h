#pragma once
// Reads a dialog template from the test program's own resources (the same
// .rc as the product's), so a test can hold it against the intended layout.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

struct TemplateItem {
  DWORD Style = 0, ExStyle = 0;
  short X = 0, Y = 0, Cx = 0, Cy = 0;
  int Id = 0;
  std::wstring Class;   // "Button", "Edit", "Static" for the predefined atoms
  std::wstring Text;
};

struct DialogTemplate {
  bool Found = false;
  bool Extended = false;
  DWORD Style = 0, ExStyle = 0;
  short X = 0, Y = 0, Cx = 0, Cy = 0;
  std::wstring Title;
  WORD PointSize = 0, Weight = 0;
  BYTE Italic = 0, Charset = 0;
  std::wstring Face;
  std::vector<TemplateItem> Items;
};

namespace template_detail {

class Reader {
public:
  explicit Reader(const BYTE* p) : start_(p), p_(p) {}
  WORD Word() { WORD v; memcpy(&v, p_, 2); p_ += 2; return v; }
  DWORD Dword() { DWORD v; memcpy(&v, p_, 4); p_ += 4; return v; }
  short Short() { return short(Word()); }
  BYTE Byte() { return *p_++; }
  std::wstring Text() {
    std::wstring s;
    for (WORD c = Word(); c != 0; c = Word()) s += wchar_t(c);
    return s;
  }
  // A name or an ordinal: 0 for none, 0xFFFF and a number, or a text.
  std::wstring NameOrOrdinal(bool isClass) {
    WORD first = Word();
    if (first == 0) return L"";
    if (first == 0xFFFF) {
      WORD ordinal = Word();
      if (isClass) {
        switch (ordinal) {
          case 0x80: return L"Button";
          case 0x81: return L"Edit";
          case 0x82: return L"Static";
          case 0x83: return L"ListBox";
          case 0x84: return L"ScrollBar";
          case 0x85: return L"ComboBox";
        }
      }
      return L"#" + std::to_wstring(ordinal);
    }
    p_ -= 2;
    return Text();
  }
  void AlignDword() { while ((p_ - start_) % 4) ++p_; }
  void Skip(size_t n) { p_ += n; }

private:
  const BYTE* start_;
  const BYTE* p_;
};

}  // namespace template_detail

// Template `name` in `language` (the Japanese one unless told).
inline DialogTemplate ReadDialogTemplate(const char* name, LANGID language = 0x0411) {
  DialogTemplate t;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(5), name, language);  // RT_DIALOG
  if (!found) return t;
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  template_detail::Reader r(data);
  t.Found = true;
  WORD count = 0;
  if (r.Word() == 1 && r.Word() == 0xFFFF) {
    t.Extended = true;
    r.Dword();  // help id
    t.ExStyle = r.Dword();
    t.Style = r.Dword();
  } else {
    r = template_detail::Reader(data);
    t.Style = r.Dword();
    t.ExStyle = r.Dword();
  }
  count = r.Word();
  t.X = r.Short(); t.Y = r.Short(); t.Cx = r.Short(); t.Cy = r.Short();
  r.NameOrOrdinal(false);  // menu
  r.NameOrOrdinal(false);  // class
  t.Title = r.Text();
  if (t.Style & DS_SETFONT) {
    t.PointSize = r.Word();
    if (t.Extended) {
      t.Weight = r.Word();
      t.Italic = r.Byte();
      t.Charset = r.Byte();
    }
    t.Face = r.Text();
  }
  for (WORD i = 0; i < count; ++i) {
    r.AlignDword();
    TemplateItem item;
    if (t.Extended) {
      r.Dword();  // help id
      item.ExStyle = r.Dword();
      item.Style = r.Dword();
    } else {
      item.Style = r.Dword();
      item.ExStyle = r.Dword();
    }
    item.X = r.Short(); item.Y = r.Short(); item.Cx = r.Short(); item.Cy = r.Short();
    item.Id = t.Extended ? int(LONG(r.Dword())) : int(short(r.Word()));
    item.Class = r.NameOrOrdinal(true);
    item.Text = r.NameOrOrdinal(false);
    r.Skip(r.Word());  // creation data
    t.Items.push_back(item);
  }
  return t;
}

// --- what a test holds a template against ------------------------------------------

// The same place and size, in dialog units, of a dialog or a control.
template <class Got, class Want>
void ExpectPlaced(const Got& got, const Want& want) {
  EXPECT_EQ(got.X, want.X);
  EXPECT_EQ(got.Y, want.Y);
  EXPECT_EQ(got.Cx, want.Cx);
  EXPECT_EQ(got.Cy, want.Cy);
}

// The dialog's own box: where it stands, its title and its font.
struct ExpectedDialog {
  bool Extended;
  DWORD Style;
  short X, Y, Cx, Cy;
  const wchar_t* Title;
  WORD PointSize;
  const wchar_t* Face;
};

inline void ExpectDialog(const DialogTemplate& t, const ExpectedDialog& want) {
  EXPECT_EQ(t.Extended, want.Extended);
  EXPECT_EQ(t.Style, want.Style);
  ExpectPlaced(t, want);
  EXPECT_EQ(t.Title, want.Title);
  EXPECT_EQ(t.PointSize, want.PointSize);
  EXPECT_EQ(t.Face, want.Face);
}

// One control, in the template's order.
struct ExpectedItem {
  int Id;
  const wchar_t* Class;
  DWORD Style;   // besides the styles that every control of the dialog has
  DWORD ExStyle;
  short X, Y, Cx, Cy;
  const wchar_t* Text;
};

inline void ExpectItems(const DialogTemplate& t, const std::vector<ExpectedItem>& expected,
                        DWORD everyControlsStyle) {
  ASSERT_EQ(t.Items.size(), expected.size());
  for (size_t i = 0; i < t.Items.size(); ++i) {
    const TemplateItem& got = t.Items[i];
    const ExpectedItem& want = expected[i];
    SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(want.Id));
    EXPECT_EQ(got.Id, want.Id);
    EXPECT_EQ(_wcsicmp(got.Class.c_str(), want.Class), 0)  // class names ignore case
        << std::string(got.Class.begin(), got.Class.end());
    EXPECT_EQ(got.Style, want.Style | everyControlsStyle);
    EXPECT_EQ(got.ExStyle, want.ExStyle);
    ExpectPlaced(got, want);
    EXPECT_EQ(got.Text, want.Text);
  }
}
