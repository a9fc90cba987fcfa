#pragma once

#include "engine/FileResult.h"

#include <QString>

#include <string>
#include <vector>

namespace panes {

// What makes two warnings the same kind for the once-per-run rule: the text with its numbers and what follows the
// first ':' or ';' left out, so that "3 characters are not in the encoding X ..." in one file and "1 character ..."
// in another count as one kind, while a missing font and a font size of 0 stay two.
std::string WarningKind(const std::string& message);

// The text of the box shown after a run: each file that yielded no PDF with its reason (the first 20, then how many
// more), and each kind of warning that arose in more than one file with those files, each with its own first text of
// that kind (its own counts and characters). Empty when there is nothing to tell.
QString RunReportText(const std::vector<engine::FileResult>& results);

} // namespace panes
