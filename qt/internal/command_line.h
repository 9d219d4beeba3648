#pragma once

#include <QStringList>

#include <optional>

namespace acpower {

// The program's answer to its command line, all of it given before the
// display is opened, so that a mistyped option is a usage error with a
// display or without one. Qt's own options (-platform, -style, ...) are a
// fixed, documented list and pass. Each returns the exit status when the
// program is to end there and then, nothing when it is to go on.
std::optional<int> AnswerHelpOrVersion(const QStringList& arguments);
std::optional<int> RefuseUnknownArguments(const QStringList& arguments);

}  // namespace acpower
