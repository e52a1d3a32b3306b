#pragma once

#include <string_view>

#include "flow/Next.hpp"

struct Workspace;

inline constexpr std::string_view kNeedOptions = " You must select options first. ";
inline constexpr std::string_view kNeedDesign = " You must enter element data or recall data first. ";
inline constexpr std::string_view kNeedViewedAnalysis = " You must view the analysis first. ";

// The common refusal of a screen whose flags are not set. The caller has
// cleared the screen. Shows the message and waits for ENTER; returns
// Next::MainMenu.
Next gateNotice(Workspace& work, std::string_view message);
