#include "designer/designer_form.h"

namespace designer {
namespace {

constexpr int kDesignMarkerLeft[kMarkers] = {16,  32,  48,  64,  88,  104, 120, 136,
                                             160, 176, 192, 208, 232, 248, 264, 280};
constexpr int kDesignMarkerTop = 16;

TMenuItem Entry(std::string name, std::string caption, int image,
                std::vector<TMenuItem> items = {}) {
  return TMenuItem{.Name = std::move(name),
                   .Caption = std::move(caption),
                   .ImageIndex = image,
                   .Items = std::move(items)};
}

std::vector<TMenuItem> MakeMainMenu() {
  return {
      Entry("Afqk1", "Файл ", -1,
            {Entry("N6", "Открыть фоновый рисунок", kImageOpenPicture),
             Entry("N9", "Создать файл установок", kImageCreate),
             Entry("N7", "Прочитать файл установок", kImageRead),
             Entry("N8", "Записать файл установок", kImageWrite)}),
      Entry("N1", "Демо", -1, {Entry("N4", "Пуск", kImageStart), Entry("N5", "Стоп", kImageStop)}),
      Entry("N2", "Выход", -1, {Entry("N3", "Выход", kImageExit)}),
  };
}

std::vector<TToolButton> MakeToolBar() {
  return {
      {"ToolButton1", kImageCreate},  {"ToolButton5", kImageOpenPicture},
      {"ToolButton2", kImageRead},    {"ToolButton4", kImageWrite},
      {"ToolButton6", -1, true, 18},  {"ToolButton3", kImageCut},
      {"ToolButton7", kImageCopy},    {"ToolButton8", kImagePaste},
      {"ToolButton9", -1, true, 382},
  };
}

TStringGrid MakeCoordinateGrid() {
  TStringGrid grid(3, kMarkers + 1, 0, 1, {41, 63, 59});
  grid.DefaultRowHeight = 16;
  grid.FixedColor = clAqua;
  grid.Editable = true;
  return grid;
}

}  // namespace

const TMenuItem* DesignerForm::FindMenuItem(const std::string& name) const {
  for (const TMenuItem& menu : MainMenu1) {
    if (menu.Name == name) return &menu;
    for (const TMenuItem& item : menu.Items) {
      if (item.Name == name) return &item;
    }
  }
  return nullptr;
}

DesignerForm MakeDesignerForm() {
  DesignerForm f;
  f.Caption = "Конструктор";
  f.Left = 6;
  f.Top = 7;
  f.Width = 787;
  f.Height = 552;

  f.ToolBar1 = MakeToolBar();
  f.BitBtn2 = {"Выход", kImageExit};

  f.TabSheet1 = "  Объект   560x360  ";
  f.GroupBox1 = "Установки";
  f.Label1 = {"Вертикаль", clMaroon};
  f.Label2 = {"Горизонт", clNavy};
  f.Label3 = {"№", clBlack};
  f.Edit1 = {"1", clBlack};
  f.Edit2 = {"0", clNavy};
  f.Edit3 = {"0", clMaroon};
  f.UpDown1 = {1, 16, 1};
  f.UpDown2 = {0, 530, 0};
  f.UpDown3 = {0, 361, 0};
  f.StringGrid1 = MakeCoordinateGrid();
  f.BitBtn1 = {"Применить", kImageOk};

  for (int k = 1; k <= kMarkers; ++k) {
    TImage& marker = f.Image[static_cast<std::size_t>(k + 1)];
    marker.Left = kDesignMarkerLeft[k - 1];
    marker.Top = kDesignMarkerTop;
    marker.Hint = std::to_string(k);
  }

  f.StatusBar1 = {TStatusPanel{"", 300}, TStatusPanel{"", 300}, TStatusPanel{"", 50}};
  f.MainMenu1 = MakeMainMenu();

  f.Timer3 = {true, 1000};
  f.Timer4 = {false, 400};

  f.OpenDialog1 = {"Открыть фоновый рисунок ", "bmp|fon*.bmp|All files|*.*", "", "", 1};
  f.OpenDialog2 = {"Выбор установок", "Файл установок|pust*.txt|All files|*.*", "", "", 1};
  f.SaveDialog1 = {"Запись установок", "Файл установок|pust*.txt", "", "pust.txt", 1};
  return f;
}

}  // namespace designer
