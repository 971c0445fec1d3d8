// The page's view of the tables of scores (web/runs.js) asks the game for their rows, so it reads
// them with the game's own reader; the process says how to give them. Nothing off the page.
#pragma once

#include <functional>
#include <string>

void offerScoreRows(std::function<std::string()> rows);
