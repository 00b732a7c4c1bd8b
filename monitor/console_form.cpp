#include "monitor/console_form.h"

#include <functional>

#include "monitor/settings_files.h"
#include "monitor/shared_state.h"

namespace monitor {
namespace {

TMenuItem Entry(std::string name, std::string caption, std::vector<TMenuItem> items = {}) {
  return TMenuItem{
      .Name = std::move(name), .Caption = std::move(caption), .Items = std::move(items)};
}

std::vector<TMenuItem> MakeMainMenu() {
  TMenuItem demo_stop = Entry("N16", "Стоп");
  demo_stop.Checked = true;
  return {
      Entry("N1", "Порт",
            {Entry("N2", "Выбрано",
                   {Entry("COM11", "COM1 -  GSM Модем"), Entry("COM21", "COM2 - Линия RS485")})}),
      Entry("N3", "Редактор",
            {Entry("Cut1", "Вырезать"), Entry("Copy1", "Копировать"), Entry("Paste1", "Вставить"),
             Entry("Clr1", "Clr")}),
      Entry("N4", "Сервис",
            {Entry("SMS1", "Отправить SMS"), Entry("SMS2", "Читать SMS"),
             Entry("SMS3", "Удалить SMS"), Entry("N17", "Читать тел.№1"),
             Entry("N18", "Записать №1")}),
      Entry("N5", "Модем",
            {Entry("AT1", "Наличие модема"), Entry("N7", "Эхо отменить"), Entry("N8", "Сброс"),
             Entry("ReadSMS1", "Read ALL"), Entry("N19", "Передать команду")}),
      Entry("N9", "Деморежим", {Entry("N15", "Пуск"), demo_stop}),
      Entry("N10", "Выход", {Entry("N6", "Выход")}),
  };
}

void MakeToolBar(ConsoleForm& f) {
  f.ToolButton[9].Hint = "Открыть архив";
  f.ToolButton[7].Hint = "Запись установок";
  f.ToolButton[14].Hint = "Просмотр, распечатка архива";
  f.ToolButton[10].Hint = "Выключить сирену";
  f.ToolButton[13].Hint = "Вырезать";
  f.ToolButton[11].Hint = "Копировать";
  f.ToolButton[12].Hint = "Вставить";
  f.Image[kModemAnsweredLamp].Visible = false;
  f.Image[kJobLamp].Visible = false;
  f.Image[18].Visible = true;
  f.Image[kPollLamp].Visible = false;
  f.DateTimePicker1.Hint = "Текущая дата";
  f.Edit20 = {"1", "Пауза между запросами RS485", false};
  f.UpDown1 = {1, 1};
  f.BitBtn[17] = {"Отменить SMS", "Отменить отправку SMS"};
  f.ComboBox2.Hint = "Список входящих сообщений";
  f.BitBtn[18] = {"Выход", ""};
}

void MakeStatusBar(ConsoleForm& f) {
  const std::string poll_state(Rs485PollingText(Rs485Polling::Stopped));
  f.StatusBar1 = {
      {{"Передано", 70}, {"Принято", 80}, {poll_state, 40}, {"->M", 80}, {"M<-", 100}, {"", 80}}};
}

void MakeMnemonicPage(ConsoleForm& f) {
  f.BitBtn[21] = {"Стоп RS485", "Стоп опроса"};
  f.BitBtn[20] = {"Пуск RS485", "Пуск опроса"};
  f.BitBtn[22] = {"Сигнал принят", ""};
  f.ComboBox1 = {kNoOperatorChosen, {}, "Список операторов", true};
  for (int c = 1; c <= kChannels; ++c) {
    f.CheckBox[OutputBoxP1(c)].Caption = "P1";
    f.CheckBox[OutputBoxP2(c)].Caption = "P2";
  }
}

void MakeSettingsPage(ConsoleForm& f) {
  f.GroupBox[17].Caption = "Описание сигналов";
  f.StringGrid1 = TStringGrid(4, kSignalRows + 1, 1, 1, {44, 202, 30, 68});
  f.StringGrid1.Editable = true;
  f.GroupBox[18].Caption = "Цена SMS";
  f.Edit1.Text = "180";
  f.GroupBox[19].Caption = "Звуковой сигнал";
  f.CheckBox[kSirenSwitch] = {"ВКЛЮЧЕН", true, clBtnFace};
  f.GroupBox[20].Caption = "Описание объектов";
  f.StringGrid3 = TStringGrid(4, kChannels + 1, 1, 1, {32, 192, 80, 41});
  f.StringGrid3.Editable = true;
  f.GroupBox[24].Caption = "Телефоны поддержки";
  f.Edit2.Bold = true;
  f.Edit19.Bold = true;
  f.StringGrid4 = TStringGrid(1, kOperators + 1, 0, 1, {247});
  f.StringGrid4.Editable = true;
}

void MakePlanPage(ConsoleForm& f) {
  f.StringGrid2 = TStringGrid(3, kSignalsPerChannel + 1, 2, 1, {26, 181, 31});
  f.StringGrid2.DefaultRowHeight = 20;
  f.StringGrid2.Editable = true;
  for (int k = 1; k <= kSignalsPerChannel; ++k) f.Image[MarkerImage(k)].Visible = false;
}

void MakeAboutPage(ConsoleForm& f) {
  f.GroupBox[23].Caption = "Журнал";
  f.Label[1] = "Stanmon";
  f.Label[2] = "Пульт контроля 16 объектов";
  f.Label[3] = "RS485 и GSM";
}

void MakeJournalPage(ConsoleForm& f) {
  f.StringGrid7 = TStringGrid(7, 41, 0, 1, {117, 103, 122, 43, 233, 54, 44});
  f.StringGrid7.DefaultRowHeight = 16;
}

void MakeTimers(ConsoleForm& f) {
  f.Timer1 = {false, 2051};
  f.Timer2 = {true, 101};
  f.Timer3 = {true, 251};
  f.Timer4 = {false, 401};
  f.Timer5 = {false, 2501};
  f.Timer6 = {true, 5005};
}

}  // namespace

TMenuItem* ConsoleForm::FindMenuItem(const std::string& name) {
  std::function<TMenuItem*(std::vector<TMenuItem>&)> find = [&](std::vector<TMenuItem>& items) {
    for (TMenuItem& item : items) {
      if (item.Name == name) return &item;
      if (TMenuItem* found = find(item.Items)) return found;
    }
    return static_cast<TMenuItem*>(nullptr);
  };
  return find(MainMenu1);
}

ConsoleForm MakeConsoleForm() {
  ConsoleForm f;
  f.Caption = "Vesk 7310 PC  16 каналов связи   Демо Версия 5.5";
  f.PageControl1 = {
      {{"Мнемосхема  "}, {"Установки  "}, {"Объект  "}, {" О программе "}, {"Журнал"}}};
  MakeToolBar(f);
  MakeStatusBar(f);
  MakeMnemonicPage(f);
  MakeSettingsPage(f);
  MakePlanPage(f);
  MakeAboutPage(f);
  MakeJournalPage(f);
  f.MainMenu1 = MakeMainMenu();
  MakeTimers(f);
  f.OpenDialog1Filter = "txt|20*.txt";
  return f;
}

}  // namespace monitor
