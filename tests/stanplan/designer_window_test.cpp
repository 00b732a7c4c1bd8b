#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/platform_error.h"
#include "common/qt/picture_box.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_picture.h"
#include "common/timer_bank.h"
#include "stanplan/designer_app.h"
#include "stanplan/qt/app_look.h"
#include "stanplan/qt/designer_window.h"
#include "tests/support/common_fakes.h"
#include "tests/support/every_control.h"
#include "tests/support/modal.h"
#include "tests/support/pipe_watchdog.h"
#include "tests/support/qt_own_texts.h"
#include "tests/support/widget_tree.h"

namespace stanplan {

using shell::ImageOf;
using shell::PictureBox;
using shell::QtPicture;
using shell::StartFolder;
using shell::ToQtFilters;

namespace {

class DesignerWindowTest : public testing::Test {
 protected:
  template <typename Widget = QWidget>
  Widget* Find(const QString& name) {
    auto* found = window.findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  designer::DesignerForm& form() { return app.form(); }
  void Load() {
    time.Advance(1000);
    window.Render();
  }

  testing_support::TempFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakePicture picture;
  DesignerApp app{designer::DesignerPorts{dialogs, picture, folder.path}};
  DesignerWindow window{app};
  common::VirtualTime time{app.timers()};
};

TEST_F(DesignerWindowTest, HasTheFormsSizeCaptionAndTab) {
  EXPECT_EQ(window.objectName(), "Form1");
  EXPECT_EQ(window.minimumSize(), QSize(787, 552));
  EXPECT_EQ(window.maximumSize(), QSize(787, 552));
  EXPECT_EQ(window.windowTitle(), "Конструктор");
  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 1);
  EXPECT_EQ(pages->tabText(0), "  Объект   560x360  ");
  EXPECT_EQ(pages->geometry(), QRect(0, 32, 769, 425));
}

// The nearest container of the table that holds each control.
TEST_F(DesignerWindowTest, EveryControlSitsInItsContainer) {
  std::vector<std::pair<QString, QString>> where = {
      {"TabSheet1", "PageControl1"}, {"GroupBox1", "TabSheet1"}, {"Panel1", "TabSheet1"},
      {"StringGrid1", "GroupBox1"},  {"BitBtn1", "GroupBox1"},   {"BitBtn2", "ToolBar1"},
  };
  for (const char* name :
       {"ToolButton1", "ToolButton5", "ToolButton2", "ToolButton4", "ToolButton6", "ToolButton3",
        "ToolButton7", "ToolButton8", "ToolButton9"}) {
    where.push_back({name, "ToolBar1"});
  }
  for (int n = 1; n <= 3; ++n) {
    for (const char* kind : {"Label", "Edit", "UpDown"}) {
      where.push_back({QStringLiteral("%1%2").arg(kind).arg(n), "GroupBox1"});
    }
    where.push_back({QStringLiteral("StatusPanel%1").arg(n - 1), "StatusBar1"});
  }
  for (int n = 1; n <= 17; ++n) where.push_back({QStringLiteral("Image%1").arg(n), "Panel1"});
  testing_support::ExpectEachInItsContainer(window, where);
}

TEST_F(DesignerWindowTest, TheToolBarRunsLeftToRightWithItsSeparators) {
  window.show();  // the tool bar lays its items out when shown
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const char* order[] = {"ToolButton1", "ToolButton5", "ToolButton2", "ToolButton4", "ToolButton6",
                         "ToolButton3", "ToolButton7", "ToolButton8", "ToolButton9", "BitBtn2"};
  int left = -1;
  for (const char* name : order) {
    QWidget* item = Find(name);
    EXPECT_GT(item->x(), left) << name;
    left = item->x();
    if (auto* button = qobject_cast<QAbstractButton*>(item);
        button && std::string(name) != "BitBtn2") {
      EXPECT_TRUE(button->text().isEmpty()) << name;
      EXPECT_TRUE(button->toolTip().isEmpty()) << name;
      EXPECT_FALSE(button->icon().isNull()) << name;
    }
  }
  EXPECT_EQ(Find("ToolButton6")->width(), 18);
  EXPECT_EQ(Find("ToolButton9")->width(), 382);
  EXPECT_EQ(Find("BitBtn2")->size(), QSize(75, 22));
  EXPECT_EQ(Find<QAbstractButton>("BitBtn2")->text(), "Выход");
  EXPECT_EQ(Find("ToolBar1")->height(), 29);
}

TEST_F(DesignerWindowTest, TheMenusHoldTheirEntriesInOrder) {
  auto* bar = Find<QMenuBar>("MainMenu1");
  QStringList shown;
  for (QAction* menu : bar->actions()) {
    QStringList entries;
    for (QAction* entry : menu->menu()->actions())
      entries << entry->objectName() + "=" + entry->text();
    shown << menu->objectName() + ":" + menu->text() + "[" + entries.join(",") + "]";
  }
  EXPECT_EQ(shown.join(" "),
            "Afqk1:Файл [N6=Открыть фоновый рисунок,N9=Создать файл установок,"
            "N7=Прочитать файл установок,N8=Записать файл установок] "
            "N1:Демо[N4=Пуск,N5=Стоп] N2:Выход[N3=Выход]");
}

TEST_F(DesignerWindowTest, TheGridHasAnAquaHeadingRowAndEditableCells) {
  Load();
  auto* grid = Find<QTableView>("StringGrid1");
  QAbstractItemModel* model = grid->model();
  ASSERT_EQ(model->columnCount(), 3);
  ASSERT_EQ(model->rowCount(), 17);
  EXPECT_EQ(grid->columnWidth(0), 41);
  EXPECT_EQ(grid->columnWidth(1), 63);
  EXPECT_EQ(grid->columnWidth(2), 59);
  EXPECT_EQ(grid->rowHeight(5), 16);
  EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(model->index(0, 2).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(0, 255, 255));
  EXPECT_EQ(model->index(0, 1).data().toString(), "Горизонт");
  EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model->flags(model->index(3, 0)) & Qt::ItemIsEditable);

