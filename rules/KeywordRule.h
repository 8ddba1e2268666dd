#pragma once
// The words the station reads as commands in an SMS. A name or command word
// that equals one of them, or the beginning of one, would be taken for that
// command, so it is refused.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace torval {

inline constexpr QStringView ReservedKeywords = u"STATE;STAV;BACK;NOBACK;RESET;SHUTDOWN;NAME;ZPET;NEZPET;JMENO";

// False when `name`, ignoring letter case, equals a word of the ";"-separated
// `words` or the beginning of one. An empty name passes; empty words (";;")
// match nothing. A name longer than a word that merely begins with it passes.
[[nodiscard]] bool passesKeywordRule(QStringView name, QStringView words);

// Builds a list for passesKeywordRule: every word followed by ";".
[[nodiscard]] QString keywordList(const QStringList& words);

// True when both texts are non-empty and, ignoring case, the shorter equals
// the beginning of the longer (equal texts included).
[[nodiscard]] bool isPrefixOfEachOther(QStringView a, QStringView b);

} // namespace torval
