// Reading identifiers from the host's feature-list items.
#include "apply/feature_lists.h"

#include <stddef.h>
#include <string.h>

#include "abi/host_records.h"

namespace {

size_t IdentifierOffset(int feature) {
  return feature == FEATURE_PAPER_SIZE ? offsetof(PaperSizeEntry, wPaperCode)
                                       : offsetof(FeatureEntry, wCode);
}

}  // namespace

bool GetFeatureItemId(UIManager *manager, int feature, int position, WORD *id) {
  if (position < 0 || position > 0xFFFF)
    return false;
  const void *item = manager->GetFeatureItem(feature, static_cast<WORD>(position));
  if (item == nullptr)
    return false;
  memcpy(id, static_cast<const BYTE *>(item) + IdentifierOffset(feature), sizeof *id);
  return true;
}

int FindFeatureItem(UIManager *manager, int feature, WORD id) {
  const int count = manager->GetFeatureCount(feature);
  for (int position = 0; position < count; ++position) {
    WORD itemId;
    if (GetFeatureItemId(manager, feature, position, &itemId) && itemId == id)
      return position;
  }
  return -1;
}