  // Typing goes into the form at once; a pasted line break goes no further.
  EXPECT_TRUE(model->setData(model->index(2, 1), "77\r\n88"));
  EXPECT_EQ(form().StringGrid1.Cells(1, 2), "77");
  form().StringGrid1.Cells(2, 2) = "99";
  window.Render();
  EXPECT_EQ(model->index(2, 2).data().toString(), "99");
}

TEST_F(DesignerWindowTest, MarkersSitAtTheirPositionsWithTheirNumbersAsHints) {
  EXPECT_EQ(Find("Image2")->geometry(), QRect(16, 16, 17, 17));
  EXPECT_EQ(Find("Image17")->geometry(), QRect(280, 16, 17, 17));
  Load();
  EXPECT_EQ(Find("Image2")->geometry(), QRect(32, 16, 17, 17));
  EXPECT_EQ(Find("Image2")->toolTip(), "1");
  EXPECT_EQ(Find("Image17")->toolTip(), "16");
  EXPECT_EQ(Find("Image1")->geometry(), QRect(0, 0, 561, 361));
  EXPECT_EQ(Find<PictureBox>("Image1")->image().size(), QSize(529, 361));
  EXPECT_EQ(Find<PictureBox>("Image17")->image().size(), QSize(16, 16));

  form().Image[3].Left = 2147483647;  // far outside: drawn far outside
  window.Render();
  EXPECT_GT(Find("Image3")->x(), 561);
}

TEST_F(DesignerWindowTest, ApplyMovesTheMarkerAndEnterInAnEditFieldPressesIt) {
  Load();
  auto* edit1 = Find<QLineEdit>("Edit1");
  auto* edit2 = Find<QLineEdit>("Edit2");
  auto* edit3 = Find<QLineEdit>("Edit3");
  // Typing over a selected text, as a user does.
  const auto type = [](QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  };
  type(edit1, "5");
  type(edit2, "300");
  type(edit3, "200");
  EXPECT_EQ(form().Edit2.Text, "300");
  Find<QAbstractButton>("BitBtn1")->click();
  EXPECT_EQ(Find("Image6")->pos(), QPoint(300, 200));
  EXPECT_EQ(Find<QTableView>("StringGrid1")->model()->index(5, 1).data().toString(), "300");

  type(edit3, "70000");
  QTest::keyClick(edit3, Qt::Key_Return);
  EXPECT_EQ(Find("Image6")->pos(), QPoint(300, 4464));
  EXPECT_EQ(edit3->text(), "70000");
}

TEST_F(DesignerWindowTest, SpinnerArrowsStepTheFieldAndMoveTheMarker) {
  Load();
  auto* up = Find("UpDown2")->findChild<QAbstractButton*>("Up");
  ASSERT_NE(up, nullptr);
  up->click();
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "33");
  EXPECT_EQ(Find("Image2")->pos(), QPoint(33, 16));
}

