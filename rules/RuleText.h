#pragma once
// A message of the rules: Czech in the source, marked for Qt's translator,
// and looked up each time it becomes a QString (after any translation has
// been installed, which a QString made at start-up would miss).

#include <QCoreApplication>
#include <QString>

namespace torval {

struct RuleText {
    const char* context;
    const char* source;
    operator QString() const { return QCoreApplication::translate(context, source); } // NOLINT: used as a text
};

} // namespace torval
