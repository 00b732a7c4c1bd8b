#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/qt/grid_model.h"
#include "common/qt/picture_box.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/render_util.h"
#include "common/qt/timer_driver.h"
#include "common/timer_bank.h"
#include "stanmon/console.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/main_window.h"
#include "stanmon/qt/pie_gauge.h"
#include "stanmon/qt/shape_widget.h"
#include "tests/support/every_control.h"
#include "tests/support/fakes.h"
#include "tests/support/modal.h"
#include "tests/support/qt_own_texts.h"
#include "tests/support/widget_tree.h"

namespace stanmon {

using shell::GridModel;
using shell::StartFolder;
using shell::TimerDriver;
using shell::ToQtFilter;

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The colour a widget fills its background with; none when it leaves it to its parent.
QColor FillOf(const QWidget* widget) {
  if (!widget->autoFillBackground()) return {};
  return widget->palette().color(widget->backgroundRole());
}

class WindowTest : public testing::Test {
 protected:
  template <typename Widget = QWidget>
  Widget* Find(const QString& name) {
    auto* found = window.findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  monitor::ConsoleForm& form() { return console.form(); }
  QTableView* Grid(const char* name) { return Find<QTableView>(name); }
  GridModel* ModelOf(const char* name) { return qobject_cast<GridModel*>(Grid(name)->model()); }

  testing_support::FakePorts fakes;
  Console console{fakes.Ports()};
  MainWindow window{console};
};

TEST_F(WindowTest, HasTheFormsFixedSizeAndCaption) {
  EXPECT_EQ(window.minimumSize(), QSize(794, 568));
  EXPECT_EQ(window.maximumSize(), QSize(794, 568));
  EXPECT_EQ(window.windowTitle(), Q(form().Caption));
}

// The nearest container of the table that holds each control.
TEST_F(WindowTest, EveryControlSitsInItsContainer) {
  std::vector<std::pair<QString, QString>> where = {
      {"ToolButton9", "ToolBar1"},   {"ToolButton7", "ToolBar1"},    {"ToolButton14", "ToolBar1"},
      {"ToolButton10", "ToolBar1"},  {"ToolButton13", "ToolBar1"},   {"ToolButton11", "ToolBar1"},
      {"ToolButton12", "ToolBar1"},  {"Panel1", "ToolBar1"},         {"Image27", "Panel1"},
      {"Image19", "Panel1"},         {"Image18", "Panel1"},          {"Image20", "Panel1"},
      {"DateTimePicker1", "Panel1"}, {"Panel2", "Panel1"},           {"Edit20", "Panel2"},
      {"UpDown1", "Panel2"},         {"BitBtn17", "Panel1"},         {"Gauge1", "Panel1"},
      {"ComboBox2", "Panel1"},       {"BitBtn18", "Panel1"},         {"GroupBox22", "TabSheet1"},
      {"BitBtn21", "GroupBox22"},    {"BitBtn20", "GroupBox22"},     {"ComboBox1", "GroupBox22"},
      {"BitBtn22", "GroupBox22"},    {"GroupBox17", "TabSheet2"},    {"StringGrid1", "GroupBox17"},
      {"GroupBox18", "TabSheet2"},   {"Edit1", "GroupBox18"},        {"GroupBox19", "TabSheet2"},
      {"CheckBox17", "GroupBox19"},  {"MediaPlayer1", "GroupBox19"}, {"GroupBox20", "TabSheet2"},
      {"StringGrid3", "GroupBox20"}, {"GroupBox24", "TabSheet2"},    {"Edit2", "GroupBox24"},
      {"Edit19", "GroupBox24"},      {"StringGrid4", "TabSheet2"},   {"StringGrid2", "TabSheet3"},
      {"GroupBox21", "TabSheet3"},   {"GroupBox23", "TabSheet4"},    {"Label1", "GroupBox23"},
      {"Label2", "GroupBox23"},      {"Label3", "GroupBox23"},       {"Memo2", "GroupBox23"},
      {"StringGrid7", "TabSheet5"},
  };
  for (int n = 1; n <= 5; ++n)
    where.push_back({QStringLiteral("TabSheet%1").arg(n), "PageControl1"});
  for (int n = 0; n < 6; ++n)
    where.push_back({QStringLiteral("StatusPanel%1").arg(n), "StatusBar1"});
  for (int n = 1; n <= 17; ++n) where.push_back({QStringLiteral("Image%1").arg(n), "GroupBox21"});
  for (int c = 1; c <= monitor::kChannels; ++c) {
    const QString panel = QStringLiteral("GroupBox%1").arg(c);
    where.push_back({panel, "TabSheet1"});
    where.push_back({QStringLiteral("BitBtn%1").arg(c), panel});
    where.push_back({QStringLiteral("CheckBox%1").arg(monitor::OutputBoxP1(c)), panel});
    where.push_back({QStringLiteral("CheckBox%1").arg(monitor::OutputBoxP2(c)), panel});
    for (int s = 1; s <= 16; ++s) {
      where.push_back({QStringLiteral("Shape%1").arg(monitor::SignalRow(c, s)), panel});
    }
  }
  testing_support::ExpectEachInItsContainer(window, where);
}

TEST_F(WindowTest, ChannelPanelsAndIndicatorsSitWhereDesigned) {
  EXPECT_EQ(Find("GroupBox1")->geometry(), QRect(0, 64, 185, 89));
  EXPECT_EQ(Find("GroupBox16")->geometry(), QRect(576, 328, 185, 89));
  EXPECT_EQ(Find("GroupBox22")->geometry(), QRect(0, 0, 761, 57));
  // Channel 2: rows 17..32.
  EXPECT_EQ(Find("Shape17")->geometry(), QRect(8, 16, 17, 17));
  EXPECT_EQ(Find("Shape24")->geometry(), QRect(120, 16, 17, 17));
  EXPECT_EQ(Find("Shape27")->geometry(), QRect(40, 32, 17, 17));
  EXPECT_EQ(Find("Shape28")->geometry(), QRect(8, 56, 17, 17));
  EXPECT_EQ(Find("Shape29")->geometry(), QRect(72, 32, 17, 17));
  EXPECT_EQ(Find("Shape32")->geometry(), QRect(120, 32, 17, 17));
  EXPECT_EQ(Find("BitBtn2")->geometry(), QRect(144, 56, 33, 25));
  EXPECT_EQ(Find("CheckBox20")->geometry(), QRect(144, 16, 33, 17));
  EXPECT_EQ(Find("CheckBox21")->geometry(), QRect(144, 32, 33, 17));
  EXPECT_EQ(Find<QAbstractButton>("CheckBox21")->text(), "P2");
}

TEST_F(WindowTest, PagesCarryTheFormsCaptionsExactly) {
  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 5);
  const QStringList captions = {"Мнемосхема  ", "Установки  ", "Объект  ", " О программе ",
                                "Журнал"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(pages->tabText(i), captions[i]);
    EXPECT_EQ(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
  }
}

TEST_F(WindowTest, ActivePageFollowsTheFormBothWays) {
  auto* pages = Find<QTabWidget>("PageControl1");
  form().ActivePageIndex = 2;
  window.Render();
  EXPECT_EQ(pages->currentIndex(), 2);
  pages->setCurrentIndex(4);
  EXPECT_EQ(form().ActivePageIndex, 4);
}

TEST_F(WindowTest, StatusPanelsHaveTheFormsWidthsAndTexts) {
  const int widths[] = {70, 80, 40, 80, 100};
  const QStringList texts = {"Передано", "Принято", "СТОП", "->M", "M<-", ""};
  for (int i = 0; i < 6; ++i) {
    auto* panel = Find<QLabel>(QStringLiteral("StatusPanel%1").arg(i));
    EXPECT_EQ(panel->text(), texts[i]) << i;
    EXPECT_EQ(panel->minimumWidth(), i < 5 ? widths[i] : 80) << i;
    if (i < 5) {
      EXPECT_EQ(panel->maximumWidth(), widths[i]) << i;
    }
  }
  form().StatusBar1[5].Text = "COM1 /dev/ttyS0: устройство отключено";
  window.Render();
  EXPECT_EQ(Find<QLabel>("StatusPanel5")->text(), "COM1 /dev/ttyS0: устройство отключено");
}

// A poll's new request and answer texts repaint their panels alone: the bar is
// not laid out again.
TEST_F(WindowTest, NewPollTextsLayOutNothing) {
  window.show();
  QCoreApplication::sendPostedEvents();
  struct LayoutCount : QObject {
    int requests = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::LayoutRequest) ++requests;
      return false;
    }
  } count;
  QWidget* bar = Find("StatusBar1");
  bar->installEventFilter(&count);
  const QRect panel = Find("StatusPanel1")->geometry();
  form().StatusBar1[0].Text = "45 02 01 48";
  form().StatusBar1[1].Text = "55 02 80 10 00 E7 ";
  window.Render();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(count.requests, 0);
  EXPECT_EQ(Find("StatusPanel1")->geometry(), panel);
  window.hide();
}

