#include "stanmon/qt/about_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/qt/picture_box.h"
#include "common/qt/render_util.h"
#include "stanmon/qt/pictures.h"

namespace stanmon {

AboutPage::AboutPage(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent)
    : QWidget(parent), form_(form), events_(events) {
  auto* page_layout = new QVBoxLayout(this);
  page_layout->setContentsMargins(0, 0, 0, 0);
  box_ = new QGroupBox(this);
  box_->setObjectName("GroupBox23");
  page_layout->addWidget(box_);

  auto* logo = new shell::PictureBox(box_);
  logo->setObjectName("Logo");
  logo->SetImage(LogoPicture());
  logo->setFixedSize(96, 96);

  auto* captions = new QVBoxLayout;
  captions->setSpacing(4);
  for (int n = 1; n <= 3; ++n) {
    auto* label = new QLabel(box_);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    QFont font = label->font();
    font.setPixelSize(n == 1 ? 24 : 15);
    font.setBold(n == 1);
    label->setFont(font);
    captions->addWidget(label);
    labels_[static_cast<size_t>(n)] = label;
  }
  captions->addStretch();

  auto* head = new QHBoxLayout;
  head->setSpacing(16);
  head->addWidget(logo, 0, Qt::AlignTop);
  head->addLayout(captions, 1);

  memo_ = new QPlainTextEdit(box_);
  memo_->setObjectName("Memo2");
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    if (setting_memo_) return;
    form_.Memo2.Lines = shell::SplitLines(memo_->toPlainText());
    memo_lines_ = form_.Memo2.Lines;
    events_.changed();
  });

  auto* box_layout = new QVBoxLayout(box_);
  box_layout->setContentsMargins(10, 20, 10, 10);
  box_layout->setSpacing(10);
  box_layout->addLayout(head);
  box_layout->addWidget(memo_, 1);
  Render();
}

void AboutPage::Render() {
  shell::SetTitle(box_, form_.GroupBox[23].Caption);
  for (int n = 1; n <= 3; ++n) {
    shell::SetText(labels_[static_cast<size_t>(n)], form_.Label[static_cast<size_t>(n)]);
  }
  if (form_.Memo2.Lines != memo_lines_) {
    memo_lines_ = form_.Memo2.Lines;
    setting_memo_ = true;
    memo_->setPlainText(shell::JoinLines(memo_lines_));
    setting_memo_ = false;
  }
}

}  // namespace stanmon
