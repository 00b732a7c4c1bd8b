#include "stanmon/qt/journal_page.h"

#include <QVBoxLayout>

#include "common/qt/grid_view.h"

namespace stanmon {

JournalPage::JournalPage(monitor::ConsoleForm& form, const shell::WindowEvents& events,
                         QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  journal_ = new shell::GridView(form.StringGrid7, events.changed, this);
  journal_->setObjectName("StringGrid7");
  journal_->AllowColumnSizing();
  layout->addWidget(journal_);
}

void JournalPage::Render() {
  journal_->Render();
}

}  // namespace stanmon
