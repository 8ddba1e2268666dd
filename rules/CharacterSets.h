#pragma once
// The characters the station's firmware accepts in its SMS texts, names and
// command words. Each set is one literal: messages append it unchanged, so the
// order of its characters is part of the message text. Letter case matters
// (every set that holds letters lists both cases); characters outside ASCII,
// Czech letters included, are in no set.

#include <QString>
#include <QStringView>

namespace torval {

// Printable ASCII 0x20..0x7E without the double quote (report texts, analog texts, counters).
inline constexpr QStringView TextChars =
    u" !#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]\\^_`abcdefghijklmnopqrstuvwxyz{}|~";
// Printable ASCII without the double quote and the tilde (input names, state and transition names).
inline constexpr QStringView NameChars =
    u" `!@#$%^&*()-_=+\\|[{]};:',<.>/?0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Output names and command words: no space, since the station splits an SMS at blanks.
inline constexpr QStringView CommandChars = u"_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr QStringView DigitChars = u"0123456789";
inline constexpr QStringView PhoneChars = u"+0123456789";
inline constexpr QStringView DecimalChars = u"0123456789,.";

// True when every character of `text` occurs in `set` (an empty text passes).
[[nodiscard]] bool hasOnlyAllowedChars(QStringView text, QStringView set);

} // namespace torval