// The built-in plan background is drawn only once the plan page is seen.
TEST_F(WindowTest, BuiltInPlanBackgroundIsDrawnWhenThePlanIsFirstSeen) {
  window.show();
  auto* background = Find<shell::PictureBox>("Image1");
  EXPECT_TRUE(background->image().isNull());
  form().ActivePageIndex = 2;
  window.Render();
  EXPECT_EQ(background->image().size(), QSize(529, 361));
  window.hide();
}

// An output box is drawn exactly as a box with the style sheet that once gave it
// its narrow label spacing, ticked or not, plain or coloured, in any frame.
TEST_F(WindowTest, OutputBoxLooksAsWithTheNarrowSpacingStyleSheet) {
  window.show();
  struct Case {
    bool checked;
    common::Color box;
    common::Color frame;
  };
  for (const Case& c : {Case{false, monitor::clBtnFace, monitor::clBtnFace},
                        Case{true, monitor::clBtnFace, monitor::clYellow},
                        Case{true, monitor::clRed, monitor::clYellow},
                        Case{false, monitor::clGreen, monitor::clBtnFace}}) {
    form().CheckBox[23].Checked = c.checked;
    form().CheckBox[23].Background = c.box;
    form().GroupBox[3].Background = c.frame;
    window.Render();
    auto* box = Find<QCheckBox>("CheckBox23");
    QCheckBox twin(box->parentWidget());
    twin.setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    twin.setGeometry(box->geometry());
    twin.setText(box->text());
    twin.setChecked(c.checked);
    twin.show();
    shell::SetBackground(&twin, FillOf(box));
    const auto picture = [](QWidget* widget) {
      return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(picture(box), picture(&twin)) << c.checked << " " << c.box;
  }
  window.hide();
}

TEST_F(WindowTest, ExitButtonAsksAndCancelKeepsTheProgram) {
  fakes.dialogs.confirm_answers = {false};
  Find<QAbstractButton>("BitBtn18")->click();
  const auto boxes = fakes.dialogs.OfKind("confirm");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Вы действительно хотите выйти?");
  EXPECT_FALSE(console.TerminateRequested());
}

// Run inside the application's loop, which the confirmed exit must end with 0
// (a loop still running after 2 s ends with 1).
TEST_F(WindowTest, ExitMenuEntryConfirmedEndsTheProgram) {
  fakes.dialogs.confirm_answers = {true};
  QTimer::singleShot(0, &window, [this] { Find<QAction>("N6")->trigger(); });
  QTimer::singleShot(2000, &window, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(fakes.dialogs.OfKind("confirm").size(), 1u);
  EXPECT_TRUE(console.TerminateRequested());
}

TEST_F(WindowTest, MenuEntryWithoutHandlerDoesNothing) {
  const std::string idle = "COM11";  // "Порт" > "Выбрано" > "COM1 -  GSM Модем"
  ASSERT_FALSE(console.HasClickHandler(idle));
  const monitor::ConsoleForm before = form();
  Find<QAction>(Q(idle))->trigger();
  EXPECT_TRUE(fakes.dialogs.boxes.empty());
  EXPECT_EQ(form().StatusBar1[5].Text, before.StatusBar1[5].Text);
  EXPECT_FALSE(console.TerminateRequested());
}

TEST_F(WindowTest, MenuCheckMarksFollowTheForm) {
  auto* stop = Find<QAction>("N16");
  auto* start = Find<QAction>("N15");
  EXPECT_TRUE(stop->isChecked());
  EXPECT_FALSE(start->isCheckable());
  form().FindMenuItem("N16")->Checked = false;
  form().FindMenuItem("N15")->Checked = true;
  window.Render();
  EXPECT_FALSE(stop->isChecked());
  EXPECT_TRUE(start->isChecked());
  EXPECT_EQ(Find<QAction>("N1")->text(), "Порт");
}

TEST_F(WindowTest, SirenSwitchWritesTheTickThenRunsItsHandler) {
  auto* siren = Find<QCheckBox>("CheckBox17");
  EXPECT_TRUE(siren->isChecked());
  siren->click();
  EXPECT_FALSE(form().CheckBox[17].Checked);
  // The handler renamed it from the new tick, and the window shows that.
  EXPECT_EQ(siren->text(), "выключен");
}

TEST_F(WindowTest, OutputBoxClickGoesIntoTheForm) {
  auto* p2 = Find<QCheckBox>("CheckBox25");  // channel 4, P2
  p2->click();
  EXPECT_TRUE(form().CheckBox[25].Checked);
  form().CheckBox[25].Checked = false;
  window.Render();
  EXPECT_FALSE(p2->isChecked());
}

TEST_F(WindowTest, TypingGoesIntoTheFormAtOnce) {
  auto* price = Find<QLineEdit>("Edit1");
  price->selectAll();
  QTest::keyClicks(price, "250");
  EXPECT_EQ(form().Edit1.Text, "250");

  auto* choice = Find<QComboBox>("ComboBox1");
  choice->lineEdit()->selectAll();
  QTest::keyClicks(choice->lineEdit(), "Nikolaev");
  EXPECT_EQ(form().ComboBox1.Text, "Nikolaev");
}

TEST_F(WindowTest, MemoShowsTheCoresLinesAndKeepsTheOperatorsEdits) {
  auto* memo = Find<QPlainTextEdit>("Memo2");
  // A lone LF inside an archive line: showing it must not split the form's line.
  form().Memo2.Lines = {"первая", "вторая\nс переводом"};
  window.Render();
  EXPECT_EQ(memo->toPlainText(), "первая\nвторая\nс переводом");
  EXPECT_EQ(form().Memo2.Lines.size(), 2u);

  form().Memo2.Lines = {"один", "два"};
  window.Render();
  memo->moveCursor(QTextCursor::End);
  QTest::keyClicks(memo, "!");
  EXPECT_EQ(form().Memo2.Lines, (std::vector<std::string>{"один", "два!"}));
  const int cursor = memo->textCursor().position();
  window.Render();  // the operator's text is not pushed back, the cursor stays
  EXPECT_EQ(memo->textCursor().position(), cursor);

  ASSERT_TRUE(console.Click("Clr1"));
  window.Render();
  EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(WindowTest, SpinnerStepsThePauseNeverBelowOne) {
  auto* up = Find<QAbstractButton>("Up");
  auto* down = Find<QAbstractButton>("Down");
  up->click();
  up->click();
  EXPECT_EQ(form().Edit20.Text, "3");
  EXPECT_EQ(Find<QLineEdit>("Edit20")->text(), "3");
  for (int i = 0; i < 4; ++i) down->click();
  EXPECT_EQ(form().Edit20.Text, "1");
  EXPECT_EQ(form().UpDown1.Position, 1);
}

TEST_F(WindowTest, RenderShowsColoursLampsMarkersAndTheDate) {
  form().Shape[40].Brush = monitor::clRed;
  form().GroupBox[3].Background = monitor::clYellow;
  form().CheckBox[23].Background = monitor::clAqua;
  form().Image[27].Visible = true;
  form().Image[18].Visible = false;
  form().Image[5].Visible = true;
  form().Image[5].Left = 100;
  form().Image[5].Top = 50;
  form().DateTimePicker1.DateTime = {2026, 3, 5, 14, 7, 9, 0};
  window.Render();
  EXPECT_EQ(Find<ShapeWidget>("Shape40")->fill(), QColor(255, 0, 0));
  EXPECT_EQ(FillOf(Find("GroupBox3")), QColor(255, 255, 0));
  EXPECT_EQ(FillOf(Find("CheckBox23")), QColor(0, 255, 255));
  EXPECT_TRUE(Find("Image27")->isVisibleTo(Find("Panel1")));
  EXPECT_FALSE(Find("Image18")->isVisibleTo(Find("Panel1")));
  EXPECT_TRUE(Find("Image5")->isVisibleTo(Find("GroupBox21")));
  EXPECT_EQ(Find("Image5")->geometry(), QRect(100, 50, 17, 17));
  EXPECT_EQ(Find<QDateEdit>("DateTimePicker1")->text(), "5 марта 2026 г.");
}

TEST_F(WindowTest, DateChangedInTheControlGoesIntoTheForm) {
  form().DateTimePicker1.DateTime = {2026, 3, 5, 14, 7, 9, 0};
  window.Render();
  auto* date = Find<QDateEdit>("DateTimePicker1");
  date->setFocus();
  date->setCurrentSection(QDateTimeEdit::DaySection);
  QTest::keyClick(date, Qt::Key_Up);  // steps the day as shown in the long date
  EXPECT_EQ(date->text(), "6 марта 2026 г.");
  const common::DateTime stepped{2026, 3, 6, 14, 7, 9, 0};
  EXPECT_EQ(form().DateTimePicker1.DateTime, stepped);
  date->setDate(QDate(2026, 12, 31));
  EXPECT_EQ(form().DateTimePicker1.DateTime.month, 12);
  EXPECT_EQ(form().DateTimePicker1.DateTime.day, 31);
}

TEST_F(WindowTest, HintsBecomeToolTips) {
  EXPECT_EQ(Find("ToolButton7")->toolTip(), "Запись установок");
  EXPECT_EQ(Find("ToolButton10")->toolTip(), "Выключить сирену");
  EXPECT_EQ(Find("Edit20")->toolTip(), "Пауза между запросами RS485");
  form().BitBtn[21].Hint = "Остановить опрос";
  window.Render();
  EXPECT_EQ(Find("BitBtn21")->toolTip(), "Остановить опрос");
}

TEST_F(WindowTest, GridEditThroughTheModelLandsInTheForm) {
  GridModel* model = ModelOf("StringGrid3");
  EXPECT_TRUE(model->setData(model->index(5, 1), "Котельная", Qt::EditRole));
  EXPECT_EQ(form().StringGrid3.Cells(1, 5), "Котельная");
  // The fixed row and column are neither editable nor written.
  EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model->flags(model->index(5, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model->setData(model->index(5, 0), "x", Qt::EditRole));
  EXPECT_EQ(form().StringGrid3.Cells(0, 5), "");
  // The journal is not editable at all.
  GridModel* journal = ModelOf("StringGrid7");
  EXPECT_FALSE(journal->flags(journal->index(3, 3)) & Qt::ItemIsEditable);
}

TEST_F(WindowTest, GridsTakeSizesFromTheForm) {
  QTableView* plan = Grid("StringGrid2");
  EXPECT_EQ(plan->columnWidth(0), 26);
  EXPECT_EQ(plan->columnWidth(1), 181);
  EXPECT_EQ(plan->columnWidth(2), 31);
  EXPECT_EQ(plan->rowHeight(3), 20);
  EXPECT_EQ(plan->geometry().size(), QSize(241, 361));
  EXPECT_FALSE(plan->horizontalHeader()->isVisibleTo(plan));
  QTableView* journal = Grid("StringGrid7");
  EXPECT_EQ(journal->model()->columnCount(), 7);
  EXPECT_EQ(journal->model()->rowCount(), 41);
  form().StringGrid7.ColWidths[4] = 150;
  window.Render();
  EXPECT_EQ(journal->columnWidth(4), 150);
}

// Dragging a column border in the journal's title row widens the column in the form.
TEST_F(WindowTest, JournalColumnDraggedByTheOperatorGoesIntoTheForm) {
  form().ActivePageIndex = 4;
  window.Render();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QWidget* cells = Grid("StringGrid7")->viewport();
  QTest::mousePress(cells, Qt::LeftButton, {}, QPoint(117, 8));
  QTest::mouseMove(cells, QPoint(150, 8));
  QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(150, 8));
  EXPECT_EQ(form().StringGrid7.ColWidths[0], 150);
  EXPECT_EQ(Grid("StringGrid7")->columnWidth(0), 150);
  // Below the title row a press is an ordinary cell click.
  QTest::mousePress(cells, Qt::LeftButton, {}, QPoint(220, 40));
  QTest::mouseMove(cells, QPoint(260, 40));
  QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(260, 40));
  EXPECT_EQ(form().StringGrid7.ColWidths[1], 103);
  window.hide();
}

TEST_F(WindowTest, RenderTellsViewsOnlyAboutChangedCells) {
  GridModel* model = ModelOf("StringGrid1");
  QSignalSpy changed(model, &GridModel::dataChanged);
  QSignalSpy reset(model, &GridModel::modelReset);
  window.Render();
  window.Render();
  EXPECT_EQ(changed.count(), 0);

  form().StringGrid1.Cells(2, 7) = "Вкл";
  form().StringGrid1.Cells(3, 7) = "14:07:09";
  form().StringGrid1.Cells(1, 9) = "Пожар";
  window.Render();
  window.Render();
  ASSERT_EQ(changed.count(), 2);
  EXPECT_EQ(changed[0][0].toModelIndex(), model->index(7, 2));
  EXPECT_EQ(changed[0][1].toModelIndex(), model->index(7, 3));
  EXPECT_EQ(changed[1][0].toModelIndex(), model->index(9, 1));
  EXPECT_EQ(model->data(model->index(9, 1), Qt::DisplayRole).toString(), "Пожар");
  EXPECT_EQ(reset.count(), 0);

  form().StringGrid1 = monitor::TStringGrid(4, 10, 1, 1, {44, 202, 30, 68});
  window.Render();
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(model->rowCount(), 10);
}

// The window compares a grid only once it has been written: a grid put in
// whole counts as written, even one written as often as the grid it replaces.
TEST_F(WindowTest, AGridReplacedWholeIsShown) {
  form().StringGrid4.Cells(0, 2) = "Петров";
  window.Render();
  monitor::TStringGrid operators(1, 7, 0, 1, {247});
  operators.Editable = true;
  operators.Cells(0, 1) = "Иванов";
  form().StringGrid4 = operators;
  window.Render();
  EXPECT_EQ(ModelOf("StringGrid4")->index(1, 0).data().toString(), "Иванов");
  EXPECT_EQ(ModelOf("StringGrid4")->index(2, 0).data().toString(), "");
}

// A status typed into the signal table is an event of the next main-cycle pass.
TEST_F(WindowTest, StatusTypedIntoTheSignalTableIsJournaled) {
  common::VirtualTime time(console.timers());
  time.Advance(251);  // the start-up
  GridModel* model = ModelOf("StringGrid1");
  ASSERT_TRUE(model->setData(model->index(21, 2), "Вкл", Qt::EditRole));
  time.Advance(251);
  EXPECT_EQ(form().StringGrid7.Cells(3, 1), "02_05");
  EXPECT_EQ(form().StringGrid7.Cells(5, 1), "Вкл");
}

// A tick that changes nothing in the form leaves every widget alone; once the
// operator has acted, every widget shows the form again, even a form unchanged.
TEST_F(WindowTest, UnchangedFormRendersNothingUntilTheOperatorActs) {
  form().Edit1.Text = "180";
  window.Render();
  auto* price = Find<QLineEdit>("Edit1");
  price->setText("999");  // not typed: the form does not hear of it
  window.Render();
  EXPECT_EQ(price->text(), "999");
  Find<QAction>("COM11")->trigger();  // an entry without a handler
  EXPECT_EQ(price->text(), "180");
}

// Each part of the window is rendered only when a member it shows has changed:
// a change to any one member alone still reaches its widget.
TEST_F(WindowTest, EveryMemberChangedAloneReachesItsWidget) {
  struct Case {
    const char* what;
    std::function<void(monitor::ConsoleForm&)> change;
    std::function<bool()> shown;
  };
  const Case cases[] = {
      {"caption", [](auto& f) { f.Caption = "Пульт"; },
       [&] { return window.windowTitle() == "Пульт"; }},
      {"menu tick", [](auto& f) { f.FindMenuItem("N16")->Checked = false; },
       [&] { return !Find<QAction>("N16")->isChecked(); }},
      {"lamp", [](auto& f) { f.Image[27].Visible = true; },
       [&] { return Find("Image27")->isVisibleTo(Find("Panel1")); }},
      {"marker", [](auto& f) { f.Image[7].Left = 40; }, [&] { return Find("Image7")->x() == 40; }},
      {"pause", [](auto& f) { f.Edit20.Text = "7"; },
       [&] { return Find<QLineEdit>("Edit20")->text() == "7"; }},
      {"cancel button", [](auto& f) { f.BitBtn[17].Caption = "Отмена"; },
       [&] { return Find<QAbstractButton>("BitBtn17")->text() == "Отмена"; }},
      {"gauge", [](auto& f) { f.Gauge1.Progress = 45; },
       [&] { return Find<PieGauge>("Gauge1")->progress() == 45; }},
      {"inbox", [](auto& f) { f.ComboBox2.Text = "3 9123456707"; },
       [&] { return Find<QComboBox>("ComboBox2")->currentText() == "3 9123456707"; }},
      {"status panel", [](auto& f) { f.StatusBar1[2].Text = "ПУСК"; },
       [&] { return Find<QLabel>("StatusPanel2")->text() == "ПУСК"; }},
      {"page caption", [](auto& f) { f.PageControl1[4].Caption = "События"; },
       [&] { return Find<QTabWidget>("PageControl1")->tabText(4) == "События"; }},
      {"poll button", [](auto& f) { f.BitBtn[20].Caption = "Пуск"; },
       [&] { return Find<QAbstractButton>("BitBtn20")->text() == "Пуск"; }},
      {"output box", [](auto& f) { f.CheckBox[23].Checked = true; },
       [&] { return Find<QCheckBox>("CheckBox23")->isChecked(); }},
      {"link frame", [](auto& f) { f.GroupBox[3].Background = monitor::clYellow; },
       [&] { return FillOf(Find("GroupBox3")) == QColor(255, 255, 0); }},
      {"siren switch", [](auto& f) { f.CheckBox[17].Caption = "выключен"; },
       [&] { return Find<QCheckBox>("CheckBox17")->text() == "выключен"; }},
      {"settings box", [](auto& f) { f.GroupBox[18].Caption = "Цена"; },
       [&] { return Find<QGroupBox>("GroupBox18")->title() == "Цена"; }},
      {"phone", [](auto& f) { f.Edit19.Text = "9123456789"; },
       [&] { return Find<QLineEdit>("Edit19")->text() == "9123456789"; }},
      {"object table", [](auto& f) { f.StringGrid3.Cells(1, 2) = "ЦТП"; },
       [&] { return ModelOf("StringGrid3")->index(2, 1).data().toString() == "ЦТП"; }},
      {"plan grid", [](auto& f) { f.StringGrid2.Cells(1, 2) = "Дверь"; },
       [&] { return ModelOf("StringGrid2")->index(2, 1).data().toString() == "Дверь"; }},
      {"about box", [](auto& f) { f.GroupBox[23].Caption = "Справка"; },
       [&] { return Find<QGroupBox>("GroupBox23")->title() == "Справка"; }},
      {"about label", [](auto& f) { f.Label[2] = "Версия"; },
       [&] { return Find<QLabel>("Label2")->text() == "Версия"; }},
      {"journal", [](auto& f) { f.StringGrid7.Cells(1, 1) = "01_05"; },
       [&] { return ModelOf("StringGrid7")->index(1, 1).data().toString() == "01_05"; }},
  };
  for (const Case& c : cases) {
    c.change(form());
    window.Render();
    EXPECT_TRUE(c.shown()) << c.what;
  }
}

TEST_F(WindowTest, EditButtonsCopyAndPasteThroughTheFocusedEdit) {
  window.show();
  QApplication::setActiveWindow(&window);
  auto* price = Find<QLineEdit>("Edit1");
  auto* phone = Find<QLineEdit>("Edit2");
  form().ActivePageIndex = 1;
  form().Edit1.Text = "8800";
  window.Render();
  price->setFocus();
  price->selectAll();
  Find<QAbstractButton>("ToolButton11")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), "8800");
  phone->setFocus();
  Find<QAbstractButton>("ToolButton12")->click();
  EXPECT_EQ(form().Edit2.Text, "8800");
  window.hide();
}

