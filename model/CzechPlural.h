#pragma once
// Counts in messages take the form their number asks for: 1 znak, 2 až 4
// znaky, 0 a 5 a více znaků; each language's catalogue holds its forms.

#include <QCoreApplication>
#include <QString>

namespace torval {

// The commonest count: characters of a text.
[[nodiscard]] inline QString characterCount(qint64 n)
{
    return QCoreApplication::translate("Count", "%n znaků", nullptr, int(n));
}

} // namespace torval
