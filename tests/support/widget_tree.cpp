#include "tests/support/widget_tree.h"

#include <QSet>
#include <QWidget>

#include <gtest/gtest.h>

namespace testing_support {

void ExpectEachInItsContainer(const QWidget& window,
                              const std::vector<std::pair<QString, QString>>& where) {
  QSet<QString> containers;
  for (const auto& [name, container] : where) containers.insert(container);
  for (const auto& [name, container] : where) {
    const QList<QWidget*> found = window.findChildren<QWidget*>(name);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QObject* up = found.front()->parent();
    while (up != nullptr && !containers.contains(up->objectName())) up = up->parent();
    ASSERT_NE(up, nullptr) << name.toStdString();
    EXPECT_EQ(up->objectName(), container) << name.toStdString();
  }
}

}  // namespace testing_support
