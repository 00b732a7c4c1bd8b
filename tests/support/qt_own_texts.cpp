#include "tests/support/qt_own_texts.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "common/qt/qt_dialogs.h"
#include "tests/support/modal.h"

namespace testing_support {

QtOwnTexts QtOwnTextsShown() {
  QtOwnTexts texts;
  shell::QtDialogs dialogs;
  WhileModal([&] { dialogs.Confirm("?", "", common::BoxIcon::Question); },
             [&](QWidget& shown) {
               auto& box = dynamic_cast<QMessageBox&>(shown);
               texts.box_ok = box.button(QMessageBox::Ok)->text().toStdString();
               texts.box_cancel = box.button(QMessageBox::Cancel)->text().toStdString();
               box.button(QMessageBox::Cancel)->click();
             });
  WhileModal(
      [&] { dialogs.OpenFile("", "txt|*.txt", ""); },
      [&](QWidget& shown) {
        auto& dialog = dynamic_cast<QFileDialog&>(shown);
        texts.file_name_label = dialog.findChild<QLabel*>("fileNameLabel")->text().toStdString();
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        texts.file_dialog_cancel = buttons->button(QDialogButtonBox::Cancel)->text().toStdString();
        dialog.reject();
      });
  return texts;
}

}  // namespace testing_support
