// The images of the item list, the resource tree and the tool bars.
#include "workbench/item_icons.h"

#include <QHash>

namespace tarvelo::gui {

namespace {

QIcon cached(const QString &path) {
  static QHash<QString, QIcon> icons;
  auto it = icons.find(path);
  if (it == icons.end())
    it = icons.insert(path, QIcon(path));
  return *it;
}

} // namespace

QIcon itemListIcon(int image) {
  if (image >= 0 && image < 5)
    return cached(QStringLiteral(":/icons/state_%1.svg").arg(image));
  if (image >= 5 && image < 10)
    return cached(QStringLiteral(":/icons/state_%1_failed.svg").arg(image - 5));
  switch (image) {
  case 10:
    return cached(QStringLiteral(":/icons/comment_source.svg"));
  case 11:
    return cached(QStringLiteral(":/icons/comment_both.svg"));
  case 12:
    return cached(QStringLiteral(":/icons/comment_target.svg"));
  default:
    return {};
  }
}

QIcon resourceTreeIcon(int image) {
  static const char *const names[] = {"tree_root", "tree_dlginit", "tree_dialog",
                                      "tree_menu", "tree_string",  "tree_other"};
  if (image < 0 || image > 5)
    return {};
  return cached(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(names[image])));
}

QIcon toolbarIcon(const QString &name) {
  return cached(QStringLiteral(":/icons/tb_%1.svg").arg(name));
}

QIcon fuzzyIcon() {
  return cached(QStringLiteral(":/icons/fuzzy.svg"));
}

QIcon applicationIcon() {
  return cached(QStringLiteral(":/icons/tarvelo.svg"));
}

} // namespace tarvelo::gui
