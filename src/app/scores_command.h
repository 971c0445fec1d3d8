// -scores: every table on standard output, each entry checked again against its recording.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "app/score_book.h"

// 0 when every entry of these rules verifies, 3 when any does not, 1 when the table cannot be
// read. An entry of other rules is listed as such and counts neither way.
int listScores(const ScoreBook& book, const std::string& program, std::ostream& out,
               std::ostream& err);
// The same tables as tab-separated lines, unchecked, for the page: "table", its title; "entry",
// initials, score, level, date, recording; or "damaged", why.
std::string scoreRows(const ScoreBook& book);