TEST_F(DesignerWindowTest, MenuEntriesReachTheirHandlers) {
  Load();
  Find<QAction>("N4")->trigger();
  EXPECT_TRUE(form().Timer4.Enabled);
  form().Image[2].Visible = false;  // as in the blink's hidden phase
  window.Render();
  EXPECT_FALSE(Find("Image2")->isVisibleTo(Find("Panel1")));
  Find<QAction>("N5")->trigger();
  EXPECT_FALSE(form().Timer4.Enabled);
  EXPECT_TRUE(Find("Image2")->isVisibleTo(Find("Panel1")));

  dialogs.text_answers = {std::nullopt};
  Find<QAction>("N8")->trigger();
  ASSERT_EQ(dialogs.OfKind("save").size(), 1u);
  EXPECT_EQ(dialogs.OfKind("save")[0].text, "Запись установок");
}

TEST_F(DesignerWindowTest, StatusPanelsHaveTheirWidthsAndShowTheFileNames) {
  EXPECT_EQ(Find("StatusPanel0")->width(), 300);
  EXPECT_EQ(Find("StatusPanel1")->width(), 300);
  EXPECT_EQ(Find("StatusPanel2")->width(), 50);
  form().StatusBar1[0].Text = "/plans/fon3.bmp";
  window.Render();
  EXPECT_EQ(Find<QLabel>("StatusPanel0")->text(), "/plans/fon3.bmp");
}

// Run inside the application's loop, which the confirmed exit must end with 0
// (a loop still running after 2 s ends with 1).
TEST_F(DesignerWindowTest, ExitConfirmedEndsTheProgram) {
  dialogs.confirm_answers = {false, true};
  Find<QAbstractButton>("BitBtn2")->click();
  EXPECT_FALSE(app.TerminateRequested());
  QTimer::singleShot(0, &window, [this] { Find<QAction>("N3")->trigger(); });
  QTimer::singleShot(2000, &window, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(app.TerminateRequested());
}

// The designer's start-up makes the boxes' and dialogs' own texts Russian.
TEST(DesignerStartUpLook, QtsOwnTextsAreRussian) {
  SetUpLook(*qApp);
  testing_support::ExpectQtsOwnTextsRussian();
}

// Every name the window reports reaches a handler; a menu entry whose name the
// core does not know is caught.
TEST(DesignerWindowRouting, EveryReportedControlHasAHandler) {
  testing_support::TempFolder folder;
  testing_support::ScriptedDialogs dialogs;
  dialogs.confirm_answers.assign(100, false);  // no exit
  testing_support::FakePicture picture;
  DesignerApp app{designer::DesignerPorts{dialogs, picture, folder.path}};
  app.form().MainMenu1.back().Items.push_back({.Name = "Misspelt1", .Caption = "?", .Items = {}});
  DesignerWindow window{app};
  EXPECT_EQ(testing_support::WorkEveryControlForUnroutedNames(window),
            std::set<std::string>{"Misspelt1"});
}

TEST(DesignerQtPorts, FiltersBecomeQtsAndAStartFolderNamingAFileOpensItsFolder) {
  EXPECT_EQ(ToQtFilters("Файл установок|pust*.txt|All files|*.*"),
            QStringList({"Файл установок (pust*.txt)", "All files (*)"}));
  EXPECT_EQ(ToQtFilters("bmp|fon*.bmp|All files|*.*").front(), "bmp (fon*.bmp)");
  testing_support::TempFolder folder;
  const QString dir = QString::fromStdString(folder.path.string());
  EXPECT_EQ(StartFolder((folder.path / "stanplan").string()), dir);
  EXPECT_EQ(StartFolder(folder.path.string()), dir);
}

// Whether a file dialog lists a file of that name.
bool Lists(const QFileDialog& dialog, const QString& name) {
  const auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
    if (model->index(row, 0, list->rootIndex()).data().toString() == name) return true;
  }
  return false;
}

