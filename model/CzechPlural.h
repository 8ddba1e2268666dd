#pragma once
// Counts in Czech messages: 1 znak, 2 až 4 znaky, 0 a 5 a více znaků.

#include <QString>

namespace torval {

// `n` followed by the word in the form its number takes.
[[nodiscard]] inline QString czechCount(qint64 n, const char* one, const char* twoToFour, const char* many)
{
    const char* word = n == 1 ? one : (n >= 2 && n <= 4 ? twoToFour : many);
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(word);
}

// The commonest count: characters of a text.
[[nodiscard]] inline QString characterCount(qint64 n)
{
    return czechCount(n, "znak", "znaky", "znaků");
}

} // namespace torval
