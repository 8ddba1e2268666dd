#include "model/SettingsSize.h"

#include "model/ConfigFields.h"
#include "model/Cp1250.h"
#include "model/ImageLayout.h"

namespace torval {

namespace {
// Each entry is its bytes plus the terminator. Characters outside the code
// page are stored as one "?" byte each, so the count is the code-page length.
inline int entry(const QString& s)
{
    return cp1250Length(s) + 1;
}
// An empty number is stored as its terminator alone. Otherwise the address
// field is the count (2), the type (2) and the digits padded to pairs, as
// encodePhoneAddress writes it, without building it.
int phoneEntry(const QString& tc)
{
    if (tc.isEmpty())
        return 1;
    const int digits = int(tc.size()) - (tc.startsWith(QLatin1Char('+')) ? 1 : 0);
    return 2 + 2 + (digits + 1) / 2 * 2 + 1;
}
} // namespace

int settingsSize(const DeviceConfig& c)
{
    int n = layout::kTextArea + 2; // everything before the text area, and the end marker
    for (const FieldDef& f : configFields()) {
        if (f.kind != FieldKind::Text)
            continue;
        // The texts of the lists, and the battery text, which the image
        // holds once as the BAT input's CL1-down text: counted twice.
        const layout::PlaceKind k = f.image.kind;
        if (k != layout::PlaceKind::List && k != layout::PlaceKind::None)
            continue;
        const layout::TextList* list = k == layout::PlaceKind::List ? layout::findList(f.image.address) : nullptr;
        const bool phone = list && list->coding == layout::ListCoding::PhoneAddress;
        for (int i = 0; i < f.count; ++i)
            n += phone ? phoneEntry(textOf(c, f, i)) : entry(textOf(c, f, i));
    }
    return n;
}

} // namespace torval