// The dialog opens on the filter entry proposed, where "All files" lists names
// without a dot as well, and returns the entry the user ends on.
TEST(DesignerQtPorts, FileDialogOpensOnTheFilterEntryProposedAndReturnsTheOneChosen) {
  testing_support::TempFolder folder;
  folder.Write("pust", "");
  folder.Write("pust1.txt", "");
  shell::QtDialogs dialogs;
  QString opened_on;
  bool lists_pust = false;
  bool refiltered = false;
  std::optional<common::FileSelection> chosen;
  testing_support::WhileModal(
      [&] {
        chosen =
            dialogs.OpenFileProposing("Выбор установок", "Файл установок|pust*.txt|All files|*.*",
                                      folder.path.string(), {"", 2});
      },
      [&](QWidget& shown) {
        auto& dialog = dynamic_cast<QFileDialog&>(shown);
        opened_on = dialog.selectedNameFilter();
        lists_pust = QTest::qWaitFor([&] { return Lists(dialog, "pust"); }, 5000);
        dialog.selectNameFilter("Файл установок (pust*.txt)");
        refiltered = QTest::qWaitFor([&] { return !Lists(dialog, "pust"); }, 5000);
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("pust1.txt");
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
        if (dialog.isVisible()) dialog.reject();
      });
  EXPECT_EQ(opened_on, "All files (*)");
  EXPECT_TRUE(lists_pust);
  EXPECT_TRUE(refiltered);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, (common::FileSelection{(folder.path / "pust1.txt").string(), 1}));
}

TEST(DesignerQtPorts, PicturesLoadByContentAndFailWithTheLoadersText) {
  testing_support::TempFolder folder;
  const std::string bmp = (folder.path / "fon1.bmp").string();
  QImage drawn(40, 30, QImage::Format_RGB888);
  drawn.fill(Qt::red);
  ASSERT_TRUE(drawn.save(QString::fromStdString(bmp), "BMP"));
  folder.Write("fake.bmp", "not a picture");
  QtPicture loader;
  const auto loaded = loader.Load(bmp);
  EXPECT_EQ(loaded->Width(), 40);
  ASSERT_NE(ImageOf(loaded.get()), nullptr);
  EXPECT_EQ(ImageOf(loaded.get())->pixelColor(0, 0), QColor(Qt::red));

  const std::string missing = (folder.path / "missing.bmp").string();
  EXPECT_THROW(loader.Load((folder.path / "fake.bmp").string()), common::PlatformError);
  try {
    loader.Load(missing);
    ADD_FAILURE();
  } catch (const common::PlatformError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". File not found");
  }
}

// The loader reads through the descriptor it checked: a pipe or a device, even
// behind a link, is refused at once; a link to a picture still loads it.
TEST(DesignerQtPorts, APictureThatIsAPipeOrADeviceIsRefusedAtOnce) {
  testing_support::TempFolder folder;
  const auto pipe = folder.path / "fon1.bmp";
  testing_support::MakePipe(pipe);
  std::filesystem::create_symlink(pipe, folder.path / "fon2.bmp");
  std::filesystem::create_symlink("/dev/zero", folder.path / "fon3.bmp");
  QtPicture loader;
  for (const char* name : {"fon1.bmp", "fon2.bmp", "fon3.bmp"}) {
    const std::string path = (folder.path / name).string();
    const testing_support::PipeWatchdog guard({pipe});
    try {
      loader.Load(path);
      ADD_FAILURE() << name;
    } catch (const common::PlatformError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". File access denied");
    }
  }
  EXPECT_TRUE(testing_support::IsPipe(pipe));

  QImage drawn(8, 6, QImage::Format_RGB888);
  drawn.fill(Qt::blue);
  ASSERT_TRUE(drawn.save(QString::fromStdString((folder.path / "drawn.bmp").string()), "BMP"));
  std::filesystem::create_symlink(folder.path / "drawn.bmp", folder.path / "fon4.bmp");
  EXPECT_EQ(loader.Load((folder.path / "fon4.bmp").string())->Width(), 8);
}

}  // namespace
}  // namespace stanplan
