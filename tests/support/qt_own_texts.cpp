#include "tests/support/qt_own_texts.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include <gtest/gtest.h>

#include "common/qt/qt_dialogs.h"
#include "tests/support/modal.h"

namespace testing_support {

void ExpectQtsOwnTextsRussian() {
  shell::QtDialogs dialogs;
  std::string ok, cancel, file_name_label, file_dialog_cancel;
  WhileModal([&] { dialogs.Confirm("?", "", common::BoxIcon::Question); },
             [&](QWidget& shown) {
               auto& box = dynamic_cast<QMessageBox&>(shown);
               ok = box.button(QMessageBox::Ok)->text().toStdString();
               cancel = box.button(QMessageBox::Cancel)->text().toStdString();
               box.button(QMessageBox::Cancel)->click();
             });
  WhileModal([&] { dialogs.OpenFile("", "txt|*.txt", ""); },
             [&](QWidget& shown) {
               auto& dialog = dynamic_cast<QFileDialog&>(shown);
               file_name_label = dialog.findChild<QLabel*>("fileNameLabel")->text().toStdString();
               auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
               file_dialog_cancel = buttons->button(QDialogButtonBox::Cancel)->text().toStdString();
               dialog.reject();
             });
  EXPECT_EQ(ok, "OK");
  EXPECT_EQ(cancel, "Отмена");
  EXPECT_EQ(file_name_label, "&Имя файла:");
  EXPECT_EQ(file_dialog_cancel, "Отмена");
}

}  // namespace testing_support
