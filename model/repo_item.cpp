// The list-box line of an item.
#include "model/repo_item.h"

namespace pw {

std::u16string RepoListLine(const TRepo& item) {
  return u"[ " + item.iKey + u" ] " + item.iName + u"  \"" + item.iDescription + u"\"";
}

}  // namespace pw