// ---- the timer driver ----

// A handler that opens a modal box (a nested event loop) lets the other timers
// tick meanwhile; its own timer, switched off by it, does not.
// Every name the window reports reaches a handler or is listed as having none on
// purpose; a menu entry whose name the core does not know is caught.
TEST(WindowRouting, EveryReportedControlHasAHandlerOrNoneOnPurpose) {
  testing_support::FakePorts fakes;
  fakes.dialogs.confirm_answers.assign(100, false);  // neither exit nor save
  Console console{fakes.Ports()};
  console.form().MainMenu1.back().Items.push_back(
      {.Name = "Misspelt1", .Caption = "?", .Items = {}});
  MainWindow window{console};
  EXPECT_EQ(testing_support::WorkEveryControlForUnroutedNames(window),
            std::set<std::string>{"Misspelt1"});
}

TEST(TimerDriverTest, OtherTimersTickWhileAHandlerWaitsInABox) {
  common::TimerBank bank;
  common::Timer slow{true, 10};
  common::Timer fast{true, 10};
  int slow_ticks = 0;
  int slow_ticks_in_box = 0;
  int fast_ticks_in_box = 0;
  QEventLoop* box = nullptr;
  bank.Add(slow, [&] {
    slow.Enabled = false;
    ++slow_ticks;
    if (box != nullptr) ++slow_ticks_in_box;
    if (slow_ticks == 1) {
      QEventLoop loop;
      box = &loop;
      QTimer::singleShot(2000, &loop, &QEventLoop::quit);  // should the fast timer never tick
      loop.exec();
      box = nullptr;
    }
    slow.Enabled = true;
  });
  bank.Add(fast, [&] {
    if (box != nullptr && ++fast_ticks_in_box == 5) box->quit();
  });
  int renders = 0;
  TimerDriver driver(bank, [&] { ++renders; });
  driver.Start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return slow_ticks >= 2; }, 3000));
  EXPECT_EQ(fast_ticks_in_box, 5);
  EXPECT_EQ(slow_ticks_in_box, 0);
  EXPECT_GE(renders, 7);  // every tick renders
}

