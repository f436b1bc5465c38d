#pragma once
// The About window's line on the last version check, in the language of the
// installed translation: "Last check: 14:05, no newer version",
// "Last check failed: no connection", or that no check has ended yet.
#include <QString>

#include <optional>

#include "services/web_checks.h"

namespace korvana::ui {

QString lastCheckText(const std::optional<online::VersionCheckOutcome>& outcome);

}  // namespace korvana::ui
