#include "rules/KeywordRule.h"

namespace torval {

bool passesKeywordRule(QStringView name, QStringView words)
{
    if (name.isEmpty())
        return true;
    qsizetype start = 0;
    while (start <= words.size()) {
        qsizetype end = words.indexOf(QLatin1Char(';'), start);
        if (end < 0)
            end = words.size();
        const QStringView word = words.mid(start, end - start);
        // The name matches a word when it is used up before the word ends and
        // every character agrees; an empty word can therefore match nothing.
        if (name.size() <= word.size() && word.left(name.size()).compare(name, Qt::CaseInsensitive) == 0)
            return false;
        start = end + 1;
    }
    return true;
}

QString keywordList(const QStringList& words)
{
    QString list;
    for (const QString& w : words) {
        list += w;
        list += QLatin1Char(';');
    }
    return list;
}

bool isPrefixOfEachOther(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const qsizetype n = std::min(a.size(), b.size());
    return a.left(n).compare(b.left(n), Qt::CaseInsensitive) == 0;
}

} // namespace torval