TEST(TimerDriverTest, NothingTicksBeforeStart) {
  common::TimerBank bank;
  common::Timer timer{true, 1};
  int ticks = 0;
  int renders = 0;
  bank.Add(timer, [&] { ++ticks; });
  TimerDriver driver(bank, [&] { ++renders; });
  driver.Refresh();
  QTest::qWait(30);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(renders, 1);
  driver.Start();
  QTest::qWait(30);
  EXPECT_GT(ticks, 0);
}

// ---- Qt's own texts ----

// The console's start-up makes the boxes' and dialogs' own texts Russian.
TEST(StartUpLookTest, QtsOwnTextsAreRussian) {
  SetUpLook(*qApp);
  testing_support::ExpectQtsOwnTextsRussian();
}

// ---- file dialog helpers ----

TEST(QtDialogsTest, FiltersBecomeQtFilters) {
  const std::pair<std::string, QString> cases[] = {
      {"txt|20*.txt", "txt (20*.txt)"},
      {"Архив|*.txt|Все|*.*", "Архив (*.txt);;Все (*)"},  // every name, with a dot or without
      {"Рисунки|*.bmp;*.png", "Рисунки (*.bmp *.png)"},
      {"*.wav", "*.wav"},
      {"", ""},
  };
  for (const auto& [filter, expected] : cases) EXPECT_EQ(ToQtFilter(filter), expected) << filter;
}

