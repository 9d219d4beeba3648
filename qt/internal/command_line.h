#pragma once

#include <QStringList>

#include <optional>

namespace acpower {

// The program's answer to its command line, in two steps around the
// application object. Help and the version are answered before it exists, so
// that they print without a display; anything else the program does not know
// is refused after it exists, once Qt has taken out its own options
// (-platform, -style, ...). Each returns the exit status when the program is
// to end there and then, nothing when it is to go on.
std::optional<int> AnswerHelpOrVersion(const QStringList& arguments);
std::optional<int> RefuseUnknownArguments(const QStringList& arguments);

}  // namespace acpower
