#include "ui/win32/skin_art.h"

#include "ui/win32/owners.h"
#include "ui/win32/resource_ids.h"

namespace quellorn::ui::win32 {

namespace {

struct ImageResource {
  SkinPart part;
  int id;
};

constexpr ImageResource kImages[] = {
    {SkinPart::kTitleLeft, QUELLORN_TITLE_LEFT},
    {SkinPart::kTitleMain, QUELLORN_TITLE_MAIN},
    {SkinPart::kTitleRight, QUELLORN_TITLE_RIGHT},
    {SkinPart::kWindowLeft, QUELLORN_WINDOW_LEFT},
    {SkinPart::kWindowRight, QUELLORN_WINDOW_RIGHT},
    {SkinPart::kWindowBottomLeft, QUELLORN_WINDOW_BOTTOM_LEFT},
    {SkinPart::kWindowBottom, QUELLORN_WINDOW_BOTTOM},
    {SkinPart::kWindowBottomRight, QUELLORN_WINDOW_BOTTOM_RIGHT},
    {SkinPart::kTitleClose, QUELLORN_TITLE_CLOSE},
    {SkinPart::kTitleHelp, QUELLORN_TITLE_HELP},
    {SkinPart::kTitleMinimize, QUELLORN_TITLE_MINIMIZE},
};

// The task icons in image list order, with the keys the task list gives them.
struct TaskIcon {
  std::string_view key;
  int id;
};

constexpr TaskIcon kTaskIcons[] = {
    {"ie", QUELLORN_GROUP_IE},       {"netscape", QUELLORN_GROUP_NETSCAPE},
    {"Opera", QUELLORN_GROUP_OPERA}, {"Aol", QUELLORN_GROUP_AOL},
    {"win", QUELLORN_GROUP_WIN},     {"app", QUELLORN_GROUP_APP},
    {"Cust", QUELLORN_GROUP_CUST},   {"working", QUELLORN_GROUP_WORKING},
    {"done", QUELLORN_GROUP_DONE},
};

constexpr int kIconSize = 16;

HICON LoadIconResource(HINSTANCE instance, int id, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HFONT MakeFont(const wchar_t* face, int points, int weight, bool underline = false,
               bool italic = false) {
  const int height = -MulDiv(points, GetDeviceCaps(ScreenDc().get(), LOGPIXELSY), 72);
  return CreateFontW(height, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

SkinArt::SkinArt(HINSTANCE instance) : instance_(instance) {
  for (const ImageResource& image : kImages) {
    images_[static_cast<std::size_t>(image.part)].reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(image.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }
  programIcon_.reset(LoadIconResource(instance, QUELLORN_ICON, GetSystemMetrics(SM_CXICON)));
  programIconSmall_.reset(LoadIconResource(instance, QUELLORN_ICON, GetSystemMetrics(SM_CXSMICON)));
  fonts_.text.reset(MakeFont(L"Tahoma", 8, FW_NORMAL));
  fonts_.bold.reset(MakeFont(L"Tahoma", 8, FW_BOLD));
  fonts_.link.reset(MakeFont(L"Tahoma", 8, FW_NORMAL, true));
  fonts_.heading.reset(MakeFont(L"Tahoma", 10, FW_BOLD));
  fonts_.maker.reset(MakeFont(L"Times New Roman", 12, FW_NORMAL, false, true));
  background_.reset(CreateSolidBrush(Colour(kSkinBackground)));
}

HBITMAP SkinArt::Image(SkinPart part) const {
  return images_[static_cast<std::size_t>(part)].get();
}

HIMAGELIST SkinArt::MakeTaskImages() const {
  HIMAGELIST list = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK,
                                     static_cast<int>(std::size(kTaskIcons)), 0);
  for (const TaskIcon& icon : kTaskIcons) {
    const UniqueIcon loaded(LoadIconResource(instance_, icon.id, kIconSize));
    ImageList_AddIcon(list, loaded.get());
  }
  return list;
}

int SkinArt::Index(std::string_view key) {
  for (std::size_t i = 0; i < std::size(kTaskIcons); ++i) {
    if (kTaskIcons[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quellorn::ui::win32