// A name typed by hand goes to the command even when no such file exists, so the
// viewer's own "cannot read" box is what the operator sees.
TEST(QtDialogsTest, OpenDialogStartsInTheFolderGivenAndTakesANameThatDoesNotExist) {
  testing_support::TempFolder folder;
  shell::QtDialogs dialogs;
  bool refused = false;  // a box of the dialog's own refusing the name
  QTimer close_refusal;
  QObject::connect(&close_refusal, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      refused = true;
      box->reject();
    }
  });
  close_refusal.start(10);
  QString shown_in;
  std::optional<std::string> chosen;
  testing_support::WhileModal(
      [&] { chosen = dialogs.OpenFile("Просмотр архива ", "txt|20*.txt", folder.path.string()); },
      [&](QWidget& shown) {
        auto& dialog = dynamic_cast<QFileDialog&>(shown);
        shown_in = dialog.directory().absolutePath();
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText("2020_no_such.txt");
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
        if (dialog.isVisible()) dialog.reject();
      });
  EXPECT_EQ(shown_in, Q(folder.path.string()));
  EXPECT_FALSE(refused);
  EXPECT_EQ(chosen, (folder.path / "2020_no_such.txt").string());
}

TEST(QtDialogsTest, StartFolderNamingAFileOpensItsFolder) {
  testing_support::TempFolder folder;
  folder.Write("2026_03.txt", "x");
  const QString dir = Q(folder.path.string());
  EXPECT_EQ(StartFolder(folder.path.string()), dir);
  EXPECT_EQ(StartFolder((folder.path / "2026_03.txt").string()), dir);
  EXPECT_EQ(StartFolder((folder.path / "new.txt").string()), dir);
  EXPECT_EQ(StartFolder(""), "");
}

}  // namespace
}  // namespace stanmon
