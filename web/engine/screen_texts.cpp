#include "web/engine/screen_texts.h"

#include "core/hints.h"

namespace acpower::web {

std::u16string TouchNotice(std::u16string_view notice, std::u16string_view restorable)
{
    const std::u16string byKey = RestoreHint(restorable);
    const bool keyed
        = !byKey.empty() && notice.size() >= byKey.size() && notice.substr(notice.size() - byKey.size()) == byKey;
    if (!keyed) {
        return std::u16string(notice);
    }
    return std::u16string(notice.substr(0, notice.size() - byKey.size())) + RestoreByButtonHint(restorable);
}

}  // namespace acpower::web
