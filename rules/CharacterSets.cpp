#include "rules/CharacterSets.h"

namespace torval {

bool hasOnlyAllowedChars(QStringView text, QStringView set)
{
    for (QChar c : text)
        if (!set.contains(c))
            return false;
    return true;
}

} // namespace torval
